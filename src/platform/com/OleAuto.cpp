#include "platform/com/OleAuto.h"

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

namespace {
// The element type is kept just before the array descriptor, as the real runtime does.
struct ArrayBlock {
    VARTYPE vt;
    std::uint16_t padding[3];
    SAFEARRAY array;
};

ArrayBlock* blockOf(SAFEARRAY* a) {
    return reinterpret_cast<ArrayBlock*>(reinterpret_cast<char*>(a) - offsetof(ArrayBlock, array));
}

std::uint32_t elementSize(VARTYPE vt) {
    switch (vt) {
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
        return 4;
    case VT_BSTR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
        return sizeof(void*);
    case VT_VARIANT:
        return sizeof(VARIANT);
    default:
        return 0;
    }
}

std::uint16_t featuresOf(VARTYPE vt) {
    switch (vt) {
    case VT_BSTR:
        return FADF_BSTR;
    case VT_UNKNOWN:
        return FADF_UNKNOWN;
    case VT_DISPATCH:
        return FADF_DISPATCH;
    case VT_VARIANT:
        return FADF_VARIANT;
    default:
        return 0;
    }
}

// Frees what the elements own and leaves them zeroed.
void clearElements(SAFEARRAY* a) {
    const std::uint32_t n = a->rgsabound[0].cElements;
    if (a->fFeatures & FADF_BSTR) {
        auto* p = static_cast<BSTR*>(a->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            SysFreeString(std::exchange(p[i], nullptr));
    } else if (a->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
        auto* p = static_cast<IUnknown**>(a->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            if (p[i]) std::exchange(p[i], nullptr)->Release();
    } else if (a->fFeatures & FADF_VARIANT) {
        auto* p = static_cast<VARIANT*>(a->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            VariantClear(&p[i]);
    }
}
} // namespace

extern "C" void VariantInit(VARIANT* v) {
    if (!v) return;
    std::memset(v, 0, sizeof *v);
    v->vt = VT_EMPTY;
}

extern "C" HRESULT VariantClear(VARIANT* v) {
    if (!v) return E_INVALIDARG;
    if (!(v->vt & VT_BYREF)) {
        if (v->vt & VT_ARRAY) {
            if (v->parray) {
                const HRESULT hr = SafeArrayDestroy(v->parray);
                if (FAILED(hr)) return hr;
            }
        } else {
            switch (v->vt) {
            case VT_BSTR:
                SysFreeString(v->bstrVal);
                break;
            case VT_UNKNOWN:
            case VT_DISPATCH:
                if (v->punkVal) v->punkVal->Release();
                break;
            default:
                break;
            }
        }
    }
    VariantInit(v);
    return S_OK;
}

extern "C" HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
    if (!dest || !src) return E_INVALIDARG;
    if (dest == src) return S_OK;
    VARIANT copy;
    std::memcpy(&copy, src, sizeof copy);
    if (!(src->vt & VT_BYREF)) {
        if (src->vt & VT_ARRAY) {
            copy.parray = nullptr;
            if (src->parray) {
                const HRESULT hr = SafeArrayCopy(src->parray, &copy.parray);
                if (FAILED(hr)) return hr;
            }
        } else if (src->vt == VT_BSTR) {
            copy.bstrVal =
                src->bstrVal ? SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal)) : nullptr;
            if (src->bstrVal && !copy.bstrVal) return E_OUTOFMEMORY;
        } else if ((src->vt == VT_UNKNOWN || src->vt == VT_DISPATCH) && src->punkVal) {
            src->punkVal->AddRef();
        }
    }
    VariantClear(dest);
    std::memcpy(dest, &copy, sizeof copy);
    return S_OK;
}

extern "C" SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, std::int32_t lowerBound, std::uint32_t elements) {
    const std::uint32_t size = elementSize(vt);
    if (size == 0) return nullptr;
    auto* block = static_cast<ArrayBlock*>(std::calloc(1, sizeof(ArrayBlock)));
    if (!block) return nullptr;
    void* data = std::calloc(elements ? elements : 1, size);
    if (!data) {
        std::free(block);
        return nullptr;
    }
    block->vt = vt;
    SAFEARRAY* a = &block->array;
    a->cDims = 1;
    a->fFeatures = featuresOf(vt);
    a->cbElements = size;
    a->pvData = data;
    a->rgsabound[0] = {elements, lowerBound};
    return a;
}

extern "C" HRESULT SafeArrayDestroy(SAFEARRAY* a) {
    if (!a) return S_OK;
    if (a->cLocks) return DISP_E_ARRAYISLOCKED;
    clearElements(a);
    std::free(a->pvData);
    std::free(blockOf(a));
    return S_OK;
}

extern "C" HRESULT SafeArrayCopy(SAFEARRAY* a, SAFEARRAY** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    if (!a) return S_OK;
    SAFEARRAY* c = SafeArrayCreateVector(blockOf(a)->vt, a->rgsabound[0].lLbound, a->rgsabound[0].cElements);
    if (!c) return E_OUTOFMEMORY;
    const std::uint32_t n = a->rgsabound[0].cElements;
    if (a->fFeatures & FADF_BSTR) {
        auto* from = static_cast<BSTR*>(a->pvData);
        auto* to = static_cast<BSTR*>(c->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            to[i] = from[i] ? SysAllocStringLen(from[i], SysStringLen(from[i])) : nullptr;
    } else if (a->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
        auto* from = static_cast<IUnknown**>(a->pvData);
        auto* to = static_cast<IUnknown**>(c->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            if ((to[i] = from[i])) to[i]->AddRef();
    } else if (a->fFeatures & FADF_VARIANT) {
        auto* from = static_cast<VARIANT*>(a->pvData);
        auto* to = static_cast<VARIANT*>(c->pvData);
        for (std::uint32_t i = 0; i < n; ++i)
            VariantCopy(&to[i], &from[i]);
    } else if (n) {
        std::memcpy(c->pvData, a->pvData, std::size_t(n) * a->cbElements);
    }
    *copy = c;
    return S_OK;
}

extern "C" HRESULT SafeArrayAccessData(SAFEARRAY* a, void** data) {
    if (!a || !data) return E_INVALIDARG;
    ++a->cLocks;
    *data = a->pvData;
    return S_OK;
}

extern "C" HRESULT SafeArrayUnaccessData(SAFEARRAY* a) {
    if (!a) return E_INVALIDARG;
    if (a->cLocks == 0) return E_UNEXPECTED;
    --a->cLocks;
    return S_OK;
}

extern "C" HRESULT SafeArrayGetLBound(SAFEARRAY* a, std::uint32_t dim, std::int32_t* bound) {
    if (!a || !bound) return E_INVALIDARG;
    if (dim != 1) return DISP_E_BADINDEX;
    *bound = a->rgsabound[0].lLbound;
    return S_OK;
}

extern "C" HRESULT SafeArrayGetUBound(SAFEARRAY* a, std::uint32_t dim, std::int32_t* bound) {
    if (!a || !bound) return E_INVALIDARG;
    if (dim != 1) return DISP_E_BADINDEX;
    *bound = a->rgsabound[0].lLbound + std::int32_t(a->rgsabound[0].cElements) - 1;
    return S_OK;
}

extern "C" std::uint32_t SafeArrayGetDim(SAFEARRAY* a) {
    return a ? a->cDims : 0;
}

extern "C" std::uint32_t SafeArrayGetElemsize(SAFEARRAY* a) {
    return a ? a->cbElements : 0;
}

extern "C" HRESULT SafeArrayGetVartype(SAFEARRAY* a, VARTYPE* vt) {
    if (!a || !vt) return E_INVALIDARG;
    *vt = blockOf(a)->vt;
    return S_OK;
}
