#include "platform/com/OleExceptions.h"

#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/WideString.h"

#include <cstdio>

EOleSysError::EOleSysError(std::string message, HRESULT errorCode, int helpContext)
    : EOleError(std::move(message)), m_errorCode(errorCode), m_helpContext(helpContext) {}

EOleException::EOleException(std::string message, HRESULT errorCode, std::string source, std::string helpFile,
                             int helpContext)
    : EOleSysError(std::move(message), errorCode, helpContext), m_source(std::move(source)),
      m_helpFile(std::move(helpFile)) {}

namespace {
std::string assertionText(const std::string& message, const std::string& unit, int line) {
    return message + " (" + unit + ", line " + std::to_string(line) + ")";
}

std::string takeBstr(BSTR b) { return WideString::attach(b).toUtf8(); }

// Trailing characters from code 0 to 32 and full stops are dropped from a server's description.
std::string trimDescription(std::string text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) text.pop_back();
    return text;
}
} // namespace

EAssertionFailed::EAssertionFailed(const std::string& message, const std::string& unit, int line)
    : Exception(assertionText(message, unit, line)) {}

std::string OleErrorFallbackText(HRESULT hr) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "OLE error %.8x", static_cast<unsigned>(hr));
    return buf;
}

void OleErrorCreatingServer(HRESULT hr, const GUID& clsid) {
    throw EOleSysError(SysErrorMessage(hr) + ", ClassID: " + GUIDToString(clsid), hr);
}

void OleErrorFromCall(HRESULT hr) {
    std::string source, description, helpFile;
    DWORD helpContext = 0;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK && info) {
        BSTR b = nullptr;
        if (SUCCEEDED(info->GetSource(&b))) source = takeBstr(b);
        b = nullptr;
        if (SUCCEEDED(info->GetDescription(&b))) description = takeBstr(b);
        b = nullptr;
        if (SUCCEEDED(info->GetHelpFile(&b))) helpFile = takeBstr(b);
        info->GetHelpContext(&helpContext);
    }
    std::string message = trimDescription(description);
    if (message.empty()) message = SysErrorMessage(hr);
    if (message.empty()) message = OleErrorFallbackText(hr);
    throw EOleException(message, hr, source, helpFile, int(helpContext));
}
