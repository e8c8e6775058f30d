#!/usr/bin/env bash
# The sources follow the repository's .clang-format.
set -euo pipefail
cd "$1"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
