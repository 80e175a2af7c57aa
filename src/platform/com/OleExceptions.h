// The exception classes that the automation client raises, with their messages.
#pragma once

#include "platform/com/ComTypes.h"
#include "util/Exceptions.h"

#include <string>

class EOleError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EOleError"; }
};

// A failing system call, carrying its HRESULT.
class EOleSysError : public EOleError {
public:
    EOleSysError(std::string message, HRESULT errorCode, int helpContext = 0);
    HRESULT ErrorCode() const { return m_errorCode; }
    int HelpContext() const { return m_helpContext; }
    const char* ClassName() const override { return "EOleSysError"; }

private:
    HRESULT m_errorCode;
    int m_helpContext;
};

// A failing server method, carrying the error information the server left for the thread.
class EOleException : public EOleSysError {
public:
    EOleException(std::string message, HRESULT errorCode, std::string source, std::string helpFile,
                  int helpContext);
    const std::string& Source() const { return m_source; }
    const std::string& HelpFile() const { return m_helpFile; }
    const char* ClassName() const override { return "EOleException"; }

private:
    std::string m_source;
    std::string m_helpFile;
};

class EIntfCastError : public Exception {
public:
    EIntfCastError() : Exception("Interface not supported") {}
    const char* ClassName() const override { return "EIntfCastError"; }
};

class EAssertionFailed : public Exception {
public:
    // Reported as "%s (%s, line %d)".
    EAssertionFailed(const std::string& message, const std::string& unit, int line);
    const char* ClassName() const override { return "EAssertionFailed"; }
};

// Creating a server object failed: "<system text>, ClassID: {...}".
[[noreturn]] void OleErrorCreatingServer(HRESULT hr, const GUID& clsid);
// A call failed with hr: raises EOleException from the thread's error info, as described in the docs.
[[noreturn]] void OleErrorFromCall(HRESULT hr);
inline void OleCheck(HRESULT hr) {
    if (FAILED(hr)) OleErrorFromCall(hr);
}
// "OLE error %.8x" with the code in eight lower-case hexadecimal digits.
std::string OleErrorFallbackText(HRESULT hr);
