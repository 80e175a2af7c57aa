#include "platform/com/AutomationObject.h"

#include "platform/com/OleExceptions.h"

#include <cctype>

namespace {
std::string lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

HRESULT AutomationObject::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT AutomationObject::GetTypeInfoCount(std::uint32_t* pctinfo) {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT AutomationObject::GetTypeInfo(std::uint32_t, LCID, ITypeInfo** ppTInfo) {
    if (ppTInfo) *ppTInfo = nullptr;
    return E_NOTIMPL;
}

HRESULT AutomationObject::GetIDsOfNames(REFIID, OLECHAR** names, std::uint32_t count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (std::uint32_t i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        if (i > 0) { // named arguments are not offered
            hr = DISP_E_UNKNOWNNAME;
            continue;
        }
        auto it = m_ids.find(lower(Utf16ToUtf8(names[i] ? names[i] : u"")));
        if (it == m_ids.end())
            hr = DISP_E_UNKNOWNNAME;
        else
            ids[i] = it->second;
    }
    return hr;
}

HRESULT AutomationObject::Invoke(DISPID id, REFIID, LCID, std::uint16_t flags, DISPPARAMS* params,
                                 VARIANT* result, EXCEPINFO* info, std::uint32_t*) {
    if (id < 1 || std::size_t(id) > m_members.size()) return DISP_E_MEMBERNOTFOUND;
    const Member& m = m_members[std::size_t(id) - 1];
    if (!params) return E_INVALIDARG;
    Args args;
    std::uint32_t positional = params->cArgs;
    const bool isPut = flags & DISPATCH_PROPERTYPUT;
    if (isPut) {
        if (params->cNamedArgs != 1 || !params->rgdispidNamedArgs ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || params->cArgs < 1)
            return DISP_E_PARAMNOTFOUND;
        positional = params->cArgs - 1; // rgvarg[0] is the value
    } else if (params->cNamedArgs) {
        return DISP_E_PARAMNOTFOUND;
    }
    for (std::uint32_t i = 0; i < positional; ++i)
        args.push_back(&params->rgvarg[params->cArgs - 1 - i]);
    try {
        OleVariant value;
        if (isPut) {
            if (!m.put) return DISP_E_MEMBERNOTFOUND;
            m.put(args, params->rgvarg[0]);
        } else if ((flags & DISPATCH_METHOD) && m.call) {
            value = m.call(args);
        } else if ((flags & DISPATCH_PROPERTYGET) && m.get) {
            value = m.get(args);
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (result) {
            VariantClear(result);
            std::memcpy(result, value.data(), sizeof(VARIANT));
            VariantInit(value.data());
        }
        return S_OK;
    } catch (const AutomationError& e) {
        if (e.description.empty()) return e.scode;
        if (info) {
            *info = EXCEPINFO{};
            info->scode = e.scode;
            info->bstrSource = WideString(m_source).detach();
            info->bstrDescription = WideString(e.description).detach();
        }
        return DISP_E_EXCEPTION;
    } catch (const std::exception& e) {
        if (info) {
            *info = EXCEPINFO{};
            info->scode = E_FAIL;
            info->bstrSource = WideString(m_source).detach();
            info->bstrDescription = WideString::fromUtf8(e.what()).detach();
        }
        return DISP_E_EXCEPTION;
    }
}

void AutomationObject::requireArgs(const Args& args, std::size_t count) {
    if (args.size() != count) throw AutomationError{DISP_E_BADPARAMCOUNT, {}};
}

OleVariant AutomationObject::argValue(const Args& args, std::size_t i) {
    if (i >= args.size()) throw AutomationError{DISP_E_BADPARAMCOUNT, {}};
    OleVariant v;
    if (FAILED(VariantCopy(v.data(), args[i]))) throw AutomationError{E_OUTOFMEMORY, {}};
    return v;
}

std::int32_t AutomationObject::argInt(const Args& args, std::size_t i) {
    const OleVariant v = argValue(args, i);
    try {
        return v.toInt();
    } catch (const EOleSysError&) {
        throw AutomationError{DISP_E_TYPEMISMATCH, {}};
    }
}

std::vector<std::uint8_t> AutomationObject::argBytes(const Args& args, std::size_t i) {
    const OleVariant v = argValue(args, i);
    try {
        return v.toBytes();
    } catch (const EOleSysError&) {
        throw AutomationError{DISP_E_TYPEMISMATCH, {}};
    }
}

void AutomationObject::setRefInt(const Args& args, std::size_t i, std::int32_t value) {
    if (i >= args.size()) return;
    VARIANT* v = args[i];
    if (v->vt == (VT_BYREF | VT_I4) && v->plVal)
        *v->plVal = value;
    else if (v->vt == (VT_BYREF | VT_UI4) && v->pulVal)
        *v->pulVal = std::uint32_t(value);
}

AutomationObject::Member& AutomationObject::member(const std::string& name) {
    const std::string key = lower(name);
    auto it = m_ids.find(key);
    if (it != m_ids.end()) return m_members[std::size_t(it->second) - 1];
    m_members.push_back(Member{name, {}, {}, {}});
    m_ids[key] = DISPID(m_members.size());
    return m_members.back();
}

void AutomationObject::method(const std::string& name, Getter call) {
    member(name).call = std::move(call);
}

void AutomationObject::property(const std::string& name, Getter get, Putter put) {
    Member& m = member(name);
    m.get = std::move(get);
    m.put = std::move(put);
}
