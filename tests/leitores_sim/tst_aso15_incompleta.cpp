// An LC library found on the loader's path but lacking one of its functions: no reader, and nothing of
// it is called.
#include "TestUi.h"
#include "bio/ASO15_Define.h"
#include "bio/LCControle.h"
#include "bio/frmLeitorUSB.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TstAso15Incompleta : public QObject {
    Q_OBJECT
private slots:
    void semLeitor();
};

void TstAso15Incompleta::semLeitor() {
    TestDialogs dialogs;
    UiServices::setDialogs(&dialogs);
    QVERIFY(ASO15::Carregadas() == nullptr);
    QVERIFY2(QString::fromUtf8(ASO15::UltimoErro()).contains(QStringLiteral("SFEP_Uninitialize")),
             ASO15::UltimoErro());
    {
        TfrmLeitor janela;
        QCOMPARE(janela.lblStatusLeitor->text(),
                 QStringLiteral("Não foi possível encontrar o leitor USB LC."));
        QCOMPARE(janela.cboDispositivos->count(), 0);
        QVERIFY(!janela.btnCapturar->isEnabled());
        QCOMPARE(LeitorLC->CapturarTemplate(), QString());
        QCOMPARE(janela.lblStatusLeitor->text(), QStringLiteral("Tempo esgotado!"));
        janela.close();
    }
    UiServices::setDialogs(nullptr);
}

QTEST_MAIN(TstAso15Incompleta)
#include "tst_aso15_incompleta.moc"
