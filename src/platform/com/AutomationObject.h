// The server side of late binding: an IDispatch whose members are named handlers, for the automation
// objects this process plays itself (simulated vendor objects, test doubles). Names are matched without
// regard to case, as automation does.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/OleVariant.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Raised by a member: with a description it reaches the caller as DISP_E_EXCEPTION with an EXCEPINFO
// carrying the description and scode; without one, scode is the call's own result.
struct AutomationError {
    HRESULT scode;
    std::u16string description;
};

class AutomationObject : public ComObject<IDispatch> {
public:
    // The arguments in their natural order, by-reference ones as passed.
    using Args = std::vector<VARIANT*>;
    using Getter = std::function<OleVariant(const Args&)>;
    using Putter = std::function<void(const Args& index, const VARIANT& value)>;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(std::uint32_t* pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(std::uint32_t, LCID, ITypeInfo** ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, OLECHAR** names, std::uint32_t count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, std::uint16_t flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, std::uint32_t* argErr) override;

    // Argument helpers for members: a wrong kind or count raises DISP_E_TYPEMISMATCH / DISP_E_BADPARAMCOUNT.
    static std::int32_t argInt(const Args& args, std::size_t i);
    static std::vector<std::uint8_t> argBytes(const Args& args, std::size_t i);
    static OleVariant argValue(const Args& args, std::size_t i);
    // Writes through a by-reference integer argument (ignored for a by-value one).
    static void setRefInt(const Args& args, std::size_t i, std::int32_t value);
    static void requireArgs(const Args& args, std::size_t count);

protected:
    void method(const std::string& name, Getter call);
    void property(const std::string& name, Getter get, Putter put = {});
    // The source named in the EXCEPINFO of this object's errors.
    std::u16string m_source;

private:
    struct Member {
        std::string name;
        Getter call; // a method
        Getter get;  // a property read
        Putter put;  // a property write
    };
    Member& member(const std::string& name);
    std::vector<Member> m_members;
    std::map<std::string, DISPID> m_ids; // lower-case name -> id (index + 1)
};
