#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail
packages=(cmake g++ libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev
          g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-apps imagemagick
          zip unzip xdotool wixl msitools faketime locales x11-utils
          fonts-droid-fallback python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
# The program's tests also run where Windows' code page is 1251 or 932, which
# Wine takes from these locales.
for l in ru_RU ja_JP; do
    locale -a | grep -qx "$l.utf8" || localedef -i $l -f UTF-8 $l.UTF-8
done
