// The device clock and its daylight-saving period.
#include "sim/SimServer.h"

namespace {
QString textoRelogio(const QDateTime& t) { return t.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")); }
QString dataHora(int dia, int mes, int ano, int hora, int minuto) {
    return QStringLiteral("%1/%2/%3 %4:%5")
        .arg(dia, 2, 10, QChar(u'0'))
        .arg(mes, 2, 10, QChar(u'0'))
        .arg(ano, 4, 10, QChar(u'0'))
        .arg(hora, 2, 10, QChar(u'0'))
        .arg(minuto, 2, 10, QChar(u'0'));
}
} // namespace

HRESULT SimServer::EnviarRelogio(std::int32_t* result) {
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            const QDateTime antes = rep().relogio();
            rep().deslocamentoRelogioSegundos = 0;
            aoAjustarRelogio(antes, rep().relogio());
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::EnviarRelogioComIncremento(std::int32_t incremento, std::int32_t* result) {
    int r = contatar();
    if (r == 0)
        r = alterar([this, incremento] {
            const QDateTime antes = rep().relogio();
            rep().deslocamentoRelogioSegundos = qint64(incremento) * 3600;
            aoAjustarRelogio(antes, rep().relogio());
            return 0;
        });
    return numero(result, r);
}

HRESULT SimServer::SolicitarRelogio(std::int32_t* result) {
    const int r = contatar();
    if (r == 0) m_relogioLido = rep().relogio();
    return numero(result, r);
}

HRESULT SimServer::LerRelogio(BSTR* result) {
    return texto(result, m_relogioLido.isValid() ? textoRelogio(m_relogioLido) : QString());
}

HRESULT SimServer::DefinirHorarioVerao(std::int32_t iniDia, std::int32_t iniMes, std::int32_t iniAno,
                                       std::int32_t iniHora, std::int32_t iniMinuto, std::int32_t fimDia,
                                       std::int32_t fimMes, std::int32_t fimAno, std::int32_t fimHora,
                                       std::int32_t fimMinuto, std::int32_t* result) {
    preparo().horarioVerao = HorarioVerao{dataHora(iniDia, iniMes, iniAno, iniHora, iniMinuto),
                                          dataHora(fimDia, fimMes, fimAno, fimHora, fimMinuto)};
    return numero(result, 0);
}

HRESULT SimServer::DefinirHorarioVeraoSemMinutos(std::int32_t iniDia, std::int32_t iniMes, std::int32_t iniAno,
                                                 std::int32_t fimDia, std::int32_t fimMes, std::int32_t fimAno,
                                                 std::int32_t* result) {
    return DefinirHorarioVerao(iniDia, iniMes, iniAno, 0, 0, fimDia, fimMes, fimAno, 0, 0, result);
}

void SimServer::HorarioVerao::aplicar(ConfiguracaoSim& c) const {
    c.inicioHorarioVerao = inicio;
    c.fimHorarioVerao = fim;
}

HRESULT SimServer::EnviarHorarioVerao(std::int32_t* result) {
    if (!preparo().horarioVerao) return numero(result, 1);
    int r = contatar();
    if (r == 0)
        r = alterar([this] {
            preparo().horarioVerao->aplicar(rep().configuracao);
            return 0;
        });
    return numero(result, r);
}
