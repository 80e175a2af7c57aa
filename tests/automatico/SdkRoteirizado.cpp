// A scripted SDK server library for black-box runs of the program: it answers from the JSON file named by
// VELTOREP_FAKE_SDK_SCRIPT and appends every call, with its arguments, as one JSON array per line to the
// file named by VELTOREP_FAKE_SDK_LOG.
//
//   {"padrao": {"Metodo": value}, "filas": {"Metodo": [first, second]}, "falhas": {"Metodo": hresult}}
//
// A method answers the next value of its queue, else its default, else 0 or an empty text; a method in
// "falhas" returns that HRESULT instead.
#include "platform/com/WideString.h"
#include "sdk/VeltoRepServerBase.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <initializer_list>

namespace {

// One argument of a call, as the log writes it.
struct Argumento {
    QJsonValue valor;
    Argumento(BSTR b) : valor(b ? QString::fromUtf16(b, SysStringLen(b)) : QString()) {}
    Argumento(std::int32_t n) : valor(int(n)) {}
    Argumento(std::int16_t n) : valor(int(n)) {}
};

class Roteiro {
public:
    static Roteiro& get() {
        static Roteiro r;
        return r;
    }

    // Records the call; returns the failure to report, or S_OK with the answer taken.
    HRESULT chamar(const char* metodo, std::initializer_list<Argumento> args, QJsonValue* resposta) {
        const QString nome = QString::fromLatin1(metodo);
        registrar(nome, args);
        if (m_falhas.contains(nome)) return HRESULT(m_falhas.value(nome));
        QJsonArray& fila = m_filas[nome];
        if (!fila.isEmpty()) {
            *resposta = fila.first();
            fila.removeFirst();
        } else {
            *resposta = m_padroes.value(nome);
        }
        return S_OK;
    }

private:
    Roteiro() {
        QFile f(qEnvironmentVariable("VELTOREP_FAKE_SDK_SCRIPT"));
        if (!f.open(QIODevice::ReadOnly)) return;
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        m_padroes = o.value(QStringLiteral("padrao")).toObject();
        const QJsonObject filas = o.value(QStringLiteral("filas")).toObject();
        for (auto it = filas.begin(); it != filas.end(); ++it) m_filas.insert(it.key(), it.value().toArray());
        const QJsonObject falhas = o.value(QStringLiteral("falhas")).toObject();
        for (auto it = falhas.begin(); it != falhas.end(); ++it) m_falhas.insert(it.key(), qint64(it.value().toDouble()));
    }

    void registrar(const QString& nome, std::initializer_list<Argumento> args) {
        const QString caminho = qEnvironmentVariable("VELTOREP_FAKE_SDK_LOG");
        if (caminho.isEmpty()) return;
        QJsonArray linha{nome};
        for (const Argumento& a : args) linha.append(a.valor);
        QFile f(caminho);
        if (f.open(QIODevice::Append)) f.write(QJsonDocument(linha).toJson(QJsonDocument::Compact) + '\n');
    }

    QJsonObject m_padroes;
    QHash<QString, QJsonArray> m_filas;
    QHash<QString, qint64> m_falhas;
};

class SdkRoteirizado final : public VeltoRepServerBase {
public:
#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define R_INT(slot, name, params, args)                                                                            \
    HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) override {                               \
        QJsonValue v;                                                                                              \
        const HRESULT hr = Roteiro::get().chamar(#name, {VR_UNPAREN(args)}, &v);                                   \
        if (SUCCEEDED(hr) && result) *result = std::int32_t(v.toInteger());                                        \
        return hr;                                                                                                 \
    }
#define R_STR(slot, name)                                                                                          \
    HRESULT STDMETHODCALLTYPE name(BSTR* result) override {                                                        \
        QJsonValue v;                                                                                              \
        const HRESULT hr = Roteiro::get().chamar(#name, {}, &v);                                                   \
        if (SUCCEEDED(hr) && result) *result = WideString(v.toString().toStdU16String()).detach();                 \
        return hr;                                                                                                 \
    }
#define R_PROC(slot, name)                                                                                         \
    HRESULT STDMETHODCALLTYPE name() override {                                                                    \
        QJsonValue v;                                                                                              \
        return Roteiro::get().chamar(#name, {}, &v);                                                               \
    }
    VELTOREP_CATALOGUE(R_INT, R_STR, R_PROC)
};

} // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_VeltoRepPlus) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new VeltoRepClassFactory<SdkRoteirizado>();
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}
