# Installs the Debian packages Pendara needs that are not there yet. Sourced by run.sh and test.sh.
pendara_packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev libgl-dev qt6-l10n-tools
  qt6-translations-l10n qt6ct
  libicu-dev libre2-dev libzstd-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation desktop-file-utils appstream man-db lintian xdg-utils
)

install_missing_packages() {
  local missing=() pkg
  for pkg in "${pendara_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build_pendara() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  cmake --build build -j"$(nproc)"
}
