#pragma once

#include "CString.h"

// A variable bound to an evaluator: its name as given (lookup ignores case) and its value.
struct ExprVariable {
    double value = 0.0;
    CString name;
};
