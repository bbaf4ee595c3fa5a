#include "ExprVariableList.h"

#include "ExprCharacters.h"

#include <algorithm>

const ExprVariable* ExprVariableList::FindLongName(const ExprName& name) const
{
    return FindFirst([&name](const ExprVariable& variable) {
        return variable.length == name.length &&
               std::ranges::equal(variable.longName.View(), name.text, {}, ToUpper, ToUpper);
    });
}
