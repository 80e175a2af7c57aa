#include "sim/nitgen/SimNitgen.h"

#include "platform/com/AutomationObject.h"
#include "platform/com/ComRuntime.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace SimNitgen {
namespace {

// Device ids are built from a name id (the reader model) and an instance number.
constexpr std::int32_t kNomeHamster = 2;
constexpr std::int32_t kErroDispositivoInvalido = 0x0104;
constexpr std::int32_t kErroDispositivoFechado = 0x0105;
constexpr std::int32_t kErroSemDigital = 0x0201;
constexpr std::uint8_t kMarcaFir[4] = {'F', 'I', 'R', '1'};

std::int32_t idDe(std::int32_t nomeId, std::int32_t instancia) {
    return nomeId | (instancia << 8);
}

int inteiroDoAmbiente(const char* nome, int padrao) {
    const char* v = std::getenv(nome);
    if (!v || !*v) return padrao;
    char* fim = nullptr;
    const long n = std::strtol(v, &fim, 0);
    return (fim && *fim == 0) ? int(n) : padrao;
}

struct Knobs {
    int leitores = 1;
    std::int32_t erroAbrir = 0, erroExtracao = 0, erroCaptura = 0;
    int demoraMs = 0;

    static Knobs lidos() {
        Knobs k;
        k.leitores = std::max(0, inteiroDoAmbiente("VELTOREP_SIM_NITGEN_READERS", 1));
        k.demoraMs = std::max(0, inteiroDoAmbiente("VELTOREP_SIM_NITGEN_DELAY_MS", 0));
        if (const char* e = std::getenv("VELTOREP_SIM_NITGEN_ERRORS")) {
            std::string texto(e);
            std::size_t inicio = 0;
            while (inicio <= texto.size()) {
                const std::size_t fim = std::min(texto.find(',', inicio), texto.size());
                const std::string par = texto.substr(inicio, fim - inicio);
                const std::size_t igual = par.find('=');
                if (igual != std::string::npos) {
                    const std::string chave = par.substr(0, igual);
                    const std::int32_t valor = std::int32_t(std::strtol(par.c_str() + igual + 1, nullptr, 0));
                    if (chave == "open")
                        k.erroAbrir = valor;
                    else if (chave == "extraction")
                        k.erroExtracao = valor;
                    else if (chave == "capture")
                        k.erroCaptura = valor;
                }
                inicio = fim + 1;
            }
        }
        return k;
    }
};

// What the three members of one BSP object share.
struct Estado {
    Knobs knobs = Knobs::lidos();
    std::vector<std::int32_t> enumerados; // device ids found by Enumerate
    std::int32_t aberto = 0;
    std::mt19937 aleatorio{std::random_device{}()};
    std::uint32_t capturas = 0;
};

[[noreturn]] void falhar(const char16_t* mensagem) {
    throw AutomationError{E_FAIL, mensagem};
}

class Dispositivo final : public AutomationObject {
public:
    explicit Dispositivo(std::shared_ptr<Estado> e) : m(std::move(e)) {
        m_source = u"NBioBSPCOM.Device";
        method("Enumerate", [this](const Args& a) {
            requireArgs(a, 0);
            m->enumerados.clear();
            for (int i = 0; i < m->knobs.leitores; ++i)
                m->enumerados.push_back(idDe(kNomeHamster, i));
            m_erro = 0;
            return OleVariant();
        });
        property("EnumCount", [this](const Args&) { return OleVariant(std::int32_t(m->enumerados.size())); });
        property("EnumDeviceID", [this](const Args& a) { return OleVariant(enumerado(a)); });
        property("EnumDeviceNameID", [this](const Args& a) { return OleVariant(enumerado(a) & 0xFF); });
        property("EnumDeviceInstance",
                 [this](const Args& a) { return OleVariant((enumerado(a) >> 8) & 0xFF); });
        method("MakeDeviceID", [](const Args& a) {
            requireArgs(a, 2);
            return OleVariant(idDe(argInt(a, 0), argInt(a, 1)));
        });
        property("openedDeviceID", [this](const Args&) { return OleVariant(m->aberto); });
        method("Close", [this](const Args& a) {
            requireArgs(a, 1);
            const std::int32_t id = argInt(a, 0);
            if (id != 0 && id == m->aberto) m->aberto = 0;
            m_erro = 0;
            return OleVariant();
        });
        method("Open", [this](const Args& a) {
            requireArgs(a, 1);
            const std::int32_t id = argInt(a, 0);
            bool existe = false;
            for (std::int32_t e : m->enumerados)
                existe = existe || e == id;
            if (!existe) {
                m_erro = kErroDispositivoInvalido;
            } else if (m->knobs.erroAbrir != 0) {
                m_erro = m->knobs.erroAbrir;
            } else {
                m->aberto = id;
                m_erro = 0;
            }
            return OleVariant();
        });
        property("ErrorCode", [this](const Args&) { return OleVariant(m_erro); });
    }

private:
    std::int32_t enumerado(const Args& a) const {
        requireArgs(a, 1);
        const std::int32_t i = argInt(a, 0);
        if (i < 0 || std::size_t(i) >= m->enumerados.size()) falhar(u"Invalid device index");
        return m->enumerados[std::size_t(i)];
    }
    std::shared_ptr<Estado> m;
    std::int32_t m_erro = 0;
};

class Extracao final : public AutomationObject {
public:
    explicit Extracao(std::shared_ptr<Estado> e) : m(std::move(e)) {
        m_source = u"NBioBSPCOM.Extraction";
        property(
            "WindowStyle", [this](const Args&) { return OleVariant(m_estilo); },
            [this](const Args&, const VARIANT& v) { m_estilo = argInt({const_cast<VARIANT*>(&v)}, 0); });
        property(
            "VerifyImageQuality", [this](const Args&) { return OleVariant(m_qualidade); },
            [this](const Args&, const VARIANT& v) { m_qualidade = argInt({const_cast<VARIANT*>(&v)}, 0); });
        property("ErrorCode",
                 [this](const Args&) { return OleVariant(m_erro ? m_erro : m->knobs.erroExtracao); });
        method("Capture", [this](const Args& a) {
            requireArgs(a, 1);
            argInt(a, 0); // the purpose
            m_fir.clear();
            if (m->knobs.demoraMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(m->knobs.demoraMs));
            if (m->aberto == 0) {
                m_erro = kErroDispositivoFechado;
            } else if (m->knobs.erroCaptura != 0) {
                m_erro = m->knobs.erroCaptura;
            } else {
                m_erro = 0;
                m_fir = novoFir();
            }
            return OleVariant();
        });
        property("FIR", [this](const Args&) { return OleVariant::fromBytes(m_fir); });
    }

private:
    // A record: a mark, then the finger's template: a header, the capture's number, and the print.
    std::vector<std::uint8_t> novoFir() {
        std::vector<std::uint8_t> fir(kMarcaFir, kMarcaFir + 4);
        std::vector<std::uint8_t> t(kTamanhoTemplate);
        t[0] = 0x00, t[1] = 0x00, t[2] = 0x00, t[3] = 0x03;
        const std::uint32_t serie = ++m->capturas;
        for (int i = 0; i < 4; ++i)
            t[4 + i] = std::uint8_t(serie >> (8 * (3 - i)));
        std::uniform_int_distribution<int> byte(0, 255);
        for (std::size_t i = 8; i < t.size(); ++i)
            t[i] = std::uint8_t(byte(m->aleatorio));
        fir.insert(fir.end(), t.begin(), t.end());
        return fir;
    }
    std::shared_ptr<Estado> m;
    std::int32_t m_estilo = 0, m_qualidade = 0, m_erro = 0;
    std::vector<std::uint8_t> m_fir;
};

class DadosFP final : public AutomationObject {
public:
    DadosFP() {
        m_source = u"NBioBSPCOM.FPData";
        method("Export", [this](const Args& a) {
            requireArgs(a, 2);
            const std::vector<std::uint8_t> fir = argBytes(a, 0);
            argInt(a, 1); // the export type
            m_templates.clear();
            if (fir.size() == 4 + std::size_t(kTamanhoTemplate) &&
                std::equal(kMarcaFir, kMarcaFir + 4, fir.begin())) {
                m_templates.emplace_back(fir.begin() + 4, fir.end());
                m_erro = 0;
            } else {
                m_erro = kErroSemDigital;
            }
            return OleVariant();
        });
        property("FingerID", [this](const Args& a) {
            requireArgs(a, 1);
            const std::int32_t k = argInt(a, 0);
            if (k < 0 || std::size_t(k) >= m_templates.size()) falhar(u"No finger data exported");
            return OleVariant(kDedo + k);
        });
        property("FPData", [this](const Args& a) {
            requireArgs(a, 2);
            const std::int32_t dedo = argInt(a, 0) - kDedo;
            const std::int32_t amostra = argInt(a, 1);
            if (dedo < 0 || std::size_t(dedo) >= m_templates.size() || amostra != 0)
                falhar(u"No finger data exported");
            return OleVariant::fromBytes(m_templates[std::size_t(dedo)]);
        });
        property("ErrorCode", [this](const Args&) { return OleVariant(m_erro); });
    }

private:
    static constexpr std::int32_t kDedo = 1; // the right thumb
    std::vector<std::vector<std::uint8_t>> m_templates;
    std::int32_t m_erro = 0;
};

class Bsp final : public AutomationObject {
public:
    Bsp() {
        m_source = u"NBioBSPCOM.NBioBSP";
        auto estado = std::make_shared<Estado>();
        m_device = ComPtr<IDispatch>::attach(new Dispositivo(estado));
        m_extraction = ComPtr<IDispatch>::attach(new Extracao(estado));
        m_fpData = ComPtr<IDispatch>::attach(new DadosFP());
        property("Device", [this](const Args&) { return OleVariant(m_device.get()); });
        property("Extraction", [this](const Args&) { return OleVariant(m_extraction.get()); });
        property("FPData", [this](const Args&) { return OleVariant(m_fpData.get()); });
    }

private:
    ComPtr<IDispatch> m_device, m_extraction, m_fpData;
};

bool desligado() {
    const char* v = std::getenv("VELTOREP_SIM_NITGEN");
    if (!v) return false;
    const std::string s(v);
    return s == "0" || s == "off" || s == "no" || s == "false";
}

} // namespace

bool registrar() {
    if (desligado()) {
        ComRegistry::unregisterClass(CLSID_NBioBSP);
        return false;
    }
    ComRegistry::registerClass(CLSID_NBioBSP, kProgId, [](REFIID riid, void** ppv) -> HRESULT {
        auto* bsp = new Bsp();
        const HRESULT hr = bsp->QueryInterface(riid, ppv);
        bsp->Release();
        return hr;
    });
    return true;
}

} // namespace SimNitgen
