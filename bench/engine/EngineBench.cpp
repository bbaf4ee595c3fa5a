#include "CalcEngine.h"
#include "CalcState.h"
#include "KeyCodes.h"
#include "NumberText.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A key as the dialog sends it: a digit, the point, or a control number for OnKey.
struct Key {
    enum Kind { Digit, Point, Other } kind;
    int value;
};

constexpr Key D(int digit) { return {Key::Digit, digit}; }
constexpr Key K(int controlId) { return {Key::Other, controlId}; }
constexpr Key kPoint {Key::Point, 0};

// A working session: typing, the four operators, a function, Backspace and "C".
const std::vector<Key> kSession = {
    D(1), D(2), kPoint, D(5), K(KEY_ADD), D(3), D(4), K(KEY_MULTIPLY), D(7), K(KEY_EQUALS),
    K(KEY_SIN), K(KEY_SUBTRACT), D(9), D(8), K(KEY_BACKSPACE), K(KEY_DIVIDE), D(4),
    K(KEY_SQUARE), K(KEY_EQUALS), K(KEY_CLEAR),
};

class Keypad {
public:
    void Press(const Key& key)
    {
        switch (key.kind) {
        case Key::Digit:
            m_engine.OnDigit(key.value);
            break;
        case Key::Point:
            m_engine.OnPoint();
            break;
        case Key::Other:
            m_engine.OnKey(key.value);
            break;
        }
    }
    double Result() const { return m_result; }

private:
    CalcState m_state;
    double m_result = 0.0;
    int m_angleMode = 0;
    int m_inv = 0;
    int m_refreshes = 0;
    CalcEngine m_engine {m_state, m_result, m_angleMode, m_inv, [this] { ++m_refreshes; }};
};

void RunKeys(benchmark::State& benchmarkState, const std::vector<Key>& keys)
{
    Keypad keypad;
    std::size_t next = 0;
    for (auto _ : benchmarkState) {
        keypad.Press(keys[next]);
        next = next + 1 == keys.size() ? 0 : next + 1;
        benchmark::DoNotOptimize(keypad.Result());
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

// One key of a mixed session: the average key.
void OneKeyOfASession(benchmark::State& state)
{
    RunKeys(state, kSession);
}
BENCHMARK(OneKeyOfASession);

// Backspace reads the typed digits back from the value's text: the dearest editing key.
void OneKeyTypingAndBackspace(benchmark::State& state)
{
    RunKeys(state, {D(1), kPoint, D(2), D(5), K(KEY_BACKSPACE), K(KEY_BACKSPACE), K(KEY_BACKSPACE)});
}
BENCHMARK(OneKeyTypingAndBackspace);

// The longest factorial that does not overflow: 169 multiplications.
void FactorialOf170(benchmark::State& state)
{
    RunKeys(state, {D(1), D(7), D(0), K(KEY_FACTORIAL)});
}
BENCHMARK(FactorialOf170);

const std::array<double, 8> kValues = {
    0.5, 1.0 / 3.0, 1234567890123456.0, 1.5e-7, -3.75, 7.257415615307994e306, 73.0, 0.1 + 0.2,
};

void FormatNumber(benchmark::State& state)
{
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText::Format(kValues[next]));
        next = (next + 1) % kValues.size();
    }
}
BENCHMARK(FormatNumber);

// The peer: the C library's "%.15g", which depends on the locale and writes two exponent digits.
void FormatNumberPeerSnprintf(benchmark::State& state)
{
    std::size_t next = 0;
    for (auto _ : state) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", kValues[next]);
        benchmark::DoNotOptimize(std::string(buffer));
        next = (next + 1) % kValues.size();
    }
}
BENCHMARK(FormatNumberPeerSnprintf);

const std::array<const char*, 8> kTexts = {
    "0.5", "0.333333333333333", "1.23456789012346e+015", "1.5e-007", " -3.75\t",
    "7.25741561530799e+306", "73", "0.3",
};

void ParseNumber(benchmark::State& state)
{
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText::Parse(kTexts[next]));
        next = (next + 1) % kTexts.size();
    }
}
BENCHMARK(ParseNumber);

// The peer: the C library's strtod, which also takes hex, "inf" and the locale's point.
void ParseNumberPeerStrtod(benchmark::State& state)
{
    std::size_t next = 0;
    for (auto _ : state) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(kTexts[next], &end));
        benchmark::DoNotOptimize(end);
        next = (next + 1) % kTexts.size();
    }
}
BENCHMARK(ParseNumberPeerStrtod);

}
