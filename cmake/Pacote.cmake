# The Debian package: `cpack -G DEB` in a build dir configured with CMAKE_INSTALL_PREFIX=/usr (see
# scripts/package.sh). Its library dependencies come from dpkg-shlibdeps over the installed binaries; Qt's
# translations and the SVG icon engine are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sdkveltorep)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvix)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTOREP_MANTENEDOR}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "console de relógios de ponto REP Velto
Console gráfica para testar e operar um ou dois relógios de ponto REP
Velto: relógio e horário de verão, configurações, empregador e
empregados, coleta das marcações, papel da impressora, usuários
biométricos com leitores USB de digitais e arquivos RB1.
.
Toda troca com os relógios passa pelo SDK do fabricante; sem ele, um
simulador embutido faz o papel do SDK, dos relógios e dos leitores. Um
sistema integrador pode executar quatro operações pela linha de comando,
sem operador, e ler o resultado num arquivo JSON.")
include(CPack)
