// The evaluator as the Cal command runs it, and its cost per character of text.
#include "AllocationCounter.h"
#include "CExprEvaluator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const CString kDefaultFormula = u"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))";

// Construction, two bindings, one evaluation and destruction, as one Cal click
// does them: from the dialog's text, with the names made on the spot. The
// counter shows how many allocations Evaluate itself made.
void BM_ExprCalDefaultFormula(benchmark::State& state)
{
    long evaluateAllocations = 0;
    for (auto _ : state) {
        CExprEvaluator evaluator(kDefaultFormula);
        evaluator.BindVariable(30.0, CString(u"a1"));
        evaluator.BindVariable(45.0, CString(u"a2"));
        const long before = AllocationCount();
        evaluator.Evaluate();
        evaluateAllocations += AllocationCount() - before;
        benchmark::DoNotOptimize(evaluator.m_dAnswer);
    }
    state.counters["evaluate_allocs"] = benchmark::Counter(static_cast<double>(evaluateAllocations),
                                                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ExprCalDefaultFormula);

// A valid formula of at least `length` characters mixing numbers, variables,
// functions and operators.
CString FormulaOfLength(std::size_t length)
{
    std::u16string text = u"0";
    while (text.size() < length)
        text += u"+sin(a1)*cos(a2)-1.25";
    return CString(std::move(text));
}

// Evaluation time grows with the text alone: the time per character stays flat.
void BM_ExprCostPerCharacter(benchmark::State& state)
{
    const CString formula = FormulaOfLength(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        CExprEvaluator evaluator(formula);
        evaluator.BindVariable(30.0, CString(u"a1"));
        evaluator.BindVariable(45.0, CString(u"a2"));
        evaluator.Evaluate();
        benchmark::DoNotOptimize(evaluator.m_dAnswer);
    }
    const auto characters = static_cast<double>(formula.GetLength());
    state.counters["chars"] = characters;
    state.counters["time_per_char"] = benchmark::Counter(
        characters, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExprCostPerCharacter)->RangeMultiplier(10)->Range(100, 1000000);

} // namespace
