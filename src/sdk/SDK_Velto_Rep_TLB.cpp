#include "sdk/SDK_Velto_Rep_TLB.h"

#include "platform/com/ComRuntime.h"
#include "platform/com/OleExceptions.h"

ComPtr<IUnknown> TOleServer::GetServer() {
    ComPtr<IUnknown> server;
    // ckRunningOrNew: an active object first, then a new one.
    if (GetActiveObject(FServerData.ClassID, nullptr, server.put()) == S_OK && server) return server;
    const HRESULT hr =
        CoCreateInstance(FServerData.ClassID, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                         server.putVoid());
    if (FAILED(hr)) OleErrorCreatingServer(hr, FServerData.ClassID);
    return server;
}

TVeltoRepPlusSDK::TVeltoRepPlusSDK(TComponent* AOwner) : TOleServer(AOwner) {
    FServerData.ClassID = CLSID_VeltoRepPlus;
    FServerData.IntfIID = IID_VeltoRepPlusInterface;
    FServerData.EventIID = GUID_NULL;
}

TVeltoRepPlusSDK::~TVeltoRepPlusSDK() { Disconnect(); }

void TVeltoRepPlusSDK::Connect() {
    if (FIntf) return;
    ComPtr<IUnknown> punk = GetServer();
    ComPtr<VeltoRepPlusInterface> intf;
    if (!punk || FAILED(punk->QueryInterface(FServerData.IntfIID, intf.putVoid()))) throw EIntfCastError();
    FIntf = std::move(intf);
}

void TVeltoRepPlusSDK::ConnectTo(VeltoRepPlusInterface* svrIntf) {
    Disconnect();
    FIntf = ComPtr<VeltoRepPlusInterface>(svrIntf);
}

void TVeltoRepPlusSDK::Disconnect() { FIntf.reset(); }

VeltoRepPlusInterface* TVeltoRepPlusSDK::DefaultInterface() {
    if (!FIntf) Connect();
    if (!FIntf)
        throw EAssertionFailed("DefaultInterface is NULL. Component is not connected to Server. You must call "
                               "\"Connect\" or \"ConnectTo\" before this operation",
                               "SDK_Velto_Rep_TLB", __LINE__);
    return FIntf.get();
}

namespace {
// A string result the server allocated is ours; free it when the call failed.
WideString takeResult(HRESULT hr, BSTR result) {
    WideString owned = WideString::attach(result);
    OleCheck(hr);
    return owned;
}
} // namespace

#define VR_WS const WideString&
#define VR_INT int
#define VR_WB WordBool
#define VR_CLIENT_INT(slot, name, params, args)                                                                    \
    int TVeltoRepPlusSDK::name(VR_UNPAREN(params)) {                                                               \
        VeltoRepPlusInterface* intf = DefaultInterface();                                                          \
        std::int32_t result = 0;                                                                                   \
        OleCheck(intf->name(VR_JOIN(args, &result)));                                                              \
        return result;                                                                                             \
    }
#define VR_CLIENT_STR(slot, name)                                                                                  \
    WideString TVeltoRepPlusSDK::name() {                                                                          \
        VeltoRepPlusInterface* intf = DefaultInterface();                                                          \
        BSTR result = nullptr;                                                                                     \
        const HRESULT hr = intf->name(&result);                                                                    \
        return takeResult(hr, result);                                                                             \
    }
#define VR_CLIENT_PROC(slot, name)                                                                                 \
    void TVeltoRepPlusSDK::name() { OleCheck(DefaultInterface()->name()); }

VELTOREP_CATALOGUE(VR_CLIENT_INT, VR_CLIENT_STR, VR_CLIENT_PROC)
