// The page "Bio"'s door to the USB reader window.
#include "ui/main/pages/PaginaBio.h"

#include "bio/frmLeitorUSB.h"

void PaginaBio::btnLeitorUsbClick() {
    // One reader window at a time: the drivers and the captured user are single, program-wide items.
    if (frmLeitor) {
        frmLeitor->showNormal();
        frmLeitor->raise();
        frmLeitor->activateWindow();
        return;
    }
    // Not modal: the main window stays usable. It frees itself when closed; each enrolled user comes back
    // here, to both grids.
    auto* janela = new TfrmLeitor(ctx.janela(), [this] { AdicionarUsuarioBio(); });
    janela->show();
}
