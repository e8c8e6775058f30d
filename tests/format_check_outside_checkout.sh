#!/usr/bin/env bash
# format_check.sh run on a folder that is no git checkout, as in CI: it must
# fail and say why, not pass having checked nothing.
set -uo pipefail
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
GIT_CEILING_DIRECTORIES=$(dirname "$folder") "$1" "$folder" >"$folder.out" 2>&1
status=$?
cat "$folder.out"
if [ "$status" -ne 1 ] || ! grep -q "not a git checkout" "$folder.out"; then
    echo "expected exit status 1 and a message, got $status" >&2
    rm -f "$folder.out"
    exit 1
fi
rm -f "$folder.out"
echo "outside a checkout the check fails loudly"
