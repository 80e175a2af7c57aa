// TVeltoRepPlusSDK: the console's client of the device SDK automation server.
// Each of the 129 operations forwards to the held VeltoRepPlusInterface, connecting first when needed,
// and raises when the server answers with a failure HRESULT.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/WideString.h"
#include "sdk/Component.h"
#include "sdk/VeltoRepPlusInterface.h"

enum TConnectKind { ckRunningOrNew, ckNewInstance, ckRunningInstance, ckRemote, ckAttachToInterface };

struct TServerData {
    CLSID ClassID;
    IID IntfIID;
    IID EventIID;
};

// The automation-server component the client derives from.
class TOleServer : public TComponent {
public:
    explicit TOleServer(TComponent* AOwner) : TComponent(AOwner) {}
    TConnectKind ConnectKind = ckRunningOrNew;
    bool AutoConnect = false;
    std::string RemoteMachineName;

protected:
    // Obtains the server object by the connect kind, as IUnknown.
    ComPtr<IUnknown> GetServer();
    TServerData FServerData{};
};

class TVeltoRepPlusSDK : public TOleServer {
public:
    explicit TVeltoRepPlusSDK(TComponent* AOwner);
    ~TVeltoRepPlusSDK() override;

    void Connect();
    void ConnectTo(VeltoRepPlusInterface* svrIntf);
    void Disconnect();
    VeltoRepPlusInterface* DefaultInterface();
    bool Connected() const { return static_cast<bool>(FIntf); }

#define VR_WS const WideString&
#define VR_INT int
#define VR_WB WordBool
#define VR_CLIENT_INT(slot, name, params, args) int name(VR_UNPAREN(params));
#define VR_CLIENT_STR(slot, name) WideString name();
#define VR_CLIENT_PROC(slot, name) void name();
    VELTOREP_CATALOGUE(VR_CLIENT_INT, VR_CLIENT_STR, VR_CLIENT_PROC)
#undef VR_CLIENT_INT
#undef VR_CLIENT_STR
#undef VR_CLIENT_PROC
#undef VR_WS
#undef VR_INT
#undef VR_WB

private:
    ComPtr<VeltoRepPlusInterface> FIntf;
};
