#!/usr/bin/env bash
# Builds everything and runs every test headless: the core natively (with
# address and undefined-behaviour sanitizers), the Windows build under Wine,
# and the fuzz targets over their corpus. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)

echo "== native build (sanitizers)"
cmake -S . -B build/native -DMORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
(cd build/native && ctest --output-on-failure)

echo "== fuzz targets over their corpus"
cmake -S . -B build/fuzz -DMORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
(cd build/fuzz && ctest --output-on-failure)

echo "== benchmarks build"
cmake -S . -B build/bench -DMORVANE_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$jobs"

echo "== Windows build, tests under Wine"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$jobs"
# Wine's services start inside the X server, so that the program's windows have
# a display.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source tools/wine-env.sh
    wine_start
    trap wine_stop EXIT
    wine_test_prefix
    cd build/win && ctest --output-on-failure'
