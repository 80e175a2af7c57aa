// A real SDK plugged in as a shared library: the class registry creates the server from its
// DllGetClassObject; a library that cannot be loaded leaves the class unregistered.
#include "platform/com/OleExceptions.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SdkServerRegistration.h"

#include <QTest>

class TstPlugin : public QObject {
    Q_OBJECT
private slots:
    void bibliotecaServeOCliente();
    void bibliotecaAusenteDeixaClasseSemRegistro();
};

void TstPlugin::bibliotecaServeOCliente() {
    const QByteArray caminho = qgetenv("VELTOREP_TEST_SERVER_LIBRARY");
    QVERIFY(!caminho.isEmpty());
    qputenv("VELTOREP_SDK_LIBRARY", caminho);
    QVERIFY(SdkServerRegistration::registerFromEnvironment());
    TVeltoRepPlusSDK cliente(nullptr);
    // The test server answers with the slot number and the method name: the calls reach the right slots.
    QCOMPARE(cliente.DefinirParametrosComunicacao(u"529.982.247-25", u"10.0.0.1", u"**CHAVESECRETA**", 0), 7);
    QCOMPARE(cliente.EnviarArquivoTLM(), 135);
    QCOMPARE(cliente.DefinirAjusteBiometricoLC(3, 5, VARIANT_TRUE), 117);
    QCOMPARE(cliente.LerRelogio().toUtf8(), std::string("LerRelogio"));
    QCOMPARE(cliente.LerStatusRep().toUtf8(), std::string("LerStatusRep"));
}

void TstPlugin::bibliotecaAusenteDeixaClasseSemRegistro() {
    qputenv("VELTOREP_SDK_LIBRARY", "/nao/existe/libsdk.so");
    std::string erro;
    QVERIFY(!SdkServerRegistration::registerFromEnvironment(&erro));
    QVERIFY(!erro.empty());
    for (int i = 0; i < 2; ++i) {
        TVeltoRepPlusSDK cliente(nullptr);
        try {
            cliente.SolicitarRelogio();
            QFAIL("no exception");
        } catch (const EOleSysError& e) {
            QVERIFY(QString::fromStdString(e.Message()).startsWith("Class not registered, ClassID: {"));
        }
    }
    qunsetenv("VELTOREP_SDK_LIBRARY");
    QVERIFY(SdkServerRegistration::registerFromEnvironment()); // unset: the simulator serves
}

QTEST_GUILESS_MAIN(TstPlugin)
#include "tst_plugin.moc"
