#!/usr/bin/env bash
# Builds the Debian package in build-deb/ (prefix /usr, no tests) with Debian's hardening flags, and checks
# it: dpkg-deb --info and --contents, lintian, the desktop entry and AppStream validators on the packaged
# files, and the program unpacked into a scratch root, started headless.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh package
out=build-deb
if [ ! -f "$out/build.ninja" ]; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DBUILD_TESTING=OFF -DVELTOREP_BUILD_BENCH=OFF
fi
cmake --build "$out"
rm -f "$out"/sdkveltorep_*.deb
(cd "$out" && cpack -G DEB)
deb=$(ls "$out"/sdkveltorep_*.deb)

echo "== dpkg-deb --info $deb"
dpkg-deb --info "$deb"
echo "== dpkg-deb --contents $deb"
dpkg-deb --contents "$deb"
echo "== lintian"
lintian --display-info "$deb"

raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
dpkg -x "$deb" "$raiz"
echo "== desktop-file-validate, appstreamcli validate"
bash dist/validar.sh desktop "$raiz"/usr/share/applications/br.com.tarvix.SDKVeltoRep.desktop
version=$(dpkg-deb --field "$deb" Version)
bash dist/validar.sh metainfo "$raiz"/usr/share/metainfo/br.com.tarvix.SDKVeltoRep.metainfo.xml "$version"
echo "== the unpacked program"
bash dist/verificar-instalacao.sh "$raiz" /usr "$version"
echo "package: $deb"
