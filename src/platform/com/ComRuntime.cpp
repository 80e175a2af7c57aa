#include "platform/com/ComRuntime.h"

#include "platform/com/ComPtr.h"
#include "platform/com/WideString.h"

#include <cstdio>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <vector>

std::string GUIDToString(const GUID& g) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", unsigned(g.Data1),
                  unsigned(g.Data2), unsigned(g.Data3), g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                  g.Data4[5], g.Data4[6], g.Data4[7]);
    return buf;
}

bool StringToGUID(const std::string& text, GUID* out) {
    unsigned d1, d2, d3, b[8];
    char close = 0;
    if (text.size() != 38 ||
        std::sscanf(text.c_str(), "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x%c", &d1, &d2, &d3, &b[0], &b[1], &b[2],
                    &b[3], &b[4], &b[5], &b[6], &b[7], &close) != 12 ||
        close != '}')
        return false;
    out->Data1 = d1;
    out->Data2 = std::uint16_t(d2);
    out->Data3 = std::uint16_t(d3);
    for (int i = 0; i < 8; ++i) out->Data4[i] = std::uint8_t(b[i]);
    return true;
}

namespace {

struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

struct ClassEntry {
    std::string progId;
    ComFactory factory;
};

struct Registry {
    std::mutex mutex;
    std::map<GUID, ClassEntry, GuidLess> classes;
    std::map<DWORD, std::pair<GUID, IUnknown*>> active;
    DWORD nextRegistration = 1;
};

Registry& registry() {
    static Registry r;
    return r;
}

thread_local IErrorInfo* t_errorInfo = nullptr;

class SimpleErrorInfo final : public ComObject<IErrorInfo> {
public:
    SimpleErrorInfo(std::u16string source, std::u16string description, std::u16string helpFile, DWORD ctx,
                    GUID guid)
        : m_source(std::move(source)), m_description(std::move(description)), m_helpFile(std::move(helpFile)),
          m_context(ctx), m_guid(guid) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IErrorInfo) {
            *ppv = static_cast<IErrorInfo*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE GetGUID(GUID* p) override { return *p = m_guid, S_OK; }
    HRESULT STDMETHODCALLTYPE GetSource(BSTR* p) override { return *p = WideString(m_source).detach(), S_OK; }
    HRESULT STDMETHODCALLTYPE GetDescription(BSTR* p) override {
        return *p = WideString(m_description).detach(), S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* p) override { return *p = WideString(m_helpFile).detach(), S_OK; }
    HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* p) override { return *p = m_context, S_OK; }

private:
    std::u16string m_source, m_description, m_helpFile;
    DWORD m_context;
    GUID m_guid;
};

} // namespace

void ComRegistry::registerClass(const CLSID& clsid, const std::string& progId, ComFactory factory) {
    std::lock_guard lock(registry().mutex);
    registry().classes[clsid] = ClassEntry{progId, std::move(factory)};
}

void ComRegistry::unregisterClass(const CLSID& clsid) {
    std::lock_guard lock(registry().mutex);
    registry().classes.erase(clsid);
}

bool ComRegistry::isRegistered(const CLSID& clsid) {
    std::lock_guard lock(registry().mutex);
    return registry().classes.count(clsid) != 0;
}

bool ComRegistry::registerServerLibrary(const CLSID& clsid, const std::string& progId, const std::string& path,
                                        std::string* error) {
    // The library stays loaded for the life of the process, as an in-process server does.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) *error = dlerror();
        return false;
    }
    auto entry = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
    if (!entry) {
        if (error) *error = "DllGetClassObject not exported by " + path;
        dlclose(handle);
        return false;
    }
    registerClass(clsid, progId, [entry, clsid](REFIID riid, void** ppv) -> HRESULT {
        ComPtr<IClassFactory> factory;
        const HRESULT hr = entry(clsid, IID_IClassFactory, factory.putVoid());
        if (FAILED(hr)) return hr;
        if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
        return factory->CreateInstance(nullptr, riid, ppv);
    });
    return true;
}

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    if ((dwClsContext & CLSCTX_SERVER) == 0) return E_INVALIDARG;
    ComFactory factory;
    {
        std::lock_guard lock(registry().mutex);
        auto it = registry().classes.find(rclsid);
        if (it == registry().classes.end()) return REGDB_E_CLASSNOTREG;
        factory = it->second.factory;
    }
    return factory(riid, ppv);
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
    if (!progId || !clsid) return E_INVALIDARG;
    const std::string wanted = Utf16ToUtf8(progId);
    std::lock_guard lock(registry().mutex);
    for (const auto& [id, entry] : registry().classes) {
        if (!entry.progId.empty() && entry.progId == wanted) {
            *clsid = id;
            return S_OK;
        }
    }
    return CO_E_CLASSSTRING;
}

HRESULT RegisterActiveObject(IUnknown* punk, REFCLSID rclsid, DWORD, DWORD* registration) {
    if (!punk || !registration) return E_INVALIDARG;
    punk->AddRef();
    std::lock_guard lock(registry().mutex);
    *registration = registry().nextRegistration++;
    registry().active[*registration] = {rclsid, punk};
    return S_OK;
}

HRESULT RevokeActiveObject(DWORD registration, void*) {
    IUnknown* released = nullptr;
    {
        std::lock_guard lock(registry().mutex);
        auto it = registry().active.find(registration);
        if (it == registry().active.end()) return E_INVALIDARG;
        released = it->second.second;
        registry().active.erase(it);
    }
    released->Release();
    return S_OK;
}

HRESULT GetActiveObject(REFCLSID rclsid, void*, IUnknown** ppunk) {
    if (!ppunk) return E_POINTER;
    *ppunk = nullptr;
    std::lock_guard lock(registry().mutex);
    for (const auto& [reg, entry] : registry().active) {
        if (entry.first == rclsid) {
            entry.second->AddRef();
            *ppunk = entry.second;
            return S_OK;
        }
    }
    return MK_E_UNAVAILABLE;
}

extern "C" HRESULT SetErrorInfo(DWORD, IErrorInfo* perrinfo) {
    if (perrinfo) perrinfo->AddRef();
    if (t_errorInfo) t_errorInfo->Release();
    t_errorInfo = perrinfo;
    return S_OK;
}

extern "C" HRESULT GetErrorInfo(DWORD, IErrorInfo** pperrinfo) {
    if (!pperrinfo) return E_POINTER;
    *pperrinfo = std::exchange(t_errorInfo, nullptr);
    return *pperrinfo ? S_OK : S_FALSE;
}

IErrorInfo* CreateSimpleErrorInfo(const std::u16string& source, const std::u16string& description,
                                  const std::u16string& helpFile, DWORD helpContext, const GUID& guid) {
    return new SimpleErrorInfo(source, description, helpFile, helpContext, guid);
}

std::string SysErrorMessage(HRESULT hr) {
    struct Text {
        HRESULT code;
        const char* text;
    };
    // The texts the system gives for the codes this console can meet.
    static const Text table[] = {
        {E_UNEXPECTED, "Catastrophic failure"},
        {E_NOTIMPL, "Not implemented"},
        {E_NOINTERFACE, "No such interface supported"},
        {E_POINTER, "Invalid pointer"},
        {E_FAIL, "Unspecified error"},
        {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation"},
        {E_INVALIDARG, "The parameter is incorrect"},
        {E_ACCESSDENIED, "Access is denied"},
        {CLASS_E_NOAGGREGATION, "Class does not support aggregation (or class object is remote)"},
        {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory cannot supply requested class"},
        {REGDB_E_CLASSNOTREG, "Class not registered"},
        {CO_E_CLASSSTRING, "Invalid class string"},
        {MK_E_UNAVAILABLE, "Operation unavailable"},
        {DISP_E_UNKNOWNINTERFACE, "Unknown interface"},
        {DISP_E_MEMBERNOTFOUND, "Member not found"},
        {DISP_E_PARAMNOTFOUND, "Parameter not found"},
        {DISP_E_TYPEMISMATCH, "Type mismatch"},
        {DISP_E_UNKNOWNNAME, "Unknown name"},
        {DISP_E_EXCEPTION, "Exception occurred"},
        {DISP_E_BADPARAMCOUNT, "Invalid number of parameters"},
    };
    for (const auto& t : table)
        if (t.code == hr) return t.text;
    return {};
}
