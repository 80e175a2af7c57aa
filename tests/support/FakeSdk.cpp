#include "FakeSdk.h"

#include "platform/com/ComRuntime.h"
#include "platform/com/WideString.h"
#include "sdk/VeltoRepServerBase.h"

namespace {

QVariant paraVariant(BSTR b) { return b ? QString::fromUtf16(b, SysStringLen(b)) : QString(); }
QVariant paraVariant(std::int32_t v) { return int(v); }
QVariant paraVariant(VARIANT_BOOL v) { return int(v); }

template <class... A>
QVariantList lista(A... a) {
    return QVariantList{paraVariant(a)...};
}

class FakeServer final : public VeltoRepServerBase {
public:
    explicit FakeServer(int id) : m_id(id) {}

#define VR_WS BSTR
#define VR_INT std::int32_t
#define VR_WB VARIANT_BOOL
#define FAKE_INT(slot, name, params, args)                                                                         \
    HRESULT STDMETHODCALLTYPE name(VR_JOIN(params, std::int32_t* result)) override {                               \
        QVariant r;                                                                                                \
        const HRESULT hr = FakeSdk::instance().responder(m_id, #name, lista(VR_UNPAREN(args)), &r);                \
        if (SUCCEEDED(hr)) *result = r.toInt();                                                                    \
        return hr;                                                                                                 \
    }
#define FAKE_STR(slot, name)                                                                                       \
    HRESULT STDMETHODCALLTYPE name(BSTR* result) override {                                                        \
        QVariant r;                                                                                                \
        const HRESULT hr = FakeSdk::instance().responder(m_id, #name, {}, &r);                                     \
        if (SUCCEEDED(hr)) *result = WideString(r.toString()).detach();                                            \
        return hr;                                                                                                 \
    }
#define FAKE_PROC(slot, name)                                                                                      \
    HRESULT STDMETHODCALLTYPE name() override { return FakeSdk::instance().responder(m_id, #name, {}, nullptr); }
    VELTOREP_CATALOGUE(FAKE_INT, FAKE_STR, FAKE_PROC)
#undef FAKE_INT
#undef FAKE_STR
#undef FAKE_PROC
#undef VR_WS
#undef VR_INT
#undef VR_WB

private:
    int m_id;
};

} // namespace

FakeSdk& FakeSdk::instance() {
    static FakeSdk f;
    return f;
}

FakeSdk& FakeSdk::install() {
    FakeSdk& f = instance();
    f.reset();
    ComRegistry::registerClass(CLSID_VeltoRepPlus, ProgID_VeltoRepPlus, [](REFIID riid, void** ppv) -> HRESULT {
        auto* server = new FakeServer(++instance().servidoresCriados);
        const HRESULT hr = server->QueryInterface(riid, ppv);
        server->Release();
        return hr;
    });
    return f;
}

void FakeSdk::reset() {
    chamadas.clear();
    servidoresCriados = 0;
    aoChamar = nullptr;
    m_filas.clear();
    m_padroes.clear();
    m_falhas.clear();
}

void FakeSdk::resultados(const QString& metodo, const QVariantList& valores) { m_filas[metodo] = valores; }
void FakeSdk::padrao(const QString& metodo, const QVariant& valor) { m_padroes[metodo] = valor; }
void FakeSdk::falha(const QString& metodo, HRESULT hr, const QString& descricao) {
    m_falhas[metodo] = {hr, descricao};
}

QStringList FakeSdk::nomes() const {
    QStringList n;
    for (const Chamada& c : chamadas) n << c.metodo;
    return n;
}

QStringList FakeSdk::nomes(int servidor) const {
    QStringList n;
    for (const Chamada& c : chamadas)
        if (c.servidor == servidor) n << c.metodo;
    return n;
}

QList<Chamada> FakeSdk::de(const QString& metodo) const {
    QList<Chamada> r;
    for (const Chamada& c : chamadas)
        if (c.metodo == metodo) r << c;
    return r;
}

HRESULT FakeSdk::responder(int servidor, const char* metodo, QVariantList args, QVariant* resultado) {
    const QString nome = QString::fromLatin1(metodo);
    chamadas.append({nome, std::move(args), servidor});
    if (aoChamar) aoChamar(chamadas.last());
    const auto f = m_falhas.constFind(nome);
    if (f != m_falhas.constEnd()) {
        if (!f->second.isEmpty()) {
            IErrorInfo* info = CreateSimpleErrorInfo(u"FakeSdk", f->second.toStdU16String());
            SetErrorInfo(0, info);
            info->Release();
        }
        return f->first;
    }
    if (resultado) {
        QVariantList& fila = m_filas[nome];
        if (!fila.isEmpty())
            *resultado = fila.takeFirst();
        else
            *resultado = m_padroes.value(nome, QVariant());
    }
    return S_OK;
}
