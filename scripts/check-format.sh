#!/usr/bin/env bash
# Checks every C++ file of the repository against .clang-format and lists the
# ones it would change; exits non-zero when there are any. Nothing is rewritten.
# CLANG_FORMAT picks another clang-format binary.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter="${CLANG_FORMAT:-clang-format}"
if ! command -v "$formatter" >/dev/null; then
  echo "check-format: $formatter not found (Debian package clang-format)" >&2
  exit 2
fi

unformatted=()
while IFS= read -r -d '' file; do
  if ! "$formatter" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.hpp' '*.cc')

if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}"
  echo "check-format: ${#unformatted[@]} file(s) differ from .clang-format" >&2
  exit 1
fi
echo "check-format: all files formatted"
