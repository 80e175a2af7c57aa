#include "sim/SdkServerRegistration.h"

#include "platform/com/ComRuntime.h"
#include "sim/SimServer.h"

#include <cstdlib>

void SdkServerRegistration::registerSimulator() {
    ComRegistry::registerClass(CLSID_VeltoRepPlus, ProgID_VeltoRepPlus, [](REFIID riid, void** ppv) -> HRESULT {
        auto* server = new SimServer();
        const HRESULT hr = server->QueryInterface(riid, ppv);
        server->Release();
        return hr;
    });
}

bool SdkServerRegistration::registerFromEnvironment(std::string* error) {
    const char* library = std::getenv("VELTOREP_SDK_LIBRARY");
    if (!library || !*library) {
        registerSimulator();
        return true;
    }
    ComRegistry::unregisterClass(CLSID_VeltoRepPlus);
    return ComRegistry::registerServerLibrary(CLSID_VeltoRepPlus, ProgID_VeltoRepPlus, library, error);
}
