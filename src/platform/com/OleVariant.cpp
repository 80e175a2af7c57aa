#include "platform/com/OleVariant.h"

#include "platform/com/ComRuntime.h"
#include "platform/com/OleExceptions.h"

#include <limits>

namespace {
[[noreturn]] void typeMismatch() {
    throw EOleSysError(SysErrorMessage(DISP_E_TYPEMISMATCH), DISP_E_TYPEMISMATCH);
}

[[noreturn]] void sysError(HRESULT hr) {
    std::string text = SysErrorMessage(hr);
    if (text.empty()) text = OleErrorFallbackText(hr);
    throw EOleSysError(text, hr);
}

// The value a by-reference variant points at, as a by-value view (owning nothing).
VARIANT deref(const VARIANT& v) {
    if (!(v.vt & VT_BYREF)) return v;
    if (v.vt == (VT_BYREF | VT_VARIANT)) return v.pvarVal ? deref(*v.pvarVal) : VARIANT{};
    VARIANT out;
    VariantInit(&out);
    if (!v.byref) return out;
    out.vt = VARTYPE(v.vt & ~VT_BYREF);
    if (v.vt & VT_ARRAY) {
        out.parray = *static_cast<SAFEARRAY**>(v.byref);
        return out;
    }
    switch (out.vt) {
    case VT_I4:
    case VT_INT:
        out.lVal = *v.plVal;
        break;
    case VT_UI4:
        out.ulVal = *v.pulVal;
        break;
    case VT_I2:
        out.iVal = *static_cast<std::int16_t*>(v.byref);
        break;
    case VT_BOOL:
        out.boolVal = *static_cast<VARIANT_BOOL*>(v.byref);
        break;
    case VT_UI1:
        out.bVal = *static_cast<std::uint8_t*>(v.byref);
        break;
    case VT_BSTR:
        out.bstrVal = *static_cast<BSTR*>(v.byref);
        break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
        out.punkVal = *static_cast<IUnknown**>(v.byref);
        break;
    default:
        out.vt = VT_ERROR;
        break;
    }
    return out;
}

std::int32_t parseInt(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    if (i == text.size()) typeMismatch();
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') typeMismatch();
        value = value * 10 + (text[i] - u'0');
        if (value > (long long)std::numeric_limits<std::int32_t>::max() + 1) typeMismatch();
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) typeMismatch();
    return std::int32_t(value);
}
} // namespace

OleVariant::OleVariant(std::int32_t value) {
    VariantInit(&m_v);
    m_v.vt = VT_I4;
    m_v.lVal = value;
}

OleVariant::OleVariant(const char16_t* text) : OleVariant(std::u16string_view(text ? text : u"")) {}

OleVariant::OleVariant(std::u16string_view text) {
    VariantInit(&m_v);
    m_v.vt = VT_BSTR;
    m_v.bstrVal = WideString(text).detach();
}

OleVariant::OleVariant(const WideString& text) : OleVariant(text.view()) {}

OleVariant::OleVariant(IDispatch* object) {
    VariantInit(&m_v);
    m_v.vt = VT_DISPATCH;
    m_v.pdispVal = object;
    if (object) object->AddRef();
}

OleVariant::OleVariant(const Dispatch& object) : OleVariant(object.get()) {}

OleVariant OleVariant::fromBytes(const std::uint8_t* data, std::size_t size) {
    OleVariant v;
    SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 0, std::uint32_t(size));
    if (!a) sysError(E_OUTOFMEMORY);
    if (size) std::memcpy(a->pvData, data, size);
    v.m_v.vt = VT_ARRAY | VT_UI1;
    v.m_v.parray = a;
    return v;
}

OleVariant OleVariant::ref(std::int32_t& value) {
    OleVariant v;
    v.m_v.vt = VT_BYREF | VT_I4;
    v.m_v.plVal = &value;
    return v;
}

OleVariant OleVariant::ref(std::uint32_t& value) {
    OleVariant v;
    v.m_v.vt = VT_BYREF | VT_UI4;
    v.m_v.pulVal = &value;
    return v;
}

OleVariant OleVariant::attach(VARIANT& value) {
    OleVariant v;
    std::memcpy(&v.m_v, &value, sizeof value);
    VariantInit(&value);
    return v;
}

OleVariant::OleVariant(const OleVariant& other) {
    VariantInit(&m_v);
    const HRESULT hr = VariantCopy(&m_v, &other.m_v);
    if (FAILED(hr)) sysError(hr);
}

OleVariant::OleVariant(OleVariant&& other) noexcept {
    std::memcpy(&m_v, &other.m_v, sizeof m_v);
    VariantInit(&other.m_v);
}

OleVariant& OleVariant::operator=(OleVariant other) noexcept {
    VARIANT t;
    std::memcpy(&t, &m_v, sizeof t);
    std::memcpy(&m_v, &other.m_v, sizeof t);
    std::memcpy(&other.m_v, &t, sizeof t);
    return *this;
}

std::int32_t OleVariant::toInt() const {
    const VARIANT v = deref(m_v);
    switch (v.vt) {
    case VT_EMPTY:
        return 0;
    case VT_I4:
    case VT_INT:
        return v.lVal;
    case VT_UI4:
        if (v.ulVal > std::uint32_t(std::numeric_limits<std::int32_t>::max())) typeMismatch();
        return std::int32_t(v.ulVal);
    case VT_I2:
        return v.iVal;
    case VT_UI1:
        return v.bVal;
    case VT_BOOL:
        return v.boolVal ? -1 : 0;
    case VT_BSTR:
        return parseInt(v.bstrVal ? std::u16string_view(v.bstrVal, SysStringLen(v.bstrVal)) : u"");
    default:
        typeMismatch();
    }
}

WideString OleVariant::toWideString() const {
    const VARIANT v = deref(m_v);
    switch (v.vt) {
    case VT_EMPTY:
        return {};
    case VT_BSTR:
        return WideString(v.bstrVal ? std::u16string_view(v.bstrVal, SysStringLen(v.bstrVal)) : u"");
    case VT_I4:
    case VT_INT:
    case VT_I2:
    case VT_UI1:
    case VT_BOOL:
        return WideString::fromUtf8(std::to_string(toInt()));
    case VT_UI4:
        return WideString::fromUtf8(std::to_string(v.ulVal));
    default:
        typeMismatch();
    }
}

Dispatch OleVariant::toDispatch() const {
    const VARIANT v = deref(m_v);
    if (v.vt == VT_DISPATCH) return Dispatch(ComPtr<IDispatch>(v.pdispVal));
    if (v.vt == VT_UNKNOWN) {
        if (!v.punkVal) return Dispatch();
        ComPtr<IDispatch> d;
        const HRESULT hr = v.punkVal->QueryInterface(IID_IDispatch, d.putVoid());
        if (FAILED(hr)) typeMismatch();
        return Dispatch(std::move(d));
    }
    if (v.vt == VT_EMPTY) return Dispatch();
    typeMismatch();
}

std::vector<std::uint8_t> OleVariant::toBytes() const {
    const VARIANT v = deref(m_v);
    if (v.vt == VT_EMPTY) return {};
    if (v.vt != (VT_ARRAY | VT_UI1)) typeMismatch();
    if (!v.parray) return {};
    if (SafeArrayGetDim(v.parray) != 1) typeMismatch();
    const auto* p = static_cast<const std::uint8_t*>(v.parray->pvData);
    return std::vector<std::uint8_t>(p, p + v.parray->rgsabound[0].cElements);
}

// --- Dispatch ---------------------------------------------------------------------------------

Dispatch Dispatch::CreateOleObject(std::u16string_view progId) {
    const std::u16string id(progId);
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(id.c_str(), &clsid);
    if (FAILED(hr)) sysError(hr);
    ComPtr<IDispatch> object;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                          object.putVoid());
    if (FAILED(hr)) sysError(hr);
    if (!object) sysError(E_NOINTERFACE);
    return Dispatch(std::move(object));
}

DISPID Dispatch::idOf(std::string_view name) const {
    if (!m_object) throw EOleError("Invalid variant operation");
    std::u16string wide = Utf8ToUtf16(name);
    OLECHAR* names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(m_object->GetIDsOfNames(GUID_NULL, names, 1, 0, &id)))
        throw EOleError("Method '" + std::string(name) + "' not supported by automation object");
    return id;
}

OleVariant Dispatch::invoke(std::string_view name, std::uint16_t flags, std::vector<OleVariant> args,
                            bool put) const {
    const DISPID id = idOf(name);
    // Automation passes the arguments last first.
    std::vector<VARIANT> reversed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i)
        std::memcpy(&reversed[args.size() - 1 - i], args[i].data(), sizeof(VARIANT));
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), put ? &putId : nullptr, std::uint32_t(reversed.size()), put ? 1u : 0u};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    std::uint32_t argErr = 0;
    const HRESULT hr =
        m_object->Invoke(id, GUID_NULL, 0, flags, &params, put ? nullptr : &result, &info, &argErr);
    if (FAILED(hr)) {
        VariantClear(&result);
        if (hr != DISP_E_EXCEPTION) sysError(hr);
        if (info.pfnDeferredFillIn) reinterpret_cast<HRESULT (*)(EXCEPINFO*)>(info.pfnDeferredFillIn)(&info);
        const HRESULT code = info.scode ? info.scode : (info.wCode ? HRESULT(info.wCode) : hr);
        std::string description = WideString::attach(info.bstrDescription).toUtf8();
        std::string source = WideString::attach(info.bstrSource).toUtf8();
        std::string helpFile = WideString::attach(info.bstrHelpFile).toUtf8();
        // Trailing blanks, line breaks and full stops of an object's message are dropped.
        while (!description.empty() &&
               (static_cast<unsigned char>(description.back()) <= 32 || description.back() == '.'))
            description.pop_back();
        if (description.empty()) description = SysErrorMessage(code);
        if (description.empty()) description = OleErrorFallbackText(code);
        throw EOleException(description, code, source, helpFile, int(info.dwHelpContext));
    }
    return OleVariant::attach(result);
}

OleVariant Dispatch::call(std::string_view name, std::initializer_list<OleVariant> args) const {
    return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::vector<OleVariant>(args), false);
}

OleVariant Dispatch::get(std::string_view name, std::initializer_list<OleVariant> index) const {
    return invoke(name, DISPATCH_PROPERTYGET, std::vector<OleVariant>(index), false);
}

void Dispatch::put(std::string_view name, const OleVariant& value) const {
    invoke(name, DISPATCH_PROPERTYPUT, std::vector<OleVariant>{value}, true);
}
