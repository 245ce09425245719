#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$(nproc)"
