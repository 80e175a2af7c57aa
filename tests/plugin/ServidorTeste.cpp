// An in-process SDK server built only against the plain C++ interface headers: the integer methods
// and the texts answer with their slot number and method name, so a client can tell its calls reached the
// right slots of a separately built library.
// The generated methods ignore their parameters by design.
#pragma GCC diagnostic ignored "-Wunused-parameter"

#include "platform/com/WideString.h"
#include "sdk/VeltoRepServerBase.h"

namespace {
class ServidorTeste final : public VeltoRepServerBase {
public:
#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define T_INT(slot, name, params, args)                                                                            \
    HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) override {                               \
        *result = slot;                                                                                           \
        return S_OK;                                                                                               \
    }
#define T_STR(slot, name)                                                                                          \
    HRESULT STDMETHODCALLTYPE name(BSTR* result) override {                                                        \
        *result = WideString(u"" #name).detach();                                                               \
        return S_OK;                                                                                               \
    }
#define T_PROC(slot, name)                                                                                         \
    HRESULT STDMETHODCALLTYPE name() override { return S_OK; }
    VELTOREP_CATALOGUE(T_INT, T_STR, T_PROC)
};
} // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_VeltoRepPlus) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new VeltoRepClassFactory<ServidorTeste>();
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}
