// Evaluate allocates nothing for formulas of ordinary size. This binary
// links the allocation counter, which replaces the global operator new.
#include "AllocationCounter.h"
#include "CExprEvaluator.h"

#include <gtest/gtest.h>

namespace {

TEST(ExprAllocation, EvaluateAllocatesNothing)
{
    for (const char16_t* text : {u"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))",
                                 u"ROUND(a1/7) MOD 3 + 2^-2*TRUNC(-a2) - SQR(ABS(a1))",
                                 u"1.2345678901234567890123456789E-12 + 3", u"(((1+2)", u"1/0+b7"}) {
        CExprEvaluator evaluator(text);
        evaluator.BindVariable(30.0, u"a1");
        evaluator.BindVariable(45.0, u"a2");
        const long before = AllocationCount();
        evaluator.Evaluate();
        EXPECT_EQ(AllocationCount() - before, 0) << CString(text).ToUtf8();
    }
}

} // namespace
