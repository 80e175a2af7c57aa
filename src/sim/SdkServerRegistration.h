// Chooses who serves the device SDK class: the built-in simulator by default, or a real SDK library named
// by VELTOREP_SDK_LIBRARY (an in-process server exporting DllGetClassObject).
#pragma once

#include <string>

namespace SdkServerRegistration {
// Registers the SDK class once per process; returns false when the named library could not be used
// (the class then stays unregistered and every client reports "Class not registered").
bool registerFromEnvironment(std::string* error = nullptr);
void registerSimulator();
} // namespace SdkServerRegistration
