#pragma once

// The number of times the global operator new has run in this program. A
// binary that links AllocationCounter.cpp replaces operator new to count, so a
// test or benchmark can show that a stretch of code allocates nothing.
long AllocationCount();
