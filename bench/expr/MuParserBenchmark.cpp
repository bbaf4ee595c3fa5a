// The peer: muParser on the same formula, from its text and already parsed.
#include <benchmark/benchmark.h>

#include <muParser.h>

namespace {

const char* const kDefaultFormula = "exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))";

// Parser constructed, variables defined, formula set from text and evaluated.
void BM_MuParserFromText(benchmark::State& state)
{
    double a1 = 30.0;
    double a2 = 45.0;
    for (auto _ : state) {
        mu::Parser parser;
        parser.DefineVar("a1", &a1);
        parser.DefineVar("a2", &a2);
        parser.SetExpr(kDefaultFormula);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuParserFromText);

// Evaluation of a formula parsed before the loop (the first Eval parses it).
void BM_MuParserEvalParsed(benchmark::State& state)
{
    double a1 = 30.0;
    double a2 = 45.0;
    mu::Parser parser;
    parser.DefineVar("a1", &a1);
    parser.DefineVar("a2", &a2);
    parser.SetExpr(kDefaultFormula);
    benchmark::DoNotOptimize(parser.Eval());
    for (auto _ : state) {
        benchmark::DoNotOptimize(a1);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuParserEvalParsed);

} // namespace
