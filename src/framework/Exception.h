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
