#!/usr/bin/env bash
# Fails when a library's code includes a header of a library above it or beside it, so that the
# dependencies between the folders below SRC point one way. Each folder has a rank; a file may
# include headers of its own folder and of folders with a lower rank. Every gui/ folder ranks
# above every core folder, and folders of equal rank stay apart.
# Use: include_direction.sh SRC
set -euo pipefail
src="$1"

declare -A rank=(
  [model]=0 [platform]=1 [help]=2 [files]=2 [dialogs]=2 [reports]=3 [online]=3 [mainwindow]=4
  [help/gui]=10 [files/gui]=10 [reports/gui]=11 [online/gui]=11 [dialogs/gui]=12 [mainwindow/gui]=13
)

folder_of() {  # "files/gui/tpasswort.h" -> "files/gui"
  local path="$1"
  case "$path" in
    */gui/*) echo "${path%%/*}/gui" ;;
    */*) echo "${path%%/*}" ;;
  esac
}

status=0
checked=0
while IFS= read -r file; do
  own="$(folder_of "${file#"$src"/}")"
  [[ -n "${rank[$own]+set}" ]] || { echo "$file: folder $own has no rank" >&2; status=1; continue; }
  checked=$((checked + 1))
  while IFS= read -r header; do
    other="$(folder_of "$header")"
    [[ -n "$other" && -n "${rank[$other]+set}" && "$other" != "$own" ]] || continue
    if (( rank[$other] >= rank[$own] )); then
      echo "$file: $own includes $header from $other" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

[[ "$checked" -gt 0 ]] || { echo "no sources below $src" >&2; exit 2; }
echo "$checked sources checked"
exit "$status"
