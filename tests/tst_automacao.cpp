// Late binding in the COM stand-in: automation values, byte arrays, and calling an object's members by
// name through Dispatch, with the object's own errors surfacing as exceptions carrying its message.
#include "platform/com/AutomationObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/OleExceptions.h"

#include <QTest>

namespace {
constexpr CLSID kClsidContador = {
    0x5A2E91C4, 0x0B37, 0x4E6A, {0x91, 0x0D, 0x7F, 0x22, 0xC5, 0x48, 0x3E, 0xA1}};

// A small automation object: a method with two arguments, a read-write property, an indexed read, a
// method writing through a by-reference argument, a byte array both ways, and a member that fails.
class Contador final : public AutomationObject {
public:
    static inline int vivos = 0;
    Contador() {
        ++vivos;
        m_source = u"Teste.Contador";
        method("Somar", [](const Args& a) {
            requireArgs(a, 2);
            return OleVariant(argInt(a, 0) + argInt(a, 1));
        });
        property(
            "Valor", [this](const Args&) { return OleVariant(m_valor); },
            [this](const Args&, const VARIANT& v) { m_valor = argInt({const_cast<VARIANT*>(&v)}, 0); });
        property("Quadrado", [](const Args& a) {
            const int i = argInt(a, 0);
            return OleVariant(i * i);
        });
        method("Dobrar", [](const Args& a) {
            setRefInt(a, 0, argInt(a, 0) * 2);
            return OleVariant();
        });
        method("Inverter", [](const Args& a) {
            std::vector<std::uint8_t> b = argBytes(a, 0);
            std::reverse(b.begin(), b.end());
            return OleVariant::fromBytes(b);
        });
        property("Nome", [](const Args&) { return OleVariant(u"Relógio"); });
        method("Falhar", [](const Args&) -> OleVariant {
            throw AutomationError{E_FAIL, u"Leitor desconectado.\r\n"};
        });
        method("FalharSemTexto", [](const Args&) -> OleVariant {
            throw AutomationError{E_ACCESSDENIED, {}};
        });
    }
    ~Contador() override { --vivos; }

private:
    std::int32_t m_valor = 0;
};
} // namespace

class TstAutomacao : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void variantesCopiamEClaream();
    void vetorDeBytes();
    void chamadasPorNome();
    void argumentoPorReferencia();
    void errosDoObjetoViramExcecoes();
    void criarPorProgId();
};

void TstAutomacao::init() {
    ComRegistry::registerClass(kClsidContador, "Teste.Contador", [](REFIID riid, void** ppv) -> HRESULT {
        auto* c = new Contador();
        const HRESULT hr = c->QueryInterface(riid, ppv);
        c->Release();
        return hr;
    });
}

void TstAutomacao::cleanup() {
    ComRegistry::unregisterClass(kClsidContador);
    QCOMPARE(Contador::vivos, 0); // every reference released
}

void TstAutomacao::variantesCopiamEClaream() {
    VARIANT a;
    VariantInit(&a);
    QCOMPARE(a.vt, VARTYPE(VT_EMPTY));
    a.vt = VT_BSTR;
    a.bstrVal = SysAllocString(u"Bio");
    VARIANT b;
    VariantInit(&b);
    QCOMPARE(VariantCopy(&b, &a), S_OK);
    QVERIFY(b.bstrVal != a.bstrVal); // a string of its own
    QCOMPARE(std::u16string(b.bstrVal), std::u16string(u"Bio"));
    VariantClear(&a);
    QCOMPARE(a.vt, VARTYPE(VT_EMPTY));
    QCOMPARE(std::u16string(b.bstrVal), std::u16string(u"Bio"));
    VariantClear(&b);

    // An interface value holds a reference; a by-reference value only points.
    {
        const Dispatch d = Dispatch::CreateOleObject(u"Teste.Contador");
        OleVariant v(d);
        OleVariant copia = v;
        QCOMPARE(copia.type(), VARTYPE(VT_DISPATCH));
        QVERIFY(copia.toDispatch().get() == d.get());
    }
    QCOMPARE(Contador::vivos, 0);
    std::int32_t x = 5;
    OleVariant r = OleVariant::ref(x);
    OleVariant r2 = r;
    QCOMPARE(r2.raw().plVal, &x);
    QCOMPARE(r2.toInt(), 5);
    QCOMPARE(OleVariant(u"-42").toInt(), -42);
    QVERIFY_THROWS_EXCEPTION(EOleSysError, OleVariant(u"4x").toInt());
}

void TstAutomacao::vetorDeBytes() {
    SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 0, 3);
    QVERIFY(a);
    std::int32_t lo = -1, hi = -1;
    SafeArrayGetLBound(a, 1, &lo);
    SafeArrayGetUBound(a, 1, &hi);
    QCOMPARE(lo, 0);
    QCOMPARE(hi, 2);
    QCOMPARE(SafeArrayGetElemsize(a), 1u);
    void* dados = nullptr;
    QCOMPARE(SafeArrayAccessData(a, &dados), S_OK);
    QCOMPARE(SafeArrayDestroy(a), DISP_E_ARRAYISLOCKED); // not while someone reads it
    static_cast<std::uint8_t*>(dados)[2] = 0xFF;
    SafeArrayUnaccessData(a);
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = a;
    const OleVariant dono = OleVariant::attach(v);
    QCOMPARE(dono.toBytes(), (std::vector<std::uint8_t>{0x00, 0x00, 0xFF}));
    const OleVariant copia = dono;
    QVERIFY(copia.raw().parray != dono.raw().parray);
    QCOMPARE(copia.toBytes(), dono.toBytes());
    QVERIFY(OleVariant::fromBytes(nullptr, 0).toBytes().empty());
    QVERIFY_THROWS_EXCEPTION(EOleSysError, OleVariant(7).toBytes());
}

void TstAutomacao::chamadasPorNome() {
    const Dispatch c = Dispatch::CreateOleObject(u"Teste.Contador");
    QCOMPARE(c.call("Somar", {2, 40}).toInt(), 42);
    QCOMPARE(c.call("somar", {1, 1}).toInt(), 2); // names without regard to case
    c.put("Valor", 17);
    QCOMPARE(c.get("Valor").toInt(), 17);
    QCOMPARE(c.get("Quadrado", {9}).toInt(), 81);
    QCOMPARE(c.get("Nome").toWideString().toU16(), std::u16string(u"Relógio"));
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    QCOMPARE(c.call("Inverter", {OleVariant::fromBytes(bytes)}).toBytes(),
             (std::vector<std::uint8_t>{3, 2, 1}));
    try {
        c.call("Desconhecido");
        QFAIL("no exception");
    } catch (const EOleError& e) {
        QCOMPARE(QString::fromStdString(e.Message()),
                 QStringLiteral("Method 'Desconhecido' not supported by automation object"));
    }
    // A property is no method to write.
    QVERIFY_THROWS_EXCEPTION(EOleSysError, c.put("Quadrado", 1));
    QVERIFY_THROWS_EXCEPTION(EOleError, Dispatch().call("Somar")); // nothing behind it
}

void TstAutomacao::argumentoPorReferencia() {
    const Dispatch c = Dispatch::CreateOleObject(u"Teste.Contador");
    std::int32_t x = 21;
    c.call("Dobrar", {OleVariant::ref(x)});
    QCOMPARE(x, 42);
    std::uint32_t u = 4;
    c.call("Dobrar", {OleVariant::ref(u)});
    QCOMPARE(u, 8u);
}

void TstAutomacao::errosDoObjetoViramExcecoes() {
    const Dispatch c = Dispatch::CreateOleObject(u"Teste.Contador");
    try {
        c.call("Falhar");
        QFAIL("no exception");
    } catch (const EOleException& e) {
        QCOMPARE(QString::fromStdString(e.Message()), QStringLiteral("Leitor desconectado"));
        QCOMPARE(e.ErrorCode(), E_FAIL);
        QCOMPARE(QString::fromStdString(e.Source()), QStringLiteral("Teste.Contador"));
    }
    try {
        c.call("FalharSemTexto");
        QFAIL("no exception");
    } catch (const EOleSysError& e) {
        QCOMPARE(QString::fromStdString(e.Message()), QStringLiteral("Access is denied"));
        QCOMPARE(e.ErrorCode(), E_ACCESSDENIED);
    }
    try {
        c.call("Somar", {1});
        QFAIL("no exception");
    } catch (const EOleSysError& e) {
        QCOMPARE(e.ErrorCode(), DISP_E_BADPARAMCOUNT);
    }
}

void TstAutomacao::criarPorProgId() {
    try {
        Dispatch::CreateOleObject(u"Nao.Existe");
        QFAIL("no exception");
    } catch (const EOleSysError& e) {
        QCOMPARE(QString::fromStdString(e.Message()), QStringLiteral("Invalid class string"));
        QCOMPARE(e.ErrorCode(), CO_E_CLASSSTRING);
    }
    QVERIFY(Dispatch::CreateOleObject(u"Teste.Contador"));
}

QTEST_GUILESS_MAIN(TstAutomacao)
#include "tst_automacao.moc"
