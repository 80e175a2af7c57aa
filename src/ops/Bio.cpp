#include "ops/Bio.h"

#include "bio/GridTemplates.h"
#include "controls/StringGrid.h"
#include "controls/UiServices.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/ContagemSdk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <functional>
#include <optional>

namespace {

enum class Ordem { Invertida, DoDispositivo };

std::optional<QString> TextoResultadoEnvio(int c) {
    switch (c) {
    case 1: return QStringLiteral("Processado com Sucesso");
    case 2: return QStringLiteral("Falha no comando");
    case 4: return QStringLiteral("Usuário já cadastrado");
    case 5: return QStringLiteral("Usuário não cadastrado");
    case 6: return QStringLiteral("Base de digitais cheia");
    case 22: return QStringLiteral("Template biométrico inválido");
    default: return std::nullopt;
    }
}

std::optional<QString> TextoResultadoExclusao(int c) {
    switch (c) {
    case 1: return QStringLiteral("Processado com Sucesso");
    case 2: return QStringLiteral("Falha no comando");
    case 5: return QStringLiteral("Usuário não cadastrado");
    default: return std::nullopt;
    }
}

void Aguardar1ms() { UiServices::sleeper().sleepMs(1); }

void Bombear() {
    UiServices::pump().processEvents();
    Aguardar1ms();
}

// Fetches the device's list into the slot's list box; false (with "erro") when it cannot be fetched.
// "ok" is written unless a per-entry text of this run is to stay in the label.
bool LerListaNoListbox(TVeltoRepPlusSDK& sdk, const RepSlot& slot, const ControlesBio& c, Ordem ordem,
                       bool manterTextoPorEntrada = false) {
    if (sdk.SolicitarListaBioEmpregados() != 0) {
        c.lblListar->setText(QStringLiteral("erro"));
        return false;
    }
    if (!manterTextoPorEntrada) c.lblListar->setText(QStringLiteral("ok"));
    const int n = sdk.LerQtdeListaBio();
    c.lblNumUsuLista->setText(QString::number(n));
    // More users than any device holds: a failed answer, nothing read.
    if (ContagemExcessiva(n)) {
        c.lblListar->setText(TextoContagemExcessiva("LerQtdeListaBio", n));
        return false;
    }
    QListWidget* lista = c.listbox(slot.numero);
    for (int i = 0; i < n; ++i) {
        sdk.LerPosicaoListaBio(i);
        const QString pis = Texto(sdk.LerPis());
        if (ordem == Ordem::Invertida) lista->insertItem(0, pis);
        else lista->addItem(pis);
    }
    return true;
}

// Writes the text of each entry's result of the last send or exclusion; true when any had a text.
bool MostrarResultadosPorEntrada(TVeltoRepPlusSDK& sdk, const ControlesBio& c,
                                 std::optional<QString> (*texto)(int), bool bombear) {
    bool escrito = false;
    const int m = sdk.LerQtdeListaBio();
    if (ContagemExcessiva(m)) {
        c.lblListar->setText(TextoContagemExcessiva("LerQtdeListaBio", m));
        return true;
    }
    for (int i = 0; i < m; ++i) {
        sdk.LerPosicaoListaBio(i);
        if (const auto t = texto(sdk.LerResultadoBiometria())) {
            c.lblListar->setText(*t);
            escrito = true;
        }
        if (bombear) Bombear();
        else Aguardar1ms();
    }
    return escrito;
}

// Stages the PIS of the selected lines; the last staging result, or `anterior` when none was staged.
int IncluirPisSelecionados(TVeltoRepPlusSDK& sdk, QListWidget* lista, int anterior) {
    int r = anterior;
    for (int i = 0; i < lista->count(); ++i) {
        const QListWidgetItem* linha = lista->item(i);
        if (!linha || !linha->isSelected()) continue;
        r = sdk.IncluirPisEmpregadoListaBio(linha->text());
        Bombear();
    }
    return r;
}

// Calls the operation again while the SDK answers 4 (still waiting), letting the window breathe between calls.
int AguardarResposta(const std::function<int()>& operacao) {
    int r;
    do {
        r = operacao();
        Bombear();
    } while (r == 4);
    return r;
}

void EsvaziarListbox(TVeltoRepPlusSDK& sdk, const RepSlot& slot, const ControlesBio& c) {
    c.listbox(slot.numero)->clear();
    sdk.InicializarListaBio();
    sdk.InicializarListaBio();
}

// Steps 1 to 5 shared by receiving and deleting: the device's count, then the selected PIS staged.
// Returns the last SDK result, or nothing when the worker ends here.
std::optional<int> ListarEIncluirSelecionados(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c,
                                              TVeltoRepPlusSDK*& sdk) {
    // 1. Waiting text.
    MostrarAguarde(ctx, c.lblListar, QStringLiteral("aguarde..."));
    // 2. Preamble.
    sdk = PrepararConexaoRepSemAguarde(ctx, c.lblListar, slot);
    if (!sdk) return std::nullopt;
    // 3. The device's list.
    sdk->InicializarListaBio();
    const int r = sdk->SolicitarListaBioEmpregados();
    if (r != 0) {
        c.lblListar->setText(QStringLiteral("erro"));
        return std::nullopt;
    }
    c.lblListar->setText(QStringLiteral("ok"));
    // 4. Its count; the list box stays as it is.
    c.lblNumUsuLista->setText(QString::number(sdk->LerQtdeListaBio()));
    // 5. The selected lines.
    sdk->InicializarListaBio();
    return IncluirPisSelecionados(*sdk, c.listbox(slot.numero), r);
}

int IncluirUsuarioBio(TVeltoRepPlusSDK& sdk, int slot, const ControlesBio& c, bool lc) {
    // 1. The marked user (an empty one when none is marked).
    const std::unique_ptr<TUsuariosBioRep> u = GridTemplates::LerUsuarioSelecionado(*c.grid(slot));
    // 2. One or two templates.
    int r;
    if (c.chkSomenteUmaDigital->isChecked())
        r = lc ? sdk.IncluirEmpregadoListaBioLC(u->Pis(), u->Template1())
               : sdk.IncluirEmpregadoListaBio(u->Pis(), u->Template1());
    else
        r = lc ? sdk.IncluirEmpregadoListaBioLCDuasDigitais(u->Pis(), u->Template1(), u->Template2())
               : sdk.IncluirEmpregadoListaBioDuasDigitais(u->Pis(), u->Template1(), u->Template2());
    // 3. Send only what was staged.
    if (r == 0) r = sdk.EnviarListaBioEmpregados();
    else c.lblListar->setText(QStringLiteral("Erro incluir lista bio empregados ") + QString::number(r));
    // 4. The record goes with u.
    return r;
}

} // namespace

int IncluirUsuarioBioNitgen(TVeltoRepPlusSDK& sdk, int slot, const ControlesBio& c) {
    return IncluirUsuarioBio(sdk, slot, c, false);
}

int IncluirUsuarioBioLC(TVeltoRepPlusSDK& sdk, int slot, const ControlesBio& c) {
    return IncluirUsuarioBio(sdk, slot, c, true);
}

void ListarUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c) {
    // 1. Waiting text.
    MostrarAguarde(ctx, c.lblListar, QStringLiteral("aguarde..."));
    // 2. The old listing goes first, also when the CPF is then refused.
    c.listbox(slot.numero)->clear();
    // 3. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRepSemAguarde(ctx, c.lblListar, slot);
    if (!sdk) return;
    // 4-5. The list, last entry first.
    sdk->InicializarListaBio();
    if (!LerListaNoListbox(*sdk, slot, c, Ordem::Invertida)) return;
    // 6. Back to the first entry.
    sdk->LerPosicaoListaBio(0);
}

void EnviarUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c) {
    // 1. Preamble, without a waiting text.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRepSemAguarde(ctx, c.lblListar, slot);
    if (!sdk) return;
    // 2-3. Stage and send the marked user with the family's calls.
    sdk->InicializarListaBio();
    const int r = c.cboBiometria->currentIndex() == 0 ? IncluirUsuarioBioNitgen(*sdk, slot.numero, c)
                                                      : IncluirUsuarioBioLC(*sdk, slot.numero, c);
    // 4. Inclusion or send refused.
    if (r != 0) {
        c.lblListar->setText(QStringLiteral("Erro EnviarListaBio ") + QString::number(r));
        return;
    }
    // 5. What the device did with each entry.
    const bool porEntrada = MostrarResultadosPorEntrada(*sdk, c, TextoResultadoEnvio, false);
    // 6-7. The refreshed list in device order; a refusal shown above is not covered by its "ok".
    EsvaziarListbox(*sdk, slot, c);
    LerListaNoListbox(*sdk, slot, c, Ordem::DoDispositivo, porEntrada);
}

void ReceberTemplatesBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c) {
    // 1-5. Count and staging.
    TVeltoRepPlusSDK* sdk = nullptr;
    std::optional<int> r = ListarEIncluirSelecionados(ctx, slot, c, sdk);
    if (!r) return;
    // 6. Wait for the templates of what was staged.
    if (sdk->LerQtdeListaBio() > 0) r = AguardarResposta([sdk] { return sdk->SolicitarTemplatesListaBio(); });
    // 7. A failed request ends silently.
    if (*r != 0) return;
    // 8. One new unmarked row per selected line, in list-box order.
    StringGrid* grid = c.grid(slot.numero);
    QListWidget* lista = c.listbox(slot.numero);
    int j = 0;
    for (int i = 0; i < lista->count(); ++i) {
        if (!lista->item(i)->isSelected()) continue;
        sdk->LerPosicaoListaBio(j);
        // Read in this order, one statement each: as arguments of one call the compiler would choose it.
        const QString pis = Texto(sdk->LerPis());
        const QString template1 = Texto(sdk->LerTemplate());
        const QString template2 = Texto(sdk->LerTemplate2());
        GridTemplates::AcrescentarUsuario(*grid, pis, template1, template2);
        ++j;
    }
}

void ExcluirUsuariosBioRep(ContextoOperacao& ctx, const RepSlot& slot, const ControlesBio& c) {
    // 1-5. Count and staging.
    TVeltoRepPlusSDK* sdk = nullptr;
    std::optional<int> r = ListarEIncluirSelecionados(ctx, slot, c, sdk);
    if (!r) return;
    // 6. Wait for the exclusion of what was staged.
    if (sdk->LerQtdeListaBio() > 0) r = AguardarResposta([sdk] { return sdk->EnviarListaBioExclusao(); });
    // 7. A failed exclusion ends silently.
    if (*r != 0) return;
    // 8. What the device did with each entry.
    const bool porEntrada = MostrarResultadosPorEntrada(*sdk, c, TextoResultadoExclusao, true);
    // 9-10. The refreshed list in device order; a refusal shown above is not covered by its "ok".
    EsvaziarListbox(*sdk, slot, c);
    LerListaNoListbox(*sdk, slot, c, Ordem::DoDispositivo, porEntrada);
}
