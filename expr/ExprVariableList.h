#pragma once

#include "CString.h"
#include "ExprName.h"
#include "ExprVariable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

// The bound variables in the order of binding. The first few live inside the
// list, so binding the Cal command's two variables allocates nothing; any
// further ones go to the heap.
class ExprVariableList {
public:
    void Append(double value, CString name)
    {
        const std::uint64_t key = NameKey(name.View());
        if (m_firstCount == m_first.size()) {
            m_further.push_back(ExprVariable{value, std::move(name), key});
            return;
        }
        ExprVariable& variable = m_first[m_firstCount++];
        variable.value = value;
        variable.name = std::move(name);
        variable.key = key;
    }

    // Binding order is First() followed by Further().
    std::span<const ExprVariable> First() const { return std::span(m_first).first(m_firstCount); }
    std::span<const ExprVariable> Further() const { return m_further; }

private:
    std::array<ExprVariable, 4> m_first;
    std::size_t m_firstCount = 0;
    std::vector<ExprVariable> m_further;
};
