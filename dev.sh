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
