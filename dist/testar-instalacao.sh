#!/usr/bin/env bash
# `cmake --install` of a built tree into a temporary prefix, then the checks of verificar-instalacao.sh.
#   testar-instalacao.sh PASTA_BUILD VERSAO
set -euo pipefail
prefixo=$(mktemp -d)
trap 'rm -rf "$prefixo"' EXIT
cmake --install "$1" --prefix "$prefixo" >/dev/null
(cd "$prefixo" && find . -type f -o -type l | sort)
bash "$(dirname "$0")/verificar-instalacao.sh" "" "$prefixo" "$2"
