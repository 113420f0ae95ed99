#!/usr/bin/env bash
# The demo: Tessary.dll registered in the build's Wine prefix and loaded by the simulated Office
# (officesim) as Outlook 2010, 2007 and 2003 and as Word 2007 and 2003, each session ending in
# Outlook's fast shutdown or the normal one (the 2003 sessions after the user unloaded the add-in);
# then unregistered.
set -uo pipefail
build="$1"
root="$(cd "$(dirname "$0")/.." && pwd)"
run() { "$root/cmake/wine-run.sh" "$build/wineprefix" "$@"; }
dll="$(cd "$build/addin" && pwd)/Tessary.dll"
sim="$build/officesim"
status=0

section() { printf '\n==== %s\n' "$*"; }

# Registration only writes add-in keys for hosts that are installed: the simulated Office is
# "installed" the way setup does it, by its Application ProgIDs (the simulation's class ids).
section "Installing the simulated Outlook and Word"
install_host() { run reg add "HKLM\\Software\\Classes\\$1\\CLSID" /ve /d "$2" /f | tr -d '\r'; }
install_host Outlook.Application "{0CD70534-A0C7-408F-9797-29C39A5A0CF0}"
install_host Word.Application "{F850417E-07F8-4981-A306-80E3A8C701ED}"

section "Registering $dll (regsvr32)"
run regsvr32 /s "$(run winepath -w "$dll" | tr -d '\r')" || { echo "registration failed"; exit 1; }
for host in Outlook Word; do
    run reg query "HKLM\\Software\\Microsoft\\Office\\$host\\Addins\\Tessary.TSY" | tr -d '\r' | sed '/^$/d'
done

session() {
    local title="$1"; shift
    section "$title"
    run "$@"
    local rc=$?
    echo "---- exit code $rc"
    [ $rc -eq 0 ] || status=1
}

fast_quit="$(mktemp --suffix=.txt)"
printf '%s\n' 'select "Quarterly report"' 'open-inspector mail "Angebot"' 'switch-folder "Sent Items"' \
    close-inspector 'open-inspector mail "Rechnung"' send quit-fast >"$fast_quit"
session "Outlook 2010, fast shutdown" "$sim/officesim.exe" --host outlook --version 14 --script "$(run winepath -w "$fast_quit" | tr -d '\r')"
session "Outlook 2010, default session" "$sim/officesim.exe" --host outlook --version 14
session "Outlook 2007" "$sim/officesim12.exe" --host outlook --version 12
bars2003="$(mktemp --suffix=.txt)"
printf '%s\n' 'click-bar tsyExplorerSave' 'click-bar tsyReplyWithAttachments' 'open-inspector mail "Angebot"' \
    'click-bar tsyInspectorZip' 'switch-folder "Sent Items"' 'switch-folder Inbox' 'unload Tessary.TSY' \
    close-inspector quit >"$bars2003"
session "Outlook 2003 (command bars, then the user unloads the add-in)" "$sim/officesim11.exe" --host outlook --version 11 --script "$(run winepath -w "$bars2003" | tr -d '\r')"
word2003="$(mktemp --suffix=.txt)"
printf '%s\n' 'click-bar tsyWordZip' new-document 'click-bar "Anhang zippen"' 'unload Tessary.TSY' close-document \
    quit >"$word2003"
session "Word 2003 (command bars, then the user unloads the add-in)" "$sim/officesim11.exe" --host word --version 11 --script "$(run winepath -w "$word2003" | tr -d '\r')"
rm -f "$bars2003" "$word2003"
session "Word 2007" "$sim/officesim12.exe" --host word --version 12
rm -f "$fast_quit"

section "Unregistering"
run regsvr32 /u /s "$(run winepath -w "$dll" | tr -d '\r')"
run reg query "HKLM\\Software\\Microsoft\\Office\\Outlook\\Addins\\Tessary.TSY" >/dev/null 2>&1 &&
    echo "still registered!" || echo "Outlook's add-in key is gone"
for progid in Outlook.Application Word.Application; do
    run reg delete "HKLM\\Software\\Classes\\$progid" /f >/dev/null 2>&1
done
exit $status
