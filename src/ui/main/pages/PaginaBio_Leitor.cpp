// The page "Bio"'s door to the USB reader window.
#include "ui/main/pages/PaginaBio.h"

void PaginaBio::btnLeitorUsbClick() {}
