#pragma once

// A computed value, or a mathematical failure (then the value means nothing).
// A plain pair comes back from a call in registers, where std::optional<double>
// would make a round trip through memory on the way.
struct ExprResult {
    double value = 0.0;
    bool ok = true;
};

inline constexpr ExprResult kExprFailure = {0.0, false};
