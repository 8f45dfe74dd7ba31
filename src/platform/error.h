#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// A failure the caller is expected to handle: a missing or damaged file, a
// picture that cannot be decoded, a value out of range.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
