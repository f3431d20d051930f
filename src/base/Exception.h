#pragma once
#include <exception>
#include <string>

// The one exception type the program raises on purpose; handlers that reach the
// message loop show Message() to the user, so it must read as a sentence.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

// A failure the operating system reported, with its error code kept: whoever reports
// it further up can still tell a full disk from a locked file.
class SystemException : public Exception {
public:
    SystemException(std::string message, unsigned long code) : Exception(std::move(message)), code_(code) {}
    unsigned long Code() const noexcept { return code_; }

private:
    unsigned long code_;
};
