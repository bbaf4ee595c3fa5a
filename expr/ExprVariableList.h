#pragma once

#include "ExprName.h"
#include "ExprVariable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The bound variables in the order of binding. The first few live inside the
// list, so binding the Cal command's two variables allocates nothing; any
// further ones, and the characters of long names, go to the heap.
class ExprVariableList {
public:
    void Append(double value, std::u16string_view name)
    {
        ExprVariable& variable = m_firstCount < m_first.size() ? m_first[m_firstCount++] : m_further.emplace_back();
        variable.value = value;
        variable.length = name.size();
        variable.key = NameKey(name);
        if (variable.length > kNameKeyLength) {
            variable.longName = m_longNames.size();
            m_longNames.emplace_back(name);
        }
    }

    // The first variable bound under `name`, or none.
    const ExprVariable* Find(const ExprName& name) const
    {
        // A short name is told apart by its length and key; only a long one
        // needs its characters compared, which is left out of line.
        if (name.length > kNameKeyLength)
            return FindLongName(name.text);
        return FindFirst(
            [&name](const ExprVariable& variable) { return variable.length == name.length && variable.key == name.key; });
    }

private:
    // Takes the name's characters alone, by value, so that the caller need not keep its name in memory.
    const ExprVariable* FindLongName(std::string_view name) const;

    template<typename Predicate>
    const ExprVariable* FindFirst(Predicate matches) const
    {
        for (std::size_t i = 0; i < m_firstCount; ++i) {
            if (matches(m_first[i]))
                return &m_first[i];
        }
        for (const ExprVariable& variable : m_further) {
            if (matches(variable))
                return &variable;
        }
        return nullptr;
    }

    std::array<ExprVariable, 4> m_first;
    std::size_t m_firstCount = 0;
    std::vector<ExprVariable> m_further;
    std::vector<std::u16string> m_longNames;
};
