#include "platform/com/ComTypes.h"

#include <cstdlib>
#include <new>

namespace {
// The allocation is [uint32 byte length][characters][null]; a BSTR points at the first character.
constexpr std::size_t kPrefix = sizeof(std::uint32_t);

std::uint32_t* prefixOf(BSTR text) { return reinterpret_cast<std::uint32_t*>(reinterpret_cast<char*>(text) - kPrefix); }
} // namespace

extern "C" BSTR SysAllocStringLen(const OLECHAR* text, std::uint32_t length) {
    const std::size_t bytes = std::size_t(length) * sizeof(OLECHAR);
    char* block = static_cast<char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
    if (!block) return nullptr;
    const std::uint32_t prefix = static_cast<std::uint32_t>(bytes);
    std::memcpy(block, &prefix, kPrefix);
    BSTR result = reinterpret_cast<BSTR>(block + kPrefix);
    if (text)
        std::memcpy(result, text, bytes);
    else
        std::memset(result, 0, bytes);
    result[length] = u'\0';
    return result;
}

extern "C" BSTR SysAllocString(const OLECHAR* text) {
    if (!text) return nullptr;
    std::uint32_t length = 0;
    while (text[length]) ++length;
    return SysAllocStringLen(text, length);
}

extern "C" void SysFreeString(BSTR text) {
    if (text) std::free(prefixOf(text));
}

extern "C" std::uint32_t SysStringByteLen(BSTR text) { return text ? *prefixOf(text) : 0; }

extern "C" std::uint32_t SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }
