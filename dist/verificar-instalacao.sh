#!/usr/bin/env bash
# Checks an installed SDKVeltoRep as a user meets it: verificar-instalacao.sh RAIZ PREFIXO VERSAO, where
# RAIZ is "" for a real install or the folder a package was unpacked into, and PREFIXO is /usr, /usr/local...
# The program runs headless from an empty folder; the reader library must be found by the loader from the
# installed executable alone (no LD_LIBRARY_PATH).
set -uo pipefail
raiz="$1"
prefixo="$2"
versao="$3"
p="$raiz$prefixo"
exe="$p/bin/SDKVeltoRep"
id=br.com.tarvix.SDKVeltoRep
falhas=0
falha() {
  echo "FALHA: $*"
  falhas=$((falhas + 1))
}

[ -x "$exe" ] || falha "$exe ausente"
for f in "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
         "share/metainfo/$id.metainfo.xml" share/man/man1/SDKVeltoRep.1.gz share/doc/sdkveltorep/copyright \
         share/doc/sdkveltorep/changelog.gz; do
  [ -f "$p/$f" ] || falha "$p/$f ausente"
done
lib=$(find "$p/lib" -name libSPL_ASO15.so -print -quit 2>/dev/null)
[ -n "$lib" ] || falha "libSPL_ASO15.so ausente sob $p/lib"

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
semTela() { (cd "$trabalho" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH "$@"); }

saida=$(semTela "$exe" --version 2>&1)
status=$?
[ "$status" -eq 0 ] && [ "$saida" = "SDKVeltoRep $versao" ] ||
  falha "--version sem tela: status $status, saída '$saida'"
echo "--version sem tela: $saida"

# The loader's search from the installed executable: the library preloaded by its bare name, as the console
# loads it when it is not beside the executable, must come from the installed folder.
achada=$(semTela env LD_DEBUG=libs LD_PRELOAD=libSPL_ASO15.so "$exe" --version 2>&1 >/dev/null |
         sed -n 's/.*calling init: \(.*libSPL_ASO15\.so\)$/\1/p' | head -n 1)
if [ -z "$achada" ] || [ "$(realpath "$achada")" != "$(realpath "$lib")" ]; then
  falha "o carregador não acha libSPL_ASO15.so a partir de $exe (achou '${achada}', instalada em '$lib')"
else
  echo "biblioteca do leitor LC achada pelo carregador: $achada"
fi

# An unattended run that needs no device: the operation number 9 is refused into retorno_rep.txt.
semTela env VELTOREP_SIM_STATE_DIR="$trabalho/estado" "$exe" x 9 >/dev/null 2>&1
status=$?
arquivo=$(od -An -c "$trabalho/retorno_rep.txt" 2>/dev/null | tr -s ' ')
esperado=$(printf '{"error" : "erro ao conectar"}\r\n' | od -An -c | tr -s ' ')
[ "$status" -eq 2 ] && [ "$arquivo" = "$esperado" ] ||
  falha "execução automática da operação 9: status $status, arquivo '$arquivo'"
echo "execução automática sem tela: status $status, retorno_rep.txt gravado"

if [ "$falhas" -gt 0 ]; then
  echo "$falhas falha(s)"
  exit 1
fi
echo "instalação em $p verificada"
