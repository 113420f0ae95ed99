#!/bin/sh
# Validates customUI documents against Office's schema with xmllint: exit 77 (skipped) without the
# schema beside the checkout, a failure without xmllint (CI installs it).
# usage: CheckCustomUI.sh <schema.xsd> <document>...
schema="$1"; shift
if [ ! -f "$schema" ]; then echo "skipped: the customUI schema $schema is absent"; exit 77; fi
if ! command -v xmllint >/dev/null 2>&1; then echo "xmllint is missing (Debian package libxml2-utils)"; exit 1; fi
exec xmllint --noout --schema "$schema" "$@"
