#include "platform/vbmath.h"

#include <cmath>
#include <cstdio>

#include "platform/error.h"

namespace platform {

double Int(double x) { return std::floor(x); }

std::int16_t CInt(double x) {
    double r = std::nearbyint(x);  // the default rounding mode: half to even
    if (!(r >= -32768.0 && r <= 32767.0)) throw Overflow();
    return static_cast<std::int16_t>(r);
}

double Round(double x, int digits) {
    double scale = std::pow(10.0, digits);
    return std::nearbyint(x * scale) / scale;
}

std::string CStr(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

long IntDiv(long a, long b) {
    if (b == 0) throw Error("Division by zero");
    return a / b;
}

}  // namespace platform
