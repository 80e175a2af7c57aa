#include "ops/SdkRep.h"

#include "sdk/SDK_Velto_Rep_TLB.h"

namespace {
TVeltoRepPlusSDK* g_primeiro = nullptr; // the root of the chain of owners
TVeltoRepPlusSDK* g_atual = nullptr;
int g_quantidade = 0;
} // namespace

TVeltoRepPlusSDK* SDKRep() { return g_atual; }

TVeltoRepPlusSDK* NovoClienteSDKRep() {
    auto* novo = new TVeltoRepPlusSDK(g_atual);
    if (!g_primeiro) g_primeiro = novo;
    g_atual = novo;
    ++g_quantidade;
    return novo;
}

void LiberarClientesSDK() {
    delete g_primeiro; // frees every client it owns, and the ones those own
    g_primeiro = g_atual = nullptr;
    g_quantidade = 0;
}

int QuantidadeClientesSDK() { return g_quantidade; }
