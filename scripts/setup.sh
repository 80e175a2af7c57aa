#!/usr/bin/env bash
# Installs the Debian packages a path needs, when some are missing:
#   setup.sh [run] [test] [fuzz] [package] [screenshots]      (no argument: run)
# run: build and open the console; test: run plus the metadata validators of the suite; fuzz: the clang
# libFuzzer toolchain of fuzz/build.sh; package: run plus what builds and checks the .deb; screenshots: run
# plus the virtual X server scripts/screenshots.sh draws the window on.
set -euo pipefail

run=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl-dev
     qt6-translations-l10n libqt6svg6 python3)
test=("${run[@]}" desktop-file-utils appstream man-db)
fuzz=(clang libclang-rt-14-dev)
package=("${run[@]}" dpkg-dev file lintian desktop-file-utils appstream man-db)
screenshots=("${run[@]}" xvfb xauth)

[ $# -gt 0 ] || set -- run
packages=()
for path in "$@"; do
  case "$path" in
    run) packages+=("${run[@]}") ;;
    test) packages+=("${test[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    package) packages+=("${package[@]}") ;;
    screenshots) packages+=("${screenshots[@]}") ;;
    *) echo "setup.sh: unknown path '$path' (run, test, fuzz, package, screenshots)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
