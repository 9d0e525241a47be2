#!/usr/bin/env bash
# Installs what is missing, builds Pendara and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing_packages
build_pendara
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'TXT'
Pendara is built (build/pendara), but no display is available to show its window on.
Start it on a virtual display:      xvfb-run -a build/pendara     (package xvfb)
or without any window system:      QT_QPA_PLATFORM=offscreen build/pendara
TXT
  exit 1
fi
exec build/pendara
