// The biometric list operations of the page "Bio": list the device's users, send the marked user of the
// grid, receive the templates of the users selected in the list box, delete them.
#pragma once

#include "ops/Operacao.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class StringGrid;

// The page's controls these operations read and write. Slot 1 means REP 1's list box and grid, any other
// number REP 2's.
struct ControlesBio {
    QLabel* lblListar = nullptr;      // shared by both devices and all four operations
    QLabel* lblNumUsuLista = nullptr;
    QListWidget* listboxUsuarios = nullptr;
    QListWidget* listboxUsuarios2 = nullptr;
    StringGrid* dsgTemplates = nullptr;
    StringGrid* dsgTemplates2 = nullptr;
    const QComboBox* cboBiometria = nullptr;      // index 0 "Nitgen", any other "LC"
    const QCheckBox* chkSomenteUmaDigital = nullptr;

    QListWidget* listbox(int slot) const { return slot == 1 ? listboxUsuarios : listboxUsuarios2; }
    StringGrid* grid(int slot) const { return slot == 1 ? dsgTemplates : dsgTemplates2; }
};

void ListarUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c);
void EnviarUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c);
void ReceberTemplatesBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c);
void ExcluirUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c);

// Stage the marked user of the slot's grid with the Nitgen (LC) inclusion call and send it; the SDK's
// result (inclusion's code when the inclusion failed).
int IncluirUsuarioBioNitgen(TVeltoRepPlusSDK& sdk, int slot, const ControlesBio& c);
int IncluirUsuarioBioLC(TVeltoRepPlusSDK& sdk, int slot, const ControlesBio& c);
