// Driving the reader window as a person would, shared by the reader tests over fakes and over the simulators.
#pragma once

#include <QString>
#include <QStringList>

class JanelaTeste;
class QComboBox;
class TfrmLeitor;

namespace LeitorTeste {
// Clicks "Leitor USB" on the page "Bio" and returns the window it opened (fails the test run when none).
TfrmLeitor* abrir(JanelaTeste& t);
// Types the PIS and clicks "Capturar".
void capturar(TfrmLeitor* janela, const QString& pis);
QStringList itens(const QComboBox* c);
} // namespace LeitorTeste
