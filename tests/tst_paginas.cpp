// The window's pages make their controls when first needed: on showing, or when reached through the
// window's members. Whatever the order, the result is the same window; the creation handler's settings and
// the REP slots hold for pages made late.
#include "controls/SpinField.h"
#include "controls/StringGrid.h"
#include "support/FakeSdk.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaArquivosRB1.h"
#include "ui/main/pages/PaginaBio.h"
#include "ui/main/pages/PaginaChavePublica.h"
#include "ui/main/pages/PaginaColeta.h"
#include "ui/main/pages/PaginaConfiguracoesAvancadas.h"
#include "ui/main/pages/PaginaInformacoes.h"
#include "ui/main/pages/PaginaPapel.h"
#include "ui/main/pages/PaginaRelogio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace {
QList<Pagina*> paginas(const TfrmSDK& j) {
    QList<Pagina*> l;
    for (int i = 0; i < j.PageControl1->count(); ++i)
        l << qobject_cast<Pagina*>(j.PageControl1->widget(i));
    return l;
}

// Every control of the window: its name, class, the name of its parent, its place, font and style sheet.
QStringList controles(const TfrmSDK& j) {
    QStringList l;
    for (const QWidget* w : j.findChildren<QWidget*>())
        l << QStringLiteral("%1 %2 %3 %4,%5 %6x%7 %8 %9")
                 .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                      w->parentWidget()->objectName())
                 .arg(w->x())
                 .arg(w->y())
                 .arg(w->width())
                 .arg(w->height())
                 .arg(w->font().toString(), w->styleSheet());
    l.sort();
    return l;
}
} // namespace

class TstPaginas : public QObject {
    Q_OBJECT
private slots:
    void init() { FakeSdk::install(); }
    void soAPrimeiraPaginaNaAbertura();
    void membroEExibicaoConstroem();
    void mesmaJanelaEmQualquerOrdem();
    void criacaoValeParaPaginasFeitasDepois();
    void slotDaPaginaNaoFeitaEOsValoresDeProjeto();
    void paginasQueDependemDeOutras();
};

void TstPaginas::soAPrimeiraPaginaNaAbertura() {
    TfrmSDK j;
    j.show();
    QCoreApplication::processEvents();
    const QList<Pagina*> p = paginas(j);
    QCOMPARE(p.size(), 11);
    QVERIFY(p[0]->construida());
    for (int i = 1; i < p.size(); ++i)
        QVERIFY2(!p[i]->construida(), qPrintable(p[i]->objectName()));
    QVERIFY(!j.findChild<QWidget*>(QStringLiteral("txbNumNsr")));
}

void TstPaginas::membroEExibicaoConstroem() {
    TfrmSDK j;
    j.show();
    // Through a member: the control is there, and found by name from then on.
    QLineEdit* nsr = j.tbpColeta->txbNumNsr;
    QVERIFY(nsr);
    QCOMPARE(nsr->text(), QStringLiteral("1"));
    QCOMPARE(j.findChild<QLineEdit*>(QStringLiteral("txbNumNsr")), nsr);
    // By showing: the page is made before it shows, its controls shown with it.
    QVERIFY(!j.tbpPapel.semConstruir()->construida());
    j.PageControl1->setCurrentIndex(4);
    QVERIFY(j.tbpPapel.semConstruir()->construida());
    QVERIFY(j.findChild<QWidget*>(QStringLiteral("btnStatusPapel"))->isVisible());
}

void TstPaginas::mesmaJanelaEmQualquerOrdem() {
    TfrmSDK emOrdem;
    for (Pagina* p : paginas(emOrdem))
        p->construir();
    TfrmSDK ordemInversa;
    const QList<Pagina*> inversa = paginas(ordemInversa);
    for (auto p = inversa.rbegin(); p != inversa.rend(); ++p)
        (*p)->construir();
    TfrmSDK porMembros;
    porMembros.tbpChavePublica.obter();
    porMembros.tbpArquivosRB1.obter();
    porMembros.tbpColeta.obter();
    porMembros.tbpBio.obter();
    for (Pagina* p : paginas(porMembros))
        p->construir();
    const QStringList esperado = controles(emOrdem);
    QVERIFY(esperado.size() > 500);
    QCOMPARE(controles(ordemInversa), esperado);
    QCOMPARE(controles(porMembros), esperado);
}

void TstPaginas::criacaoValeParaPaginasFeitasDepois() {
    TfrmSDK j;
    j.show();
    QCoreApplication::processEvents();
    // 1. The first biometry item, and the grids still empty until the page "Bio" is entered.
    QCOMPARE(j.tbpBio->cboBiometria->currentIndex(), 0);
    const StringGrid* grade = j.findChild<StringGrid*>(QStringLiteral("dsgTemplates"));
    QCOMPARE(grade->RowCount(), 2);
    QCOMPARE(grade->Cells(1, 1), QString());
    QCOMPARE(j.tbpArquivosRB1->cboBiometriaRB1->currentIndex(), 0);
    QCOMPARE(j.tbpArquivosRB1->cboBiometriaRB1Importacao->currentIndex(), 0);
    // 2. "Habilitar Host" clear and disabled for both REPs.
    for (const GrupoRepAvancado* g :
         {&j.tbpConfiguracoesAvancadas->rep1, &j.tbpConfiguracoesAvancadas->rep2}) {
        QVERIFY(!g->chkHabilitarHost->isChecked());
        QVERIFY(!g->chkHabilitarHost->isEnabled());
    }
}

void TstPaginas::slotDaPaginaNaoFeitaEOsValoresDeProjeto() {
    TfrmSDK j;
    j.txbIp2->setText(QStringLiteral("10.0.0.2"));
    const RepSlot antes1 = j.slotRep(1), antes2 = j.slotRep(2);
    QVERIFY(!j.tbpConfiguracoesAvancadas.semConstruir()->construida()); // reading the slots made nothing
    j.tbpConfiguracoesAvancadas.obter();
    for (const auto& [antes, depois] : {std::pair{antes1, j.slotRep(1)}, std::pair{antes2, j.slotRep(2)}}) {
        QCOMPARE(antes.numero, depois.numero);
        QCOMPARE(antes.ip, depois.ip);
        QCOMPARE(antes.repIniciaComunicacao, depois.repIniciaComunicacao);
        QCOMPARE(antes.tempoEspera, depois.tempoEspera);
        QCOMPARE(antes.portaServidor, depois.portaServidor);
    }
    QCOMPARE(antes1.portaServidor, 60000);
    QCOMPARE(antes2.portaServidor, 61000);
    QCOMPARE(antes1.tempoEspera, 20);
    // Once made, the slots read the controls.
    j.tbpConfiguracoesAvancadas->rep1.chkRepIniciaComunicacao->setChecked(true);
    j.tbpConfiguracoesAvancadas->rep1.spnPortaComputador->setValue(7000);
    QCOMPARE(j.slotRep(1).portaServidor, 7000);
    QVERIFY(j.slotRep(1).repIniciaComunicacao);
}

void TstPaginas::paginasQueDependemDeOutras() {
    TfrmSDK j;
    // The collection writes into the labels of "Informações Recuperadas".
    const PaginaColeta& coleta = *j.tbpColeta;
    QVERIFY(j.tbpInformacoes.semConstruir()->construida());
    QCOMPARE(coleta.controles.rep1.txbNumSerie, j.tbpInformacoes->txbNumSerie);
    QCOMPARE(coleta.controles.rep2.lblUltimaEmpresa, j.tbpInformacoes->lblUltimaEmpresa2);
    // The RB1 configuration file takes REP 1's advanced settings.
    QVERIFY(!j.tbpConfiguracoesAvancadas.semConstruir()->construida());
    j.tbpArquivosRB1.obter();
    QVERIFY(j.tbpConfiguracoesAvancadas.semConstruir()->construida());
    QVERIFY(j.tbpConfiguracoesAvancadas->rep1.spnPortaComputador);
}

QTEST_MAIN(TstPaginas)
#include "tst_paginas.moc"
