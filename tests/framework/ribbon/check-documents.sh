#!/usr/bin/env bash
# Runs the tests that produce customUI documents (those the gtest filter selects) with RIBBON_DOCUMENTS
# set, so that they keep every document they produce, then validates each one natively with xmllint
# against the published schema of its namespace. (The tests run under Wine; checking here needs no Linux program started from
# Wine and sees xmllint's exit code directly.)
# usage: check-documents.sh <schema folder> <documents folder> <gtest filter> <test program, with its
#        runner first>
set -u
schemas="$1"
docs="$2"
filter="$3"
shift 3
if [ ! -d "$schemas" ]; then
    echo "SKIPPED: no customUI schemas at $schemas; the documents are not validated"
    exit 77
fi
command -v xmllint >/dev/null || { echo "xmllint is missing (Debian package libxml2-utils)"; exit 1; }

rm -rf "$docs"
mkdir -p "$docs"
if ! RIBBON_DOCUMENTS="$docs" "$@" --gtest_filter="$filter" >"$docs/tests.log" 2>&1; then
    tail -n 40 "$docs/tests.log"
    echo "the tests that produce the documents failed"
    exit 1
fi

shopt -s nullglob
files=("$docs"/*.xml)
if [ ${#files[@]} -eq 0 ]; then
    echo "no documents in $docs: the tests kept none"
    exit 1
fi
failed=0
v2006=()
v2009=()
for file in "${files[@]}"; do
    ns="$(xmllint --xpath 'namespace-uri(/*)' "$file" 2>&1)" || { echo "$file: not well-formed: $ns"; failed=1; continue; }
    case "$ns" in
        http://schemas.microsoft.com/office/2006/01/customui) v2006+=("$file") ;;
        http://schemas.microsoft.com/office/2009/07/customui) v2009+=("$file") ;;
        *) echo "$file: root namespace \"$ns\" is no customUI namespace"; failed=1 ;;
    esac
done
if [ ${#v2006[@]} -gt 0 ]; then
    xmllint --noout --schema "$schemas/customUI.libxml2.xsd" "${v2006[@]}" 2>&1 | grep -v ' validates$' && failed=1
fi
if [ ${#v2009[@]} -gt 0 ]; then
    xmllint --noout --schema "$schemas/customUI14.libxml2.xsd" "${v2009[@]}" 2>&1 | grep -v ' validates$' && failed=1
fi
echo "${#files[@]} documents checked: ${#v2006[@]} in the 2006 namespace, ${#v2009[@]} in the 2009 namespace"
exit $failed
