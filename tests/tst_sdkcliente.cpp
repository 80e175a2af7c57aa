// The SDK client: method-table layout, connection on first use, failure messages, and the owner chain.
#include "platform/com/ComRuntime.h"
#include "platform/com/OleExceptions.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "support/FakeSdk.h"

#include <QTest>
#include <cstring>

namespace {
// Itanium C++ ABI: a pointer to a virtual member holds 1 + the byte offset of its slot.
template <class F>
std::ptrdiff_t indiceNaTabela(F pmf) {
    static_assert(sizeof(F) == 2 * sizeof(void*));
    std::uintptr_t partes[2];
    std::memcpy(partes, &pmf, sizeof partes);
    return std::ptrdiff_t((partes[0] - 1) / sizeof(void*));
}

// A server object that offers no VeltoRepPlusInterface.
class SemInterface final : public ComObject<IUnknown> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
};

// A server object that claims the interface but hands back none.
class InterfaceNula final : public ComObject<IUnknown> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = riid == IID_IUnknown ? static_cast<IUnknown*>(this) : nullptr;
        if (*ppv) AddRef();
        return S_OK;
    }
};

template <class T>
void registrar() {
    ComRegistry::registerClass(CLSID_VeltoRepPlus, "", [](REFIID riid, void** ppv) -> HRESULT {
        auto* o = new T();
        const HRESULT hr = o->QueryInterface(riid, ppv);
        o->Release();
        return hr;
    });
}

// Counts live instances through a flag in its destructor.
class Contado : public TComponent {
public:
    Contado(TComponent* owner, int* vivos) : TComponent(owner), m_vivos(vivos) { ++*m_vivos; }
    ~Contado() override { --*m_vivos; }

private:
    int* m_vivos;
};
} // namespace

class TstSdkCliente : public QObject {
    Q_OBJECT
private slots:
    void cadaMetodoOcupaSeuSlot();
    void primeiraOperacaoConectaEExecuta();
    void wordBoolVerdadeiroChegaComoMenosUm();
    void textoVazioNaoEhFalha();
    void classeNaoRegistrada();
    void interfaceNaoSuportada();
    void interfaceNula();
    void falhaDoMetodo_data();
    void falhaDoMetodo();
    void objetoAtivoTemPreferencia();
    void destruirLiberaOsPossuidos();
    void cadeiaLongaDestruidaSemEstouro();
};

void TstSdkCliente::cadaMetodoOcupaSeuSlot() {
    QCOMPARE(indiceNaTabela(&IUnknown::QueryInterface), 0);
    QCOMPARE(indiceNaTabela(&IUnknown::Release), 2);
    QCOMPARE(indiceNaTabela(&IDispatch::GetTypeInfoCount), 3);
    QCOMPARE(indiceNaTabela(&IDispatch::Invoke), 6);
    int metodos = 0;
#define CHECK_SLOT(slot, name, ...)                                                                                \
    QCOMPARE(indiceNaTabela(&VeltoRepPlusInterface::name), std::ptrdiff_t(slot));                                  \
    ++metodos;
#define CHECK_SLOT2(slot, name) CHECK_SLOT(slot, name)
    VELTOREP_CATALOGUE(CHECK_SLOT, CHECK_SLOT2, CHECK_SLOT2)
    QCOMPARE(metodos, 129);
}

void TstSdkCliente::primeiraOperacaoConectaEExecuta() {
    FakeSdk& sdk = FakeSdk::install();
    TVeltoRepPlusSDK cliente(nullptr);
    QVERIFY(!cliente.Connected());
    QCOMPARE(sdk.servidoresCriados, 0);
    sdk.resultados("EnviarRelogio", {3});
    QCOMPARE(cliente.EnviarRelogio(), 3);
    QVERIFY(cliente.Connected());
    QCOMPARE(sdk.servidoresCriados, 1);
    cliente.EnviarRelogio();
    QCOMPARE(sdk.servidoresCriados, 1); // bound to the same server object
    QCOMPARE(sdk.nomes(1), (QStringList{"EnviarRelogio", "EnviarRelogio"}));
}

void TstSdkCliente::wordBoolVerdadeiroChegaComoMenosUm() {
    FakeSdk& sdk = FakeSdk::install();
    TVeltoRepPlusSDK cliente(nullptr);
    cliente.DefinirAjusteBiometricoLC(3, 5, VARIANT_TRUE);
    cliente.IncluirEmpregadosLista(u"n", u"p", u"c", u"cp", u"t", u"ne", u"s", VARIANT_FALSE);
    QCOMPARE(sdk.de("DefinirAjusteBiometricoLC").first().args, (QVariantList{3, 5, -1}));
    QCOMPARE(sdk.de("IncluirEmpregadosLista").first().args.last(), QVariant(0));
}

void TstSdkCliente::textoVazioNaoEhFalha() {
    FakeSdk::install();
    TVeltoRepPlusSDK cliente(nullptr);
    QVERIFY(cliente.LerRelogio().isEmpty());
    FakeSdk::instance().resultados("LerRelogio", {QStringLiteral("Relógio ç")});
    QCOMPARE(cliente.LerRelogio().toUtf8(), std::string("Relógio ç"));
}

void TstSdkCliente::classeNaoRegistrada() {
    ComRegistry::unregisterClass(CLSID_VeltoRepPlus);
    TVeltoRepPlusSDK cliente(nullptr);
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        try {
            cliente.SolicitarRelogio();
            QFAIL("no exception");
        } catch (const EOleSysError& e) {
            QCOMPARE(QString::fromStdString(e.Message()),
                     QStringLiteral("Class not registered, ClassID: {6E1B7C20-3A94-4D5F-B1C8-2F7A9D04E351}"));
            QCOMPARE(e.ErrorCode(), REGDB_E_CLASSNOTREG);
        }
        QVERIFY(!cliente.Connected());
    }
    // Registered afterwards: the same client connects on its next operation.
    FakeSdk::install();
    QCOMPARE(cliente.SolicitarRelogio(), 0);
}

void TstSdkCliente::interfaceNaoSuportada() {
    registrar<SemInterface>();
    TVeltoRepPlusSDK cliente(nullptr);
    try {
        cliente.EnviarRelogio();
        QFAIL("no exception");
    } catch (const EIntfCastError& e) {
        QCOMPARE(QString::fromStdString(e.Message()), QStringLiteral("Interface not supported"));
    }
}

void TstSdkCliente::interfaceNula() {
    registrar<InterfaceNula>();
    TVeltoRepPlusSDK cliente(nullptr);
    try {
        cliente.DefaultInterface();
        QFAIL("no exception");
    } catch (const EAssertionFailed& e) {
        const QString m = QString::fromStdString(e.Message());
        QVERIFY2(m.startsWith("DefaultInterface is NULL. Component is not connected to Server. You must call "
                              "\"Connect\" or \"ConnectTo\" before this operation (SDK_Velto_Rep_TLB, line "),
                 qPrintable(m));
        QVERIFY(m.endsWith(u')'));
    }
}

void TstSdkCliente::falhaDoMetodo_data() {
    QTest::addColumn<int>("hr");
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("description, trailing dot and blanks cut") << int(E_FAIL) << "Dispositivo ocupado. \r\n"
                                                              << "Dispositivo ocupado";
    QTest::newRow("no description: system text") << int(E_FAIL) << "" << "Unspecified error";
    QTest::newRow("description of dots only") << int(E_INVALIDARG) << "..." << "The parameter is incorrect";
    QTest::newRow("unknown code") << int(0x80041234u) << "" << "OLE error 80041234";
}

void TstSdkCliente::falhaDoMetodo() {
    QFETCH(int, hr);
    QFETCH(QString, descricao);
    QFETCH(QString, mensagem);
    FakeSdk& sdk = FakeSdk::install();
    sdk.falha("LerRelogio", hr, descricao);
    TVeltoRepPlusSDK cliente(nullptr);
    try {
        cliente.LerRelogio();
        QFAIL("no exception");
    } catch (const EOleException& e) {
        QCOMPARE(QString::fromStdString(e.Message()), mensagem);
        QCOMPARE(e.ErrorCode(), HRESULT(hr));
        if (!descricao.isEmpty()) QCOMPARE(QString::fromStdString(e.Source()), QStringLiteral("FakeSdk"));
    }
    QVERIFY(cliente.Connected()); // a failed call leaves the client connected
}

void TstSdkCliente::objetoAtivoTemPreferencia() {
    FakeSdk& sdk = FakeSdk::install();
    ComPtr<IUnknown> ativo;
    QCOMPARE(CoCreateInstance(CLSID_VeltoRepPlus, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, ativo.putVoid()), S_OK);
    DWORD registro = 0;
    RegisterActiveObject(ativo.get(), CLSID_VeltoRepPlus, 0, &registro);
    TVeltoRepPlusSDK a(nullptr), b(nullptr);
    a.EnviarRelogio();
    b.EnviarRelogio();
    QCOMPARE(sdk.servidoresCriados, 1);
    RevokeActiveObject(registro, nullptr);
    TVeltoRepPlusSDK c(nullptr);
    c.EnviarRelogio();
    QCOMPARE(sdk.servidoresCriados, 2);
}

void TstSdkCliente::destruirLiberaOsPossuidos() {
    int vivos = 0;
    auto* raiz = new Contado(nullptr, &vivos);
    auto* filho = new Contado(raiz, &vivos);
    new Contado(filho, &vivos);
    new Contado(raiz, &vivos);
    auto* solto = new Contado(filho, &vivos);
    delete solto; // leaves its owner's list
    QCOMPARE(vivos, 4);
    QCOMPARE(filho->ComponentCount(), 1);
    delete raiz;
    QCOMPARE(vivos, 0);
}

void TstSdkCliente::cadeiaLongaDestruidaSemEstouro() {
    FakeSdk::install();
    auto* raiz = new TVeltoRepPlusSDK(nullptr);
    TVeltoRepPlusSDK* atual = raiz;
    for (int i = 1; i < 200000; ++i) atual = new TVeltoRepPlusSDK(atual);
    atual->EnviarRelogio(); // the last one holds a server
    delete raiz;
    QVERIFY(true);
}

QTEST_GUILESS_MAIN(TstSdkCliente)
#include "tst_sdkcliente.moc"
