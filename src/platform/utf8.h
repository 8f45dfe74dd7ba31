#pragma once
// UTF-8 text as SDL hands it over and as the game keeps names: walking it by
// code points, counting them, and checking that a string is well formed.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform::utf8 {

// The code point starting at s[at]; moves `at` past it. A byte that starts
// no well-formed sequence reads as U+FFFD and is stepped over alone.
char32_t next(std::string_view s, std::size_t& at);

// The number of code points (each malformed byte counts as one).
std::size_t length(std::string_view s);

// Where the code point that ends s starts (0 for an empty string).
std::size_t lastStart(std::string_view s);

// Well formed: no stray or missing continuation bytes, no overlong forms,
// no surrogates, nothing past U+10FFFF.
bool valid(std::string_view s);

void append(std::string& s, char32_t c);

}  // namespace platform::utf8
