#!/usr/bin/env bash
# Builds the Debian package from the build and checks it as the distribution's tools do:
# lintian without an error or warning, a valid desktop entry and metainfo, and no claim to be
# the default opener of plain text on a desktop that has chosen none.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/pendara_*.deb)

failures=0
if ! lintian --pedantic --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1; then
  grep -v 'running with root privileges' "$work/lintian.log"
  echo "lintian reports errors or warnings"
  failures=$((failures + 1))
fi

root=$work/root
dpkg-deb -x "$deb" "$root"
id=org.example.Pendara
desktop-file-validate "$root/usr/share/applications/$id.desktop" || failures=$((failures + 1))
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" ||
  failures=$((failures + 1))

# The desktop as a fresh system without a mimeapps.list sees it, with only this package on it.
update-desktop-database "$root/usr/share/applications"
mkdir -p "$work/home" "$work/config" "$work/data"
opener=$(env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_CONFIG_DIRS="$work/config" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$root/usr/share" \
  xdg-mime query default text/plain)
if [ "$opener" = "$id.desktop" ]; then
  echo "installing the package makes Pendara the default opener of plain text"
  failures=$((failures + 1))
fi

echo "$failures failures"
[ "$failures" -eq 0 ]
