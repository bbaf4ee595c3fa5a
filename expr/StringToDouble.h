#pragma once

#include <string_view>

// Reads the longest prefix of `text` that is a decimal number ("12", "1.5",
// ".5", "1.", "2E-3") as a double, ignoring whatever follows; 0.0 when there is
// none. The decimal point is always ".", whatever locale the process runs in.
// Every digit counts, however long the text. A number beyond the double range
// reads as an infinity, one too small for it as zero.
double StringToDouble(std::u16string_view text);
double StringToDouble(std::string_view text);
