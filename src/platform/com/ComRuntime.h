// The COM runtime stand-in: class registry, running-object table, per-thread error info, message texts.
#pragma once

#include "platform/com/Unknown.h"

#include <functional>
#include <string>

// Registry text form of a GUID: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GUIDToString(const GUID& guid);
bool StringToGUID(const std::string& text, GUID* out);

// --- Class registry ---------------------------------------------------------------------------
// A factory creates a fresh object and returns it with one reference, as its IUnknown.
using ComFactory = std::function<HRESULT(REFIID riid, void** ppv)>;

namespace ComRegistry {
// Registers (or replaces) a class; an empty ProgID registers the class identifier only.
void registerClass(const CLSID& clsid, const std::string& progId, ComFactory factory);
void unregisterClass(const CLSID& clsid);
bool isRegistered(const CLSID& clsid);
// Loads a shared library exporting DllGetClassObject and registers clsid to be served by it.
// Returns false (and registers nothing) when the library or its entry cannot be found.
bool registerServerLibrary(const CLSID& clsid, const std::string& progId, const std::string& libraryPath,
                           std::string* error = nullptr);
} // namespace ComRegistry

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv);
HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);

// --- Running-object table ---------------------------------------------------------------------
HRESULT RegisterActiveObject(IUnknown* punk, REFCLSID rclsid, DWORD flags, DWORD* registration);
HRESULT RevokeActiveObject(DWORD registration, void* reserved);
HRESULT GetActiveObject(REFCLSID rclsid, void* reserved, IUnknown** ppunk);

// --- Error info, kept per thread --------------------------------------------------------------
// C linkage: the executable exports these two (with the BSTR functions) to SDK libraries it loads.
extern "C" {
HRESULT SetErrorInfo(DWORD reserved, IErrorInfo* perrinfo);
// Hands over the thread's error info (and clears it); S_FALSE and null when there is none.
HRESULT GetErrorInfo(DWORD reserved, IErrorInfo** pperrinfo);
}
// Makes an error info object from its parts (UTF-16 texts), one reference owned by the caller.
IErrorInfo* CreateSimpleErrorInfo(const std::u16string& source, const std::u16string& description,
                                  const std::u16string& helpFile = {}, DWORD helpContext = 0,
                                  const GUID& guid = GUID_NULL);

// --- System message texts ---------------------------------------------------------------------
// The system's message text for an HRESULT; empty for a code the table does not know.
std::string SysErrorMessage(HRESULT hr);
