// An in-process SDK server that carries no BSTR or error-info code of its own: it imports SysAllocString,
// SysStringLen, SysFreeString and SetErrorInfo from the process that loads it, as docs/sdk-abi.md allows.
// It is linked against nothing of this project, only built against its interface headers.
//
// DefinirParametrosComunicacao keeps the CPF it is given; LerRelogio answers it back; SolicitarRelogio
// fails with an error description when that CPF is "falha". Every other method answers 0 or an empty text.
#pragma GCC diagnostic ignored "-Wunused-parameter"

#include "sdk/VeltoRepServerBase.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace {

std::u16string g_cpf;

// An error description of our own, handed to the host's SetErrorInfo.
class ErroImportador final : public ComObject<IErrorInfo> {
public:
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
    HRESULT STDMETHODCALLTYPE GetGUID(GUID* g) override {
        *g = GUID_NULL;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetSource(BSTR* b) override {
        *b = SysAllocString(u"ServidorImportador");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDescription(BSTR* b) override {
        *b = SysAllocString(u"falha relatada pelo SDK importador");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* b) override {
        *b = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* c) override {
        *c = 0;
        return S_OK;
    }
};

extern "C" HRESULT SetErrorInfo(DWORD reserved, IErrorInfo* perrinfo);

HRESULT inteiro(const char* nome, std::int32_t* result) {
    if (std::string_view(nome) == "SolicitarRelogio" && g_cpf == u"falha") {
        auto* erro = new ErroImportador();
        SetErrorInfo(0, erro);
        erro->Release();
        return E_FAIL;
    }
    *result = 0;
    return S_OK;
}

template <class Primeiro, class... Resto>
HRESULT inteiro(const char* nome, std::int32_t* result, Primeiro primeiro, Resto...) {
    if constexpr (std::is_same_v<Primeiro, BSTR>)
        if (std::string_view(nome) == "DefinirParametrosComunicacao")
            g_cpf = primeiro ? std::u16string(primeiro, SysStringLen(primeiro)) : std::u16string();
    return inteiro(nome, result);
}

class ServidorImportador final : public VeltoRepServerBase {
public:
#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define I_ARGS(...) __VA_OPT__(, ) __VA_ARGS__
#define I_INT(slot, name, params, args)                                                                            \
    HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) override {                               \
        return inteiro(#name, result I_ARGS args);                                                                 \
    }
#define I_STR(slot, name)                                                                                          \
    HRESULT STDMETHODCALLTYPE name(BSTR* result) override {                                                        \
        *result = std::string_view(#name) == "LerRelogio"                                                         \
                      ? SysAllocStringLen(g_cpf.data(), std::uint32_t(g_cpf.size()))                               \
                      : nullptr;                                                                                   \
        return S_OK;                                                                                               \
    }
#define I_PROC(slot, name)                                                                                         \
    HRESULT STDMETHODCALLTYPE name() override { return S_OK; }
    VELTOREP_CATALOGUE(I_INT, I_STR, I_PROC)
};

} // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_VeltoRepPlus) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new VeltoRepClassFactory<ServidorImportador>();
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}
