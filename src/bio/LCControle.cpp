#include "bio/LCControle.h"

#include "bio/ASO15_Define.h"
#include "bio/PainelLeitor.h"
#include "controls/UiServices.h"
#include "util/Utils.h"

#include <QByteArray>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <array>

namespace {
using namespace ASO15;

// The window may be gone (closed while a capture ran); its texts then go nowhere.
void status(const QString& texto, bool repintar = false) {
    if (!painelLeitor) return;
    painelLeitor->lblStatusLeitor->setText(texto);
    if (repintar) UiServices::repainter().repaint(painelLeitor->lblStatusLeitor);
}

void informar(const QString& texto) {
    UiServices::dialogs().message(MessageKind::Information, texto, int(MessageButton::Ok));
}
} // namespace

bool TLCControle::InicializarDispositivo() {
    // 1.
    const std::int32_t r = SFEP_Initialize();
    // 2.
    if (r == SFEP_OK) {
        if (painelLeitor) SFEP_SetConfig(SFEP_HWND(painelLeitor->pic->winId()));
        status(QStringLiteral("Inicializado com sucesso."));
        return true;
    }
    // 3.
    if (r == SFEP_SEM_LEITOR) {
        status(QStringLiteral("Não foi possível encontrar o leitor USB LC."));
        return false;
    }
    // 4.
    status(QStringLiteral("falha!!\r\nERROR CODE = %1").arg(r));
    return false;
}

QString TLCControle::CapturarTemplate() {
    // Fresh slots for every enrolment: three consecutive templates, and the merged one.
    std::array<std::uint8_t, 3 * kTamanhoTemplate> templates{};
    std::array<std::uint8_t, kTamanhoTemplate> saida{};
    int n = 0;
    // 1.
    while (n < 3) {
        // 1.1
        std::int32_t r = SFEP_CaptureFingerImage(10);
        // 1.2
        if (r == SFEP_TEMPO_ESGOTADO) {
            status(QStringLiteral("Tempo esgotado!"));
            return QString();
        }
        // 1.3
        if (r == SFEP_CANCELADO) {
            status(QStringLiteral("Cancelado!"));
            return QString();
        }
        // 1.4
        if (r != SFEP_OK) {
            status(QStringLiteral("Tente novamente!"), true);
            continue;
        }
        // 1.5
        status(QStringLiteral("Retire o dedo!"), true);
        // 1.6
        std::uint8_t* slot = templates.data() + n * kTamanhoTemplate;
        if (SFEP_CreateTemplate(slot) != SFEP_OK) {
            status(QStringLiteral("Qualidade ruim, tente novamente!"), true);
            continue;
        }
        // 1.7 A mismatch is told, and the capture counts all the same.
        if (n > 0 && SFEP_Match2Template(templates.data(), slot, 3) != SFEP_OK)
            informar(QStringLiteral("As digitais capturadas são diferentes!"));
        // 1.8
        ++n;
        // 1.9 Told once; the finger is not checked again.
        if (SFEP_IsFingerPress() != 0) informar(QStringLiteral("Retire o dedo do leitor!"));
        // 1.10
        MarcarCaptura(n);
        status(QStringLiteral("Coloque o dedo!"), true);
    }
    // 2.
    status(QString(), true);
    // 3.
    if (SFEP_GetTemplateForRegister(templates.data(), saida.data()) != SFEP_OK) {
        status(QStringLiteral("Falha ao obter o template!"), true);
        return QString();
    }
    // 4.
    const QString texto =
        Utils::BytesParaHex(QByteArray(reinterpret_cast<const char*>(saida.data()), kTamanhoTemplate));
    LimparCapturas();
    return texto;
}

void TLCControle::FecharDispositivo() {
    SFEP_Uninitialize();
}

void TLCControle::MarcarCaptura(int captura) {
    if (!painelLeitor) return;
    switch (captura) {
    case 1:
        painelLeitor->chkCaptura1->setChecked(true);
        break;
    case 2:
        painelLeitor->chkCaptura2->setChecked(true);
        break;
    case 3:
        painelLeitor->chkCaptura3->setChecked(true);
        break;
    default:
        break;
    }
}

void TLCControle::LimparCapturas() {
    if (!painelLeitor) return;
    painelLeitor->chkCaptura1->setChecked(false);
    painelLeitor->chkCaptura2->setChecked(false);
    painelLeitor->chkCaptura3->setChecked(false);
}
