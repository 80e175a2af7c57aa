// The COM stand-in: BSTR allocation, GUID text, wide strings, the running-object table and error info.
#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/WideString.h"

#include <QTest>

class TstCom : public QObject {
    Q_OBJECT
private slots:
    void bstrTemPrefixoETerminador();
    void bstrNuloEhVazio();
    void guidEmTextoDeRegistro();
    void wideStringUtf8();
    void errorInfoPorThreadEntregueUmaVez();
    void progIdParaClasse();
    void mensagensDoSistema();
};

void TstCom::bstrTemPrefixoETerminador() {
    BSTR b = SysAllocStringLen(u"Relógio", 7);
    std::uint32_t prefixo = 0;
    std::memcpy(&prefixo, reinterpret_cast<char*>(b) - 4, 4);
    QCOMPARE(prefixo, 14u);
    QCOMPARE(SysStringLen(b), 7u);
    QCOMPARE(b[7], u'\0');
    SysFreeString(b);
    BSTR comNulo = SysAllocStringLen(u"a\0b", 3);
    QCOMPARE(SysStringLen(comNulo), 3u); // the length, not the terminator, bounds the text
    SysFreeString(comNulo);
}

void TstCom::bstrNuloEhVazio() {
    QCOMPARE(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    WideString vazio;
    QVERIFY(vazio.c_bstr() == nullptr);
    QVERIFY(vazio.isEmpty());
    QVERIFY(WideString(u"").c_bstr() == nullptr);
}

void TstCom::guidEmTextoDeRegistro() {
    const GUID g = {0x6E1B7C20, 0x3A94, 0x4D5F, {0xB1, 0xC8, 0x2F, 0x7A, 0x9D, 0x04, 0xE3, 0x51}};
    QCOMPARE(QString::fromStdString(GUIDToString(g)), QStringLiteral("{6E1B7C20-3A94-4D5F-B1C8-2F7A9D04E351}"));
    GUID lido{};
    QVERIFY(StringToGUID(GUIDToString(g), &lido));
    QVERIFY(lido == g);
    QVERIFY(!StringToGUID("{6E1B7C20-3A94}", &lido));
}

void TstCom::wideStringUtf8() {
    const WideString w = WideString::fromUtf8("RECEPÇÃO SDK 𝄞");
    QCOMPARE(w.toUtf8(), std::string("RECEPÇÃO SDK 𝄞"));
    QCOMPARE(w.length(), std::size_t(15));
    const QString q = QStringLiteral("Aguarde..");
    const WideString deQt(q);
    QCOMPARE(deQt.toUtf8(), std::string("Aguarde.."));
    WideString copia = deQt;
    QVERIFY(copia.c_bstr() != deQt.c_bstr());
    QVERIFY(copia == deQt);
}

void TstCom::errorInfoPorThreadEntregueUmaVez() {
    IErrorInfo* info = CreateSimpleErrorInfo(u"fonte", u"descrição");
    SetErrorInfo(0, info);
    info->Release();
    ComPtr<IErrorInfo> lido;
    QCOMPARE(GetErrorInfo(0, lido.put()), S_OK);
    BSTR d = nullptr;
    lido->GetDescription(&d);
    QCOMPARE(WideString::attach(d).toUtf8(), std::string("descrição"));
    ComPtr<IErrorInfo> denovo;
    QCOMPARE(GetErrorInfo(0, denovo.put()), S_FALSE);
    QVERIFY(!denovo);
}

void TstCom::progIdParaClasse() {
    const CLSID id = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
    ComRegistry::registerClass(id, "Teste.Classe", [](REFIID, void**) { return E_FAIL; });
    CLSID achado{};
    QCOMPARE(CLSIDFromProgID(u"Teste.Classe", &achado), S_OK);
    QVERIFY(achado == id);
    QCOMPARE(CLSIDFromProgID(u"Nao.Existe", &achado), CO_E_CLASSSTRING);
    IUnknown* p = nullptr;
    const CLSID outro = {0x99999999, 0, 0, {0}};
    QCOMPARE(CoCreateInstance(outro, nullptr, CLSCTX_SERVER, IID_IUnknown, reinterpret_cast<void**>(&p)),
             REGDB_E_CLASSNOTREG);
    QCOMPARE(GetActiveObject(id, nullptr, &p), MK_E_UNAVAILABLE);
}

void TstCom::mensagensDoSistema() {
    QCOMPARE(QString::fromStdString(SysErrorMessage(REGDB_E_CLASSNOTREG)), QStringLiteral("Class not registered"));
    QCOMPARE(QString::fromStdString(SysErrorMessage(E_NOINTERFACE)), QStringLiteral("No such interface supported"));
    QVERIFY(SysErrorMessage(MakeHResult(0x80041234u)).empty());
}

QTEST_GUILESS_MAIN(TstCom)
#include "tst_com.moc"
