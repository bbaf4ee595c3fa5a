// Feeds arbitrary bytes to the evaluator as a formula, one byte per character,
// and checks what must hold for any text.
#include "CExprEvaluator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size, u'\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char16_t>(data[i]);
    CExprEvaluator evaluator{CString(text)};
    evaluator.BindVariable(30.0, u"a1");
    evaluator.BindVariable(45.0, u"a2");
    evaluator.Evaluate();
    const bool failed = evaluator.m_bFailed;
    const double answer = evaluator.m_dAnswer;
    const int error = evaluator.m_nError;

    Require(error == 0 || error == 1 || (error >= 3 && error <= 6));
    Require(error == 0 || failed);
    Require(!failed || answer == 0.0);

    // A second evaluation starts from a clean state and must agree.
    evaluator.Evaluate();
    Require(evaluator.m_bFailed == failed && evaluator.m_nError == error);
    Require(std::isnan(answer) ? std::isnan(evaluator.m_dAnswer) : evaluator.m_dAnswer == answer);
    return 0;
}
