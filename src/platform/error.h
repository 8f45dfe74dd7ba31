#pragma once
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// A failure the caller is expected to handle: a missing or damaged file, a
// picture that cannot be decoded, a value out of range.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure on a path, as every message about files names it:
// "Cannot <doing> '<path>': <reason>", the reason the system's for an errno.
inline Error cannotOn(std::string_view doing, std::string_view path, std::string_view reason) {
    return Error("Cannot " + std::string(doing) + " '" + std::string(path) + "': " + std::string(reason));
}
inline Error cannotOn(std::string_view doing, std::string_view path, int error) {
    return cannotOn(doing, path, std::strerror(error));
}

// A file whose content a reader refuses, as against one the system cannot
// read or write: deleting it lets the game write it afresh.
class Damaged : public Error {
public:
    using Error::Error;
};

// CInt of a value outside the 16-bit range.
class Overflow : public Error {
public:
    Overflow() : Error("Overflow") {}
};

}  // namespace platform
