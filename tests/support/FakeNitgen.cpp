#include "FakeNitgen.h"

#include "bio/LNControle.h"
#include "platform/com/AutomationObject.h"
#include "platform/com/ComRuntime.h"

namespace FakeNitgen {
namespace {
constexpr CLSID kClsid = {0x7D0C35E1, 0x2B6A, 0x4F83, {0x9C, 0x47, 0x11, 0xE8, 0x5A, 0x02, 0xBD, 0x6F}};
Roteiro g_roteiro;

QString arg(const VARIANT* v) {
    switch (v->vt) {
    case VT_BYREF | VT_I4:
        return QStringLiteral("&%1").arg(*v->plVal);
    case VT_BYREF | VT_UI4:
        return QStringLiteral("&u%1").arg(*v->pulVal);
    case VT_I4:
        return QString::number(v->lVal);
    case VT_ARRAY | VT_UI1:
        return QStringLiteral("[%1]").arg(v->parray ? v->parray->rgsabound[0].cElements : 0);
    default:
        return QStringLiteral("vt%1").arg(v->vt);
    }
}

class Membro : public AutomationObject {
protected:
    explicit Membro(QString nome) : m_nome(std::move(nome)) { m_source = u"FakeNitgen"; }
    void registrar(const QString& membro, const AutomationObject::Args& a) {
        QStringList partes;
        for (const VARIANT* v : a)
            partes << arg(v);
        g_roteiro.chamadas << m_nome + u'.' + membro + u'(' + partes.join(u',') + u')';
    }
    // Records the call, then answers.
    void metodo(const char* nome, Getter g) {
        method(nome, [this, n = QString::fromLatin1(nome), g](const Args& a) {
            registrar(n, a);
            return g(a);
        });
    }
    void leitura(const char* nome, Getter g) {
        property(nome, [this, n = QString::fromLatin1(nome), g](const Args& a) {
            registrar(n, a);
            return g(a);
        });
    }
    void escrita(const char* nome) {
        property(nome, {}, [this, n = QString::fromLatin1(nome)](const Args&, const VARIANT& v) {
            g_roteiro.chamadas << m_nome + u'.' + n + QStringLiteral(":=") + arg(&v);
        });
    }
    QString m_nome;
};

class Device final : public Membro {
public:
    Device() : Membro(QStringLiteral("Device")) {
        metodo("Enumerate", [this](const Args&) {
            m_enumerados = g_roteiro.leitores;
            return OleVariant();
        });
        leitura("EnumCount", [this](const Args&) {
            return OleVariant(std::int32_t(g_roteiro.quantidade.value_or(int(m_enumerados.size()))));
        });
        leitura("EnumDeviceID",
                [this](const Args& a) { return OleVariant(m_enumerados.value(argInt(a, 0))); });
        leitura("EnumDeviceNameID",
                [this](const Args& a) { return OleVariant(m_enumerados.value(argInt(a, 0)) & 0xFF); });
        leitura("EnumDeviceInstance",
                [this](const Args& a) { return OleVariant(m_enumerados.value(argInt(a, 0)) >> 8); });
        metodo("MakeDeviceID", [](const Args& a) { return OleVariant(argInt(a, 0) | (argInt(a, 1) << 8)); });
        leitura("openedDeviceID", [](const Args&) { return OleVariant(g_roteiro.aberto); });
        metodo("Close", [](const Args&) { return OleVariant(); });
        metodo("Open", [](const Args& a) {
            g_roteiro.aberto = argInt(a, 0);
            return OleVariant();
        });
        leitura("ErrorCode", [](const Args&) { return OleVariant(g_roteiro.erroAbrir); });
    }

private:
    QList<int> m_enumerados;
};

class Extraction final : public Membro {
public:
    Extraction() : Membro(QStringLiteral("Extraction")) {
        escrita("WindowStyle");
        escrita("VerifyImageQuality");
        leitura("ErrorCode", [](const Args&) { return OleVariant(g_roteiro.erroExtracao); });
        metodo("Capture", [](const Args&) -> OleVariant {
            if (g_roteiro.erroCaptura) throw AutomationError{E_FAIL, g_roteiro.erroCaptura->toStdU16String()};
            return OleVariant();
        });
        leitura("FIR", [](const Args&) {
            const std::uint8_t fir[] = {'F', 'I', 'R'};
            return OleVariant::fromBytes(fir, 3);
        });
    }
};

class FPData final : public Membro {
public:
    FPData() : Membro(QStringLiteral("FPData")) {
        metodo("Export", [](const Args&) { return OleVariant(); });
        leitura("FingerID", [](const Args&) { return OleVariant(7); });
        leitura("FPData", [](const Args&) {
            const QByteArray& t = g_roteiro.templateCapturado;
            return OleVariant::fromBytes(reinterpret_cast<const std::uint8_t*>(t.constData()),
                                         std::size_t(t.size()));
        });
    }
};

class Bsp final : public AutomationObject {
public:
    Bsp() {
        m_device = ComPtr<IDispatch>::attach(new Device());
        m_extraction = ComPtr<IDispatch>::attach(new Extraction());
        m_fpData = ComPtr<IDispatch>::attach(new FPData());
        property("Device", [this](const Args&) { return OleVariant(m_device.get()); });
        property("Extraction", [this](const Args&) { return OleVariant(m_extraction.get()); });
        property("FPData", [this](const Args&) { return OleVariant(m_fpData.get()); });
    }

private:
    ComPtr<IDispatch> m_device, m_extraction, m_fpData;
};
} // namespace

QStringList Roteiro::de(const QString& prefixo) const {
    QStringList r;
    for (const QString& c : chamadas)
        if (c.startsWith(prefixo)) r << c;
    return r;
}

Roteiro& instalar() {
    g_roteiro = Roteiro();
    g_roteiro.templateCapturado = QByteArray(404, 0);
    for (int i = 0; i < 404; ++i)
        g_roteiro.templateCapturado[i] = char(i < 3 ? 0 : i == 3 ? 3 : (i * 7) % 256);
    ComRegistry::registerClass(kClsid, "NBioBSPCOM.NBioBSP", [](REFIID riid, void** ppv) -> HRESULT {
        ++g_roteiro.criados;
        auto* bsp = new Bsp();
        const HRESULT hr = bsp->QueryInterface(riid, ppv);
        bsp->Release();
        return hr;
    });
    return g_roteiro;
}

Roteiro& roteiro() {
    return g_roteiro;
}

void remover() {
    ComRegistry::unregisterClass(kClsid);
    LNControle::LiberarReferencias();
}
} // namespace FakeNitgen
