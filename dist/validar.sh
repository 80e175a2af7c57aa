#!/usr/bin/env bash
# Checks one of the installed metadata files with the tool the desktop itself uses:
#   validar.sh desktop ARQUIVO.desktop
#   validar.sh metainfo ARQUIVO.metainfo.xml VERSAO   (its newest release must be the project's version)
#   validar.sh manual ARQUIVO.1 PASTA_SRC              (renders without warnings, names every variable)
# Exits 77 (skipped) when the validator is not installed.
set -euo pipefail

pular() {
  echo "$1 ausente (pacote $2): verificação pulada; ./scripts/setup.sh test o instala"
  exit 77
}

case "$1" in
desktop)
  command -v desktop-file-validate >/dev/null || pular desktop-file-validate desktop-file-utils
  # It prints nothing for a valid file; hints count as faults here too.
  saida=$(desktop-file-validate "$2" 2>&1) || { echo "$saida"; exit 1; }
  if [ -n "$saida" ]; then echo "$saida"; exit 1; fi
  echo "desktop-file-validate: $2 válido"
  ;;
metainfo)
  ultima=$(sed -n 's/.*<release[^>]* version="\([^"]*\)".*/\1/p' "$2" | head -n 1)
  if [ "$ultima" != "$3" ]; then
    echo "a versão mais nova em <releases> é '$ultima'; o projeto está na $3: acrescente a versão"
    exit 1
  fi
  command -v appstreamcli >/dev/null || pular appstreamcli appstream
  # --no-net: no address is fetched; --pedantic so that every remark shows (only warnings and errors fail).
  appstreamcli validate --no-net --pedantic "$2"
  ;;
manual)
  faltam=$(grep -rhoE '"VELTOREP_[A-Z_]+"' "$3" | tr -d '"' | sort -u | while read -r v; do
    grep -q "^\.B $v\$" "$2" || echo "$v"
  done)
  if [ -n "$faltam" ]; then
    echo "variáveis que o programa lê e a página de manual não descreve: $faltam"
    exit 1
  fi
  command -v man >/dev/null || pular man man-db
  # As lintian renders it: any groff warning is a fault.
  avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$2" 2>&1 >/dev/null)
  if [ -n "$avisos" ]; then echo "$avisos"; exit 1; fi
  echo "página de manual sem avisos do groff; todas as variáveis descritas"
  ;;
*)
  echo "uso: validar.sh desktop|metainfo|manual ARQUIVO [...]" >&2
  exit 2
  ;;
esac
