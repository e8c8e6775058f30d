#!/usr/bin/env bash
# The sources follow the repository's .clang-format. Outside a git checkout
# or without clang-format the check cannot run: that is a skip on a
# developer's machine, and a failure in CI (CI=true), where it must run.
set -euo pipefail
cd "$1"

cannot_run() {
    echo "format: $1" >&2
    if [ "${CI:-}" = true ]; then
        exit 1
    fi
    exit 77
}

command -v clang-format >/dev/null || cannot_run "clang-format is not installed"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || cannot_run "$PWD is not a git checkout"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
# clang-format given no file would check its standard input and pass.
[ ${#files[@]} -gt 0 ] || cannot_run "git lists no source files in $PWD"
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
