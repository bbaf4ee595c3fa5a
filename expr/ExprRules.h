#pragma once

#include "ExprEntry.h"
#include "ExprResult.h"

#include <span>

// The value of a reduction by `rule`, computed from the entries the reduction
// popped, deepest first; a failure when the computation meets a mathematical
// failure: a divisor near 0, a power outside its domain, a function whose
// guard does not hold.
ExprResult RuleValue(int rule, std::span<const ExprEntry> popped);
