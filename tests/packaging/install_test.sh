#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and its tools find there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

id=org.example.Pendara
failures=0
expect_file() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing after install: $1"
    failures=$((failures + 1))
  fi
}
for file in bin/pendara bin/pendara-cli share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/pendara.1.gz share/man/man1/pendara-cli.1.gz \
    share/doc/pendara/copyright share/doc/pendara/changelog.gz \
    share/bash-completion/completions/pendara-cli share/zsh/vendor-completions/_pendara-cli; do
  expect_file "$file"
done
for size in 16 24 32 48 64 128 256; do
  expect_file "share/icons/hicolor/${size}x${size}/apps/$id.png"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || failures=$((failures + 1))
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" ||
  failures=$((failures + 1))
# The metainfo must name the version the programs report.
version=$("$prefix/bin/pendara-cli" --version | head -n 1)
grep -q "version=\"${version##* }\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  { echo "metainfo lacks a release for $version"; failures=$((failures + 1)); }

for page in pendara pendara-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page.1: $warnings"
    failures=$((failures + 1))
  fi
  MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" ||
    { echo "$page.1 does not render"; failures=$((failures + 1)); }
done

echo "$failures failures"
[ "$failures" -eq 0 ]
