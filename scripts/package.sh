#!/usr/bin/env bash
# Builds the Debian package from the release tree and checks what it holds: the menu
# entry, icon, MIME type, manual pages, completion and the run-time dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo
rm -f build/tenpo_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/tenpo_*.deb)
dpkg-deb --info "$deb"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"
for path in ./usr/bin/tenpo ./usr/bin/tenpo-cli ./usr/share/applications/tenpo.desktop \
    ./usr/share/mime/packages/tenpo-ledger.xml ./usr/share/icons/hicolor/scalable/apps/tenpo.svg \
    ./usr/share/man/man1/tenpo.1 ./usr/share/man/man1/tenpo-cli.1 \
    ./usr/share/bash-completion/completions/tenpo-cli; do
  grep -q " $path\$" <<<"$contents" || { echo "missing in the package: $path" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for dep in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-ipafont-gothic qt6-qpa-plugins; do
  grep -q "$dep" <<<"$depends" || { echo "the package does not depend on $dep" >&2; exit 1; }
done
echo "$deb"
