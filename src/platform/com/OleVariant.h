// Late binding for the console's drivers: OleVariant owns one automation value, Dispatch calls an
// automation object's members by name. A failing call raises the Ole exceptions: the object's own error
// (DISP_E_EXCEPTION with its EXCEPINFO) as EOleException with the object's message, any other failure as
// EOleSysError with the system's text.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/com/OleAuto.h"
#include "platform/com/WideString.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class Dispatch;

class OleVariant {
public:
    OleVariant() { VariantInit(&m_v); }
    OleVariant(std::int32_t value);
    OleVariant(const char16_t* text);
    OleVariant(std::u16string_view text);
    OleVariant(const WideString& text);
    OleVariant(IDispatch* object); // one more reference
    OleVariant(const Dispatch& object);
    // A byte array (VT_ARRAY | VT_UI1), indexed from 0.
    static OleVariant fromBytes(const std::uint8_t* data, std::size_t size);
    static OleVariant fromBytes(const std::vector<std::uint8_t>& bytes) {
        return fromBytes(bytes.data(), bytes.size());
    }
    // By-reference integers: the callee reads and may write the caller's variable.
    static OleVariant ref(std::int32_t& value);
    static OleVariant ref(std::uint32_t& value);
    // Takes ownership of a value the callee filled.
    static OleVariant attach(VARIANT& value);

    OleVariant(const OleVariant& other);
    OleVariant(OleVariant&& other) noexcept;
    OleVariant& operator=(OleVariant other) noexcept;
    ~OleVariant() { VariantClear(&m_v); }

    VARTYPE type() const { return m_v.vt; }
    bool isEmpty() const { return m_v.vt == VT_EMPTY; }
    const VARIANT& raw() const { return m_v; }
    VARIANT* data() { return &m_v; }

    // Conversions as late binding makes them; a value of another kind raises EOleSysError "Type mismatch".
    std::int32_t toInt() const;
    WideString toWideString() const;
    Dispatch toDispatch() const;
    std::vector<std::uint8_t> toBytes() const;

private:
    VARIANT m_v;
};

class Dispatch {
public:
    Dispatch() = default;
    explicit Dispatch(ComPtr<IDispatch> object) : m_object(std::move(object)) {}
    // Creates an object by its ProgID: EOleSysError ("Invalid class string", "Class not registered", ...)
    // when it cannot be created.
    static Dispatch CreateOleObject(std::u16string_view progId);

    explicit operator bool() const { return bool(m_object); }
    IDispatch* get() const { return m_object.get(); }
    void reset() { m_object.reset(); }

    // A method, with its arguments in their natural order; the result is empty for a procedure.
    OleVariant call(std::string_view name, std::initializer_list<OleVariant> args = {}) const;
    // A property read, indexed when arguments are given.
    OleVariant get(std::string_view name, std::initializer_list<OleVariant> index = {}) const;
    void put(std::string_view name, const OleVariant& value) const;

private:
    DISPID idOf(std::string_view name) const;
    OleVariant invoke(std::string_view name, std::uint16_t flags, std::vector<OleVariant> args,
                      bool put) const;
    ComPtr<IDispatch> m_object;
};
