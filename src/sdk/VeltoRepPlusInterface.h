// VeltoRepPlusInterface: the default interface of the device SDK's automation class.
// A dual interface: IUnknown (slots 0-2), IDispatch (slots 3-6), then the SDK's 129 methods (slots 7-135).
// Plain standard C++, so that an SDK server can be built against it outside this project.
#pragma once

#include "platform/com/Unknown.h"
#include "sdk/VeltoRepCatalogue.h"

// {6E1B7C20-3A94-4D5F-B1C8-2F7A9D04E351}
constexpr CLSID CLSID_VeltoRepPlus = {0x6E1B7C20, 0x3A94, 0x4D5F, {0xB1, 0xC8, 0x2F, 0x7A, 0x9D, 0x04, 0xE3, 0x51}};
// {9C4F2E8A-71D3-4B06-A5E9-C83D1F6B20A7}
constexpr IID IID_VeltoRepPlusInterface = {
    0x9C4F2E8A, 0x71D3, 0x4B06, {0xA5, 0xE9, 0xC8, 0x3D, 0x1F, 0x6B, 0x20, 0xA7}};
constexpr const char* ProgID_VeltoRepPlus = "SDKVeltoRep.VeltoRepPlus";

#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define VR_DECLARE_INT(slot, name, params, args)                                                                   \
    virtual HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) = 0;
#define VR_DECLARE_STR(slot, name) virtual HRESULT STDMETHODCALLTYPE name(BSTR* result) = 0;
#define VR_DECLARE_PROC(slot, name) virtual HRESULT STDMETHODCALLTYPE name() = 0;

struct VeltoRepPlusInterface : IDispatch {
    VELTOREP_CATALOGUE(VR_DECLARE_INT, VR_DECLARE_STR, VR_DECLARE_PROC)

protected:
    ~VeltoRepPlusInterface() = default;
};

#undef VR_DECLARE_INT
#undef VR_DECLARE_STR
#undef VR_DECLARE_PROC
#undef VR_WS
#undef VR_INT
#undef VR_WB
