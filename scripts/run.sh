#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it; arguments go to the
# program, e.g. ./scripts/run.sh ~/shop.TLG
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec ./build/src/main/tenpo "$@"
