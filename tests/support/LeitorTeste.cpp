#include "LeitorTeste.h"

#include "TestUi.h"
#include "bio/frmLeitorUSB.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace LeitorTeste {

TfrmLeitor* abrir(JanelaTeste& t) {
    t.clicar("btnLeitorUsb");
    if (!frmLeitor) qFatal("no reader window");
    return frmLeitor;
}

void capturar(TfrmLeitor* janela, const QString& pis) {
    janela->txtPis->setFocus();
    QTest::keyClicks(janela->txtPis, pis);
    QTest::mouseClick(janela->btnCapturar, Qt::LeftButton);
}

QStringList itens(const QComboBox* c) {
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r << c->itemText(i);
    return r;
}

} // namespace LeitorTeste
