// The device SDK's 129 methods, in the order of the interface's method table (slots 7 to 135).
// This is the one list: the interface, the client class, the simulator and the test fake all expand it.
//
//   X_INT(slot, Name, (parameters), (arguments))  a method returning a 32-bit integer
//   X_STR(slot, Name)                             a method without parameters returning a WideString
//   X_PROC(slot, Name)                            a procedure without parameters or result
//
// Parameter types are written VR_WS (WideString), VR_INT (Integer) and VR_WB (WordBool); each user defines
// them for its side of the interface before expanding the list.
#pragma once

// Appends a trailing parameter to a possibly empty parenthesised list: VR_JOIN((a, b), c) -> a, b, c
#define VR_JOIN_EXPAND(...) __VA_ARGS__ __VA_OPT__(, )
#define VR_JOIN(list, last) VR_JOIN_EXPAND list last
#define VR_UNPAREN_EXPAND(...) __VA_ARGS__
#define VR_UNPAREN(list) VR_UNPAREN_EXPAND list

#define VELTOREP_CATALOGUE(X_INT, X_STR, X_PROC)                                                                     \
    X_INT(7, DefinirParametrosComunicacao,                                                                           \
          (VR_WS cpfResponsavel, VR_WS ipAddress, VR_WS chaveComunicacao, VR_INT desativarPing),                     \
          (cpfResponsavel, ipAddress, chaveComunicacao, desativarPing))                                              \
    X_INT(8, DefinirPortaComunicacao, (VR_INT porta), (porta))                                                       \
    X_INT(9, DefinirEmpregador, (VR_WS razaoSocial, VR_WS cnpj_cpf, VR_WS cei, VR_INT tipoIdentificador),            \
          (razaoSocial, cnpj_cpf, cei, tipoIdentificador))                                                           \
    X_INT(10, IncluirEmpregadosLista,                                                                                \
          (VR_WS nome, VR_WS pis, VR_WS cartao, VR_WS cartaoProx, VR_WS teclado, VR_WS nomeExibicao, VR_WS senha,    \
           VR_WB verificaBiometria),                                                                                 \
          (nome, pis, cartao, cartaoProx, teclado, nomeExibicao, senha, verificaBiometria))                          \
    X_INT(11, IncluirPisEmpregadoListaExclusao, (VR_WS pis), (pis))                                                  \
    X_PROC(12, InicializarListaEmpregados)                                                                           \
    X_PROC(13, InicializarListaPisEmpregadosExclusao)                                                                \
    X_INT(14, DefinirSenhas, (VR_WS senhaComunic, VR_WS senhaPendrive, VR_WS senhaBio),                              \
          (senhaComunic, senhaPendrive, senhaBio))                                                                   \
    X_INT(15, DefinirFormatoCartao, (VR_WS formatoCartaoBarras, VR_INT numDigitosFixos, VR_WS formatoCartaoProx),    \
          (formatoCartaoBarras, numDigitosFixos, formatoCartaoProx))                                                 \
    X_INT(16, DefinirConfiguracoesAvancadas,                                                                         \
          (VR_WB repClient, VR_WB portaVariavel, VR_WS ipServidor, VR_INT portaServidor, VR_WS mask,                 \
           VR_WS gateway, VR_INT intervaloConexao, VR_INT tempoespera),                                              \
          (repClient, portaVariavel, ipServidor, portaServidor, mask, gateway, intervaloConexao, tempoespera))       \
    X_INT(17, DefinirHorarioVerao,                                                                                   \
          (VR_INT iniDia, VR_INT iniMes, VR_INT iniAno, VR_INT iniHora, VR_INT iniMinuto, VR_INT fimDia,             \
           VR_INT fimMes, VR_INT fimAno, VR_INT fimHora, VR_INT fimMinuto),                                          \
          (iniDia, iniMes, iniAno, iniHora, iniMinuto, fimDia, fimMes, fimAno, fimHora, fimMinuto))                  \
    X_INT(18, DefinirHorarioVeraoSemMinutos,                                                                         \
          (VR_INT iniDia, VR_INT iniMes, VR_INT iniAno, VR_INT fimDia, VR_INT fimMes, VR_INT fimAno),                \
          (iniDia, iniMes, iniAno, fimDia, fimMes, fimAno))                                                          \
    X_INT(19, EnviarRelogio, (), ())                                                                                 \
    X_INT(20, EnviarHorarioVerao, (), ())                                                                            \
    X_INT(21, EnviarSenhas, (), ())                                                                                  \
    X_INT(22, EnviarFormatoCartao, (), ())                                                                           \
    X_INT(23, EnviarEmpregador, (), ())                                                                              \
    X_INT(24, EnviarConfiguracoesGerais, (), ())                                                                     \
    X_INT(25, EnviarListaIndividualEmpregados, (), ())                                                               \
    X_INT(26, EnviarListaCompletaEmpregados, (), ())                                                                 \
    X_INT(27, EnviarListaExclusaoEmpregados, (), ())                                                                 \
    X_INT(28, EnviarConfiguracoesAvancadas, (), ())                                                                  \
    X_INT(29, LerTamanhoLista, (), ())                                                                               \
    X_INT(30, SolicitarRegistroNsr, (VR_INT nsrSolicitado), (nsrSolicitado))                                         \
    X_INT(31, LerStatusColeta, (), ())                                                                               \
    X_INT(32, LerResultadoColeta, (), ())                                                                            \
    X_PROC(33, FinalizarLeitura)                                                                                     \
    X_STR(34, LerRegistroLinha)                                                                                      \
    X_STR(35, LerNumUltimoNsr)                                                                                       \
    X_STR(36, LerNumSerieRep)                                                                                        \
    X_STR(37, LerMaiorDataEntreRegistroLidos)                                                                        \
    X_STR(38, LerMenorDataEntreRegistroLidos)                                                                        \
    X_STR(39, LerUltimaEmpresa)                                                                                      \
    X_STR(40, LerCabecalhoRegistrosColetados)                                                                        \
    X_STR(41, LerTrailerRegistrosColetados)                                                                          \
    X_PROC(42, InicializarListaBio)                                                                                  \
    X_INT(43, IncluirEmpregadoListaBio, (VR_WS pis, VR_WS template_), (pis, template_))                              \
    X_INT(44, IncluirPisEmpregadoListaBio, (VR_WS pis), (pis))                                                       \
    X_INT(45, LerQtdeListaBio, (), ())                                                                               \
    X_INT(46, LerPosicaoListaBio, (VR_INT posicaoLista), (posicaoLista))                                             \
    X_STR(47, LerPis)                                                                                                \
    X_STR(48, LerTemplate)                                                                                           \
    X_INT(49, LerResultadoBiometria, (), ())                                                                         \
    X_INT(50, EnviarListaBioEmpregados, (), ())                                                                      \
    X_INT(51, EnviarListaBioExclusao, (), ())                                                                        \
    X_INT(52, SolicitarListaBioEmpregados, (), ())                                                                   \
    X_INT(53, SolicitarTemplatesListaBio, (), ())                                                                    \
    X_INT(54, SolicitarStatusPapel, (), ())                                                                          \
    X_INT(55, LerStatusPapel, (), ())                                                                                \
    X_INT(56, DefinirModeloRede, (VR_INT ModeloRede), (ModeloRede))                                                  \
    X_INT(57, DefinirRepIniciaConexao, (VR_INT portaServidor, VR_INT tempoespera), (portaServidor, tempoespera))     \
    X_INT(58, LerResultado, (VR_INT index), (index))                                                                 \
    X_INT(59, LerQuantidade, (), ())                                                                                 \
    X_INT(60, LerStatus, (), ())                                                                                     \
    X_INT(61, SolicitarListaEmpregados, (), ())                                                                      \
    X_INT(62, LerPosicaoEmpregado, (VR_INT index), (index))                                                          \
    X_INT(63, LerQtdeEmpregados, (), ())                                                                             \
    X_STR(64, LerNome)                                                                                               \
    X_STR(65, LerNomeExibicao)                                                                                       \
    X_STR(66, LerSenha)                                                                                              \
    X_STR(67, LerVerificarBiometria)                                                                                 \
    X_STR(68, LerCartaoBarras)                                                                                       \
    X_STR(69, LerCartaoProx)                                                                                         \
    X_STR(70, LerTeclado)                                                                                            \
    X_INT(71, SolicitarDadosEmpregador, (), ())                                                                      \
    X_STR(72, LerRazaoSocial)                                                                                        \
    X_STR(73, LerLocal)                                                                                              \
    X_STR(74, LerIdentificador)                                                                                      \
    X_STR(75, LerCNPJ)                                                                                               \
    X_STR(76, LerCPF)                                                                                                \
    X_STR(77, LerCEI)                                                                                                \
    X_INT(78, SolicitarConfiguracoesRep, (), ())                                                                     \
    X_STR(79, LerInicioHorarioVerao)                                                                                 \
    X_STR(80, LerFimHorarioVerao)                                                                                    \
    X_STR(81, LerFormatoCartaoBarras)                                                                                \
    X_STR(82, LerNumDigitosFixos)                                                                                    \
    X_STR(83, LerFormatoCartaoProx)                                                                                  \
    X_STR(84, LerGatewayRep)                                                                                         \
    X_STR(85, LerMascaraRede)                                                                                        \
    X_STR(86, LerPorta)                                                                                              \
    X_STR(87, LerPortaServidorRep)                                                                                   \
    X_STR(88, LerRepIniciaConexao)                                                                                   \
    X_STR(89, LerSenhaComunicacao)                                                                                   \
    X_STR(90, LerSenhaBiometria)                                                                                     \
    X_STR(91, LerSenhaPendrive)                                                                                      \
    X_STR(92, LerTempoConexaoEspera)                                                                                 \
    X_STR(93, LerIpServidor)                                                                                         \
    X_STR(94, LerIntervaloConexao)                                                                                   \
    X_STR(95, LerChaveComunicacao)                                                                                   \
    X_INT(96, EnviarRelogioComIncremento, (VR_INT incremento), (incremento))                                         \
    X_INT(97, GerarArquivoRB1, (VR_WS numSerie, VR_WS caminho, VR_INT tipoArquivo), (numSerie, caminho, tipoArquivo)) \
    X_INT(98, ImportarArquivoRB1, (VR_WS numSerie, VR_WS caminho, VR_INT tipoArquivo),                               \
          (numSerie, caminho, tipoArquivo))                                                                          \
    X_INT(99, DefinirLocal, (VR_WS local), (local))                                                                  \
    X_INT(100, DefinirPosicaoLeituraListaEmpregadosRB1, (VR_INT posicaoLista), (posicaoLista))                       \
    X_INT(101, LerQtdeEmpregadosRB1, (), ())                                                                         \
    X_INT(102, LerQtdeTemplatesRB1, (), ())                                                                          \
    X_INT(103, SolicitarChavePublica, (), ())                                                                        \
    X_STR(104, LerChavePublica)                                                                                      \
    X_INT(105, SolicitarRelogio, (), ())                                                                             \
    X_STR(106, LerRelogio)                                                                                           \
    X_STR(107, LerHostDNS)                                                                                           \
    X_STR(108, LerDNS)                                                                                               \
    X_STR(109, LerHostHabilitado)                                                                                    \
    X_STR(110, LerNomeRep)                                                                                           \
    X_STR(111, LerTemplate2)                                                                                         \
    X_INT(112, IncluirEmpregadoListaBioDuasDigitais, (VR_WS pis, VR_WS template1, VR_WS template2),                  \
          (pis, template1, template2))                                                                               \
    X_INT(113, IncluirEmpregadoListaBioLC, (VR_WS pis, VR_WS template1), (pis, template1))                           \
    X_INT(114, IncluirEmpregadoListaBioLCDuasDigitais, (VR_WS pis, VR_WS template1, VR_WS template2),                \
          (pis, template1, template2))                                                                               \
    X_INT(115, DefinirConfiguracoesAvancadasComDNS,                                                                  \
          (VR_WB repClient, VR_WS ipServidor, VR_INT portaServidor, VR_WS mask, VR_WS gateway,                       \
           VR_INT intervaloConexao, VR_INT tempoespera, VR_WB HostHabilitado, VR_WS hostDNS, VR_WS DNS,              \
           VR_WS nomeRep),                                                                                           \
          (repClient, ipServidor, portaServidor, mask, gateway, intervaloConexao, tempoespera, HostHabilitado,       \
           hostDNS, DNS, nomeRep))                                                                                   \
    X_INT(116, DefinirAjusteBiometricoNitgen,                                                                        \
          (VR_INT captura, VR_INT filtro, VR_INT identificacao, VR_INT verificacao, VR_INT timeOut, VR_INT LFD),     \
          (captura, filtro, identificacao, verificacao, timeOut, LFD))                                               \
    X_INT(117, DefinirAjusteBiometricoLC, (VR_INT identificacao, VR_INT timeOut, VR_WB dedoduplicado),               \
          (identificacao, timeOut, dedoduplicado))                                                                   \
    X_INT(118, EnviarAjusteBiometrico, (), ())                                                                       \
    X_INT(119, DefinirParametrosComunicacaoHost, (VR_WS cpfResponsavel, VR_WS host, VR_WS chaveComunicacao),         \
          (cpfResponsavel, host, chaveComunicacao))                                                                  \
    X_STR(120, LerCapturaAdaptativa)                                                                                 \
    X_STR(121, LerFiltroDigitalLatente)                                                                              \
    X_STR(122, LerNivelSegIdentificacao)                                                                             \
    X_STR(123, LerTimeOutCaptura)                                                                                    \
    X_STR(124, LerNivelSegVerificacao)                                                                               \
    X_STR(125, LerNivelLFD)                                                                                          \
    X_STR(126, LerNivelSegIdentificacaoLC)                                                                           \
    X_STR(127, LerTimeOutCapturaLC)                                                                                  \
    X_STR(128, LerDedoDuplicado)                                                                                     \
    X_INT(129, SolicitarInformacoesRep, (), ())                                                                      \
    X_STR(130, LerVersaoFirmware)                                                                                    \
    X_STR(131, LerModeloBiometrico)                                                                                  \
    X_STR(132, LerStatusRep)                                                                                         \
    X_INT(133, DefinirTempoEsperaConexao, (VR_INT tempoespera), (tempoespera))                                       \
    X_INT(134, DefinirArquivoTLM, (VR_WS caminhoArquivoTLM), (caminhoArquivoTLM))                                    \
    X_INT(135, EnviarArquivoTLM, (), ())
