#pragma once
// The framework's exception classes. Messages are the system's own texts and reach whoever started
// the failed operation.
#include <stdexcept>
#include <string>

namespace core {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Stream failures: "Stream read error", "Stream write error".
class StreamError : public Error {
public:
    using Error::Error;
};

// File open failures: "Cannot open file "%s". %s".
class FileOpenError : public StreamError {
public:
    using StreamError::StreamError;
};

// Value conversion failures: "'%s' is not a valid integer value".
class ConvertError : public Error {
public:
    using Error::Error;
};

// Bitmap decoding failures: "Bitmap image is not valid".
class InvalidImageError : public Error {
public:
    using Error::Error;
};

} // namespace core
