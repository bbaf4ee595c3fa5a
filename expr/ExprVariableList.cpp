#include "ExprVariableList.h"

#include "ExprCharacters.h"

#include <algorithm>

const ExprVariable* ExprVariableList::FindLongName(std::string_view name) const
{
    return FindFirst([this, name](const ExprVariable& variable) {
        return variable.length == name.size() &&
               std::ranges::equal(m_longNames[variable.longName], name, {}, ToUpper, ToUpper);
    });
}
