#!/usr/bin/env bash
# Checks every tracked .cpp and .h against .clang-format with Debian's clang-format 14: other
# major versions lay out some constructs differently, so their verdict would not be the repo's.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format="${CLANG_FORMAT:-clang-format-14}"
if ! command -v "$clang_format" >/dev/null; then
  echo "Format check needs clang-format 14 ($clang_format not found; scripts/setup-debian.sh installs it)." >&2
  exit 1
fi
version=$("$clang_format" --version)
if [[ ! "$version" =~ version\ 14\. ]]; then
  echo "Format check needs clang-format 14, but $clang_format is: $version" >&2
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
"$clang_format" --dry-run --Werror "${files[@]}"
echo "Format check: ${#files[@]} files clean."
