// Base for objects that serve VeltoRepPlusInterface: reference counting, QueryInterface, and IDispatch
// members that offer no type information (the console binds early, through the method table).
// Plain standard C++, usable by an SDK server library of its own.
#pragma once

#include "platform/com/ComPtr.h"
#include "sdk/VeltoRepPlusInterface.h"

class VeltoRepServerBase : public ComObject<VeltoRepPlusInterface> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_VeltoRepPlusInterface) {
            *ppv = static_cast<VeltoRepPlusInterface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(std::uint32_t* pctinfo) override {
        if (pctinfo) *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(std::uint32_t, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, OLECHAR**, std::uint32_t, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, std::uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     std::uint32_t*) override {
        return E_NOTIMPL;
    }
};

// A class factory that makes objects of one server class, for DllGetClassObject.
template <class Server>
class VeltoRepClassFactory final : public ComObject<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* server = new Server();
        const HRESULT hr = server->QueryInterface(riid, ppv);
        server->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(int) override { return S_OK; }
};
