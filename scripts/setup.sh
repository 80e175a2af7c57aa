#!/usr/bin/env bash
# Installs what the console needs to build and test (Debian packages), when something is missing.
set -euo pipefail

packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth
          clang libclang-rt-14-dev python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
