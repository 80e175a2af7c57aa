// WideString: owns one BSTR, as the SDK client's parameters and results do.
#pragma once

#include "platform/com/ComTypes.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

class WideString {
public:
    WideString() = default;
    WideString(const char16_t* text) : m_bstr(text && *text ? SysAllocString(text) : nullptr) {}
    WideString(std::u16string_view text) : m_bstr(fromView(text)) {}
    WideString(const std::u16string& text) : m_bstr(fromView(text)) {}
    // Any string type offering utf16() and size() (QString among them) converts without this header knowing it.
    template <class S, class = decltype(std::declval<const S&>().utf16()),
              class = std::enable_if_t<!std::is_same_v<std::decay_t<S>, WideString>>>
    WideString(const S& s)
        : m_bstr(fromView(std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size())))) {}

    WideString(const WideString& other) : m_bstr(fromView(other.view())) {}
    WideString(WideString&& other) noexcept : m_bstr(std::exchange(other.m_bstr, nullptr)) {}
    WideString& operator=(WideString other) noexcept {
        std::swap(m_bstr, other.m_bstr);
        return *this;
    }
    ~WideString() { SysFreeString(m_bstr); }

    // Takes ownership of a BSTR the server allocated.
    static WideString attach(BSTR owned) {
        WideString w;
        w.m_bstr = owned;
        return w;
    }
    static WideString fromUtf8(std::string_view utf8);

    BSTR detach() { return std::exchange(m_bstr, nullptr); }
    BSTR c_bstr() const { return m_bstr; }
    operator BSTR() const { return m_bstr; }

    std::size_t length() const { return SysStringLen(m_bstr); }
    bool isEmpty() const { return length() == 0; }
    std::u16string_view view() const { return m_bstr ? std::u16string_view(m_bstr, length()) : std::u16string_view(); }
    std::u16string toU16() const { return std::u16string(view()); }
    std::string toUtf8() const;

    friend bool operator==(const WideString& a, const WideString& b) { return a.view() == b.view(); }

private:
    static BSTR fromView(std::u16string_view v) {
        return v.empty() ? nullptr : SysAllocStringLen(v.data(), static_cast<std::uint32_t>(v.size()));
    }
    BSTR m_bstr = nullptr;
};

// UTF-8 <-> UTF-16 without any library beyond the standard one.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
