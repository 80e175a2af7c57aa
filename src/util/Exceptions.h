// The root of the exceptions the console reports, and the runtime's conversion error. Plain C++, so that
// every layer (the COM stand-in included) may raise and catch them.
#pragma once

#include <exception>
#include <string>

// Root of the exceptions the console reports; the message is UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : m_message(std::move(message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& Message() const { return m_message; }
    virtual const char* ClassName() const { return "Exception"; }

private:
    std::string m_message;
};

// The runtime's conversion error ("'x' is not a valid integer value").
class EConvertError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EConvertError"; }
};
