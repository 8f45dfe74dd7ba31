#include "platform/utf8.h"

namespace platform::utf8 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The length of the well-formed sequence at s[at], or 0.
std::size_t sequenceLength(std::string_view s, std::size_t at, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(s[at]);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    std::size_t n;
    char32_t c, least;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - at < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[at + k]);
        if (!continuation(b)) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return n;
}

}  // namespace

char32_t next(std::string_view s, std::size_t& at) {
    char32_t c = kReplacement;
    const std::size_t n = sequenceLength(s, at, c);
    at += n ? n : 1;
    return n ? c : kReplacement;
}

std::size_t length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < s.size(); ++count) next(s, at);
    return count;
}

std::size_t lastStart(std::string_view s) {
    if (s.empty()) return 0;
    // A well-formed ending is at most four bytes long; anything else is one stray byte.
    for (std::size_t n = 1; n <= 4 && n <= s.size(); ++n) {
        const std::size_t start = s.size() - n;
        char32_t c;
        if (!continuation(static_cast<unsigned char>(s[start])))
            return sequenceLength(s, start, c) == n ? start : s.size() - 1;
    }
    return s.size() - 1;
}

bool valid(std::string_view s) {
    for (std::size_t at = 0; at < s.size();) {
        char32_t c;
        const std::size_t n = sequenceLength(s, at, c);
        if (n == 0) return false;
        at += n;
    }
    return true;
}

void append(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

}  // namespace platform::utf8
