// Automation values: VARIANT lifetime and copying, and SAFEARRAY vectors, as late-bound calls use them.
// Plain standard C++, with the usual semantics: VariantClear frees what the value owns (a BSTR, an
// interface reference, an array) and leaves VT_EMPTY; by-reference values own nothing.
#pragma once

#include "platform/com/Unknown.h"

// SAFEARRAY features: what the elements own, so that destroying the array frees it.
constexpr std::uint16_t FADF_BSTR = 0x0100;
constexpr std::uint16_t FADF_UNKNOWN = 0x0200;
constexpr std::uint16_t FADF_DISPATCH = 0x0400;
constexpr std::uint16_t FADF_VARIANT = 0x0800;

constexpr HRESULT DISP_E_ARRAYISLOCKED = MakeHResult(0x8002000Du);
constexpr HRESULT DISP_E_BADINDEX = MakeHResult(0x8002000Bu);
constexpr HRESULT DISP_E_BADVARTYPE = MakeHResult(0x80020008u);

extern "C" {
void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);
// Deep copy: a new BSTR, one more interface reference, a new array; by-reference values copy the pointer.
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);

// One-dimensional arrays of VT_UI1, VT_I2, VT_I4, VT_UI4, VT_INT, VT_BOOL, VT_BSTR, VT_UNKNOWN,
// VT_DISPATCH or VT_VARIANT elements, zero-filled.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, std::int32_t lowerBound, std::uint32_t elements);
HRESULT SafeArrayDestroy(SAFEARRAY* array);
HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
HRESULT SafeArrayGetLBound(SAFEARRAY* array, std::uint32_t dim, std::int32_t* bound);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, std::uint32_t dim, std::int32_t* bound);
std::uint32_t SafeArrayGetDim(SAFEARRAY* array);
std::uint32_t SafeArrayGetElemsize(SAFEARRAY* array);
HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
}
