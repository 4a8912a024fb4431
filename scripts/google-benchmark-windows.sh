#!/usr/bin/env bash
# Builds Google Benchmark for a Windows architecture from Debian's source
# package (Debian ships it built for Linux only) and prints its CMake folder.
# Usage: google-benchmark-windows.sh i686|x86_64. Later calls reuse the build.
set -euo pipefail
arch=$1
root="$(cd "$(dirname "$0")/.." && pwd)"
deps=$root/build/deps
prefix=$deps/benchmark-$arch
if [ ! -f "$prefix/lib/cmake/benchmark/benchmarkConfig.cmake" ]; then
    mkdir -p "$deps/apt/lists/partial" "$deps/src"
    echo "deb-src http://deb.debian.org/debian bookworm main" >"$deps/apt/sources.list"
    apt=(-o Dir::Etc::sourcelist="$deps/apt/sources.list" -o Dir::Etc::sourceparts=-
         -o Dir::State::Lists="$deps/apt/lists")
    apt-get "${apt[@]}" -qq update >&2
    (cd "$deps/src" && apt-get "${apt[@]}" -qq source --download-only benchmark >&2 2>/dev/null &&
        tar xzf benchmark_*.orig.tar.gz)
    cmake -S "$(ls -d "$deps"/src/benchmark-*/ | head -n 1)" -B "$deps/benchmark-build-$arch" \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw.cmake" -DOVALDI_WIN_ARCH="$arch" \
        -DCMAKE_BUILD_TYPE=Release -DBENCHMARK_ENABLE_TESTING=OFF \
        -DBENCHMARK_ENABLE_WERROR=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >&2
    cmake --build "$deps/benchmark-build-$arch" --target install >&2
fi
echo "$prefix/lib/cmake/benchmark"
