#!/usr/bin/env bash
# Shows what the build produced.
set -euo pipefail
build="$1"
echo "== Built in $build"
find "$build" -maxdepth 3 \( -name '*.dll' -o -name '*.exe' -o -name '*.tlb' \) -printf '%P  %s bytes\n' | sort
