#pragma once

// The number of times the global operator new has run in this program. The
// benchmark binary replaces operator new to count, so a benchmark can show
// that a stretch of code allocates nothing.
long AllocationCount();
