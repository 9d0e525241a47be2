#!/usr/bin/env bash
# Installs what is missing, builds Pendara and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing_packages
build_pendara
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
