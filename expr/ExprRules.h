#pragma once

#include "ExprEntry.h"

#include <span>

// Sets `value` to the value of a reduction by `rule`, computed from the entries
// the reduction popped, deepest first. False when the computation meets a
// mathematical failure: a divisor near 0, a power outside its domain, a
// function whose guard does not hold. (A bool and an output keep the result in
// registers, where an optional<double> would make a round trip through memory.)
bool RuleValue(int rule, std::span<const ExprEntry> popped, double& value);
