#!/usr/bin/env bash
# The project's one entry point: ./dev.sh test | demo | bench
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${TESSARY_BUILD_DIR:-$root/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

usage() { echo "usage: ./dev.sh test | demo | bench" >&2; exit 2; }

prepare() {
    bash "$root/scripts/install-toolchain.sh"
    local generator=()
    command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
    # ccache when the machine has it (a developer's choice; CI builds without it)
    if command -v ccache >/dev/null 2>&1; then
        generator+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}" CCACHE_NOHASHDIR=1
    fi
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" "${generator[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build" -j "$jobs"
}

case "${1:-}" in
    test)
        prepare
        cd "$build"
        ctest --output-on-failure -j "$jobs" --timeout 300
        ;;
    demo)
        prepare
        bash "$root/scripts/demo.sh" "$build"
        ;;
    bench)
        prepare
        cmake --build "$build" --target bench
        ;;
    *) usage ;;
esac
