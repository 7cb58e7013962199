// The exceptions our platform stand-ins raise: each carries the message the user is shown.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that does not convert to a number.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// An index that names no item of a list.
class EListError : public Exception {
  public:
    explicit EListError(int index)
        : Exception("List index out of bounds (" + std::to_string(index) + ")") {}
};

}  // namespace platform
