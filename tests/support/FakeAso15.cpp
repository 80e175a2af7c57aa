#include "FakeAso15.h"

#include "bio/frmLeitorUSB.h"
#include "util/Utils.h"

#include <QByteArray>
#include <QCheckBox>
#include <QLabel>

namespace FakeAso15 {
namespace {
Roteiro g_roteiro;

int proximo(QList<int>& fila) {
    return fila.isEmpty() ? 0 : fila.takeFirst();
}

QString caixas() {
    if (!frmLeitor) return QStringLiteral("---");
    return QString(frmLeitor->chkCaptura1->isChecked() ? u'1' : u'0') +
           (frmLeitor->chkCaptura2->isChecked() ? u'1' : u'0') +
           (frmLeitor->chkCaptura3->isChecked() ? u'1' : u'0');
}

QByteArray registro() {
    QByteArray b(ASO15::kTamanhoTemplate, 0);
    b[0] = 0x04;
    for (int i = 1; i < b.size(); ++i)
        b[i] = char(i % 256);
    return b;
}

extern "C" {
std::int32_t initialize() {
    g_roteiro.chamadas << QStringLiteral("SFEP_Initialize()");
    return proximo(g_roteiro.inicializar);
}
std::int32_t setConfig(ASO15::SFEP_HWND janela) {
    g_roteiro.chamadas << QStringLiteral("SFEP_SetConfig()");
    g_roteiro.janela = janela;
    return 0;
}
std::int32_t capture(std::int32_t tempo) {
    g_roteiro.chamadas << QStringLiteral("SFEP_CaptureFingerImage(%1)").arg(tempo);
    g_roteiro.caixasNaCaptura << caixas();
    g_roteiro.statusNaCaptura << (frmLeitor ? frmLeitor->lblStatusLeitor->text() : QString());
    ++g_roteiro.capturasFeitas;
    return proximo(g_roteiro.capturas);
}
std::int32_t createTemplate(std::uint8_t* slot) {
    g_roteiro.chamadas << QStringLiteral("SFEP_CreateTemplate()");
    const int r = proximo(g_roteiro.criar);
    if (r == 0) {
        slot[0] = 0x04;
        slot[1] = std::uint8_t(g_roteiro.capturasFeitas);
    }
    return r;
}
std::int32_t match(std::uint8_t* t1, std::uint8_t* t2, std::int32_t nivel) {
    g_roteiro.chamadas << QStringLiteral("SFEP_Match2Template(%1,%2,%3)").arg(t1[1]).arg(t2[1]).arg(nivel);
    return proximo(g_roteiro.comparar);
}
std::int32_t fingerPress() {
    g_roteiro.chamadas << QStringLiteral("SFEP_IsFingerPress()");
    return g_roteiro.dedoPressionado;
}
std::int32_t getTemplateForRegister(std::uint8_t* tres, std::uint8_t* saida) {
    g_roteiro.chamadas << QStringLiteral("SFEP_GetTemplateForRegister(%1,%2,%3)")
                              .arg(tres[1])
                              .arg(tres[ASO15::kTamanhoTemplate + 1])
                              .arg(tres[2 * ASO15::kTamanhoTemplate + 1]);
    g_roteiro.caixasNoRegistro << caixas();
    const int r = proximo(g_roteiro.registrar);
    if (r == 0) {
        const QByteArray b = registro();
        std::memcpy(saida, b.constData(), std::size_t(b.size()));
    }
    return r;
}
std::int32_t uninitialize() {
    g_roteiro.chamadas << QStringLiteral("SFEP_Uninitialize()");
    return 0;
}
}

const ASO15::Funcoes kTabela = {
    initialize, setConfig, capture, createTemplate, match, fingerPress, getTemplateForRegister, uninitialize};
} // namespace

QStringList Roteiro::nomes() const {
    QStringList n;
    for (const QString& c : chamadas)
        n << c.left(c.indexOf(u'('));
    return n;
}

Roteiro& instalar() {
    g_roteiro = Roteiro();
    ASO15::InstalarFuncoes(&kTabela);
    return g_roteiro;
}

Roteiro& roteiro() {
    return g_roteiro;
}

void remover() {
    ASO15::InstalarFuncoes(nullptr);
}

QString templateEsperado() {
    return Utils::BytesParaHex(registro());
}
} // namespace FakeAso15
