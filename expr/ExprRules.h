#pragma once

#include "ExprEntry.h"

#include <optional>
#include <span>

// The value of a reduction by `rule`, computed from the entries the reduction
// popped (popped[0] was the top one). No value when the computation meets a
// mathematical failure: a divisor near 0, a power outside its domain, a
// function whose guard does not hold.
std::optional<double> RuleValue(int rule, std::span<const ExprEntry> popped);
