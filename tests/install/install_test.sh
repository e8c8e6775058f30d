#!/usr/bin/env bash
# Installs the build into a folder of its own and checks what a desktop finds
# there: the program, a valid desktop entry and the icon.
set -euo pipefail
build=$1 icon=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$prefix/bin/velumo" ] || fail "no program in bin/"
entry=$prefix/share/applications/velumo.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx 'Name=Velumo手話学習' "$entry" || fail "Name"
grep -qx 'Comment=手話を学習するためのソフトウェアです。' "$entry" || fail "Comment"
grep -qx 'Exec=velumo' "$entry" || fail "Exec"
grep -qx 'Icon=velumo' "$entry" || fail "Icon"
grep -qx 'Categories=Education;' "$entry" || fail "Categories"

png=$prefix/share/icons/hicolor/32x32/apps/velumo.png
[ -f "$png" ] || fail "no icon in the hicolor theme"
[ "$(identify -format '%m %w %h' "$png")" = "PNG 32 32" ] || fail "icon is no 32 x 32 PNG"
# The same picture as the windows' icon, pixel for pixel.
differing=$(compare -metric AE "$png" "$icon" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "icon differs from icon.ico in $differing pixels"
echo "install: program, desktop entry and icon in place"
