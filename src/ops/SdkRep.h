// SDKRep: the console's one current device SDK client. Every worker run makes a new client current; the
// previous one becomes its owner, so the clients form one chain that lives until the process ends.
#pragma once

class TVeltoRepPlusSDK;

// The current client (null before the first run).
TVeltoRepPlusSDK* SDKRep();
// Creates a client owned by the current one and makes it SDKRep. The run that asked for it keeps using it.
TVeltoRepPlusSDK* NovoClienteSDKRep();
// Destroys the whole chain (at program end; tests between cases).
void LiberarClientesSDK();
// Number of clients alive in the chain.
int QuantidadeClientesSDK();
