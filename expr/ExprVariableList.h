#pragma once

#include "CString.h"
#include "ExprName.h"
#include "ExprVariable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The bound variables in the order of binding. The first few live inside the
// list, so binding the Cal command's two variables allocates nothing; any
// further ones go to the heap.
class ExprVariableList {
public:
    void Append(double value, CString name)
    {
        ExprVariable& variable = m_firstCount < m_first.size() ? m_first[m_firstCount++] : m_further.emplace_back();
        variable.value = value;
        variable.length = name.View().size();
        variable.key = NameKey(name.View());
        if (variable.length > kNameKeyLength)
            variable.longName = std::move(name);
    }

    // The first variable bound under `name`, or none.
    const ExprVariable* Find(const ExprName& name) const
    {
        for (std::size_t i = 0; i < m_firstCount; ++i) {
            if (SameName(m_first[i].Name(), name))
                return &m_first[i];
        }
        for (const ExprVariable& variable : m_further) {
            if (SameName(variable.Name(), name))
                return &variable;
        }
        return nullptr;
    }

private:
    std::array<ExprVariable, 4> m_first;
    std::size_t m_firstCount = 0;
    std::vector<ExprVariable> m_further;
};
