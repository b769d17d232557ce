#pragma once
// The error classes of the runtime. Scripts and the loader report failures by
// throwing; handlers that "swallow errors" catch vx::Error, never everything,
// so that a process exit on the simulated desktop still unwinds past them.

#include <stdexcept>
#include <string>

namespace vx {

// The ordinary error class: what a failing statement or loader step raises.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A malformed stream: the container, a trailer, a resource table.
class StreamError : public Error {
 public:
  using Error::Error;
};

// Text that does not convert to the number a field or an expression needs.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// A failure reported by the operating system (or its simulation).
class OsError : public Error {
 public:
  using Error::Error;
};

// "'%s' is not a valid integer value", the integer-conversion message.
ConvertError NotAnInteger(const std::string& text);

}  // namespace vx
