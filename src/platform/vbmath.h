#pragma once
// The runtime's number conversions, which the game's formulas are written in.
#include <cstdint>
#include <string>

namespace platform {

// Int: the largest integer not above x (toward minus infinity).
double Int(double x);

// CInt: to the nearest integer, a half to the even neighbour; throws
// Overflow outside -32768..32767.
std::int16_t CInt(double x);

// Round(x, digits): to the nearest, a half to the even neighbour.
double Round(double x, int digits = 0);

// CStr: a number as the runtime shows it, with at most 15 significant digits.
std::string CStr(double x);

// The integer division operator "\": both sides rounded, then truncated.
long IntDiv(long a, long b);

}  // namespace platform
