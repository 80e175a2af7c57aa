#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png) of the real window, headless: the console's
# window on the simulator under Xvfb, driven by build/tools/capturas/capturas_tela.
#   screenshots.sh [FOLDER]      (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh screenshots
./scripts/build.sh capturas_tela
destino="${1:-docs/screenshots}"
mkdir -p "$destino"
destino="$(cd "$destino" && pwd)"
# A fresh simulator with a name that reads well on the status bar; no latency, records at once, and a log
# long enough for the collection to take a second or two.
estado=/tmp/sdkveltorep-capturas/simulador
rm -rf /tmp/sdkveltorep-capturas
mkdir -p "$estado"
env -u WAYLAND_DISPLAY LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    VELTOREP_SIM_STATE_DIR="$estado" VELTOREP_SIM_LATENCY_MS=0 VELTOREP_SIM_RECORDS_WAIT=0 \
    VELTOREP_SIM_RECORDS=192.168.1.10=20000 \
    xvfb-run -a -s "-screen 0 1280x800x24" build/tools/capturas/capturas_tela "$destino"
rm -rf /tmp/sdkveltorep-capturas
