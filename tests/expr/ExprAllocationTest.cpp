// Evaluate allocates nothing for formulas of ordinary size. This binary
// replaces the global operator new to count the allocations made while it runs.
#include "CExprEvaluator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

long g_allocations = 0;

} // namespace

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

TEST(ExprAllocation, EvaluateAllocatesNothing)
{
    for (const char16_t* text : {u"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))",
                                 u"ROUND(a1/7) MOD 3 + 2^-2*TRUNC(-a2) - SQR(ABS(a1))",
                                 u"1.2345678901234567890123456789E-12 + 3", u"(((1+2)", u"1/0+b7"}) {
        CExprEvaluator evaluator(text);
        evaluator.BindVariable(30.0, u"a1");
        evaluator.BindVariable(45.0, u"a2");
        const long before = g_allocations;
        evaluator.Evaluate();
        EXPECT_EQ(g_allocations - before, 0) << CString(text).ToUtf8();
    }
}

} // namespace
