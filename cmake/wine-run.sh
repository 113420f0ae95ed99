#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's private prefix.
# Output goes to files and is replayed: Wine's helper processes keep inherited pipes open for
# seconds after the program ends, which would make every test wait for them.
# usage: wine-run.sh <absolute prefix folder> <program> [arguments...]
set -u
export WINEPREFIX="$1"; shift
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/.tessary-ready" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.tessary-ready" ]; then
            rm -rf "$WINEPREFIX"
            wineboot -i >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.tessary-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
    [ -f "$WINEPREFIX/.tessary-ready" ] || { echo "wine-run: could not create the Wine prefix $WINEPREFIX" >&2; exit 125; }
fi

out="$(mktemp)"; err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
run_once() {
    wine "$@" </dev/null >"$out" 2>"$err" &
    child=$!
    trap 'kill -TERM $child 2>/dev/null' TERM INT
    wait $child; rc=$?
    # a trapped signal interrupts the first wait; collect the real status
    kill -0 $child 2>/dev/null && { wait $child; rc=$?; }
}
run_once "$@"
# A crash of the program shows as Wine's unhandled-exception report and an exit code; a SIGSEGV of
# the Unix wine process itself (seen now and then at process exit under heavy parallel load) is
# Wine's own, so that run is repeated once, and said so.
if [ $rc -eq 139 ]; then
    echo "wine-run: wine itself died of SIGSEGV running $*; running it once more" >&2
    cat "$err" >&2
    run_once "$@"
fi
cat "$out"; cat "$err" >&2
exit $((rc & 255))
