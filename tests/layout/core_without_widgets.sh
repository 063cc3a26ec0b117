#!/usr/bin/env bash
# Fails when core code includes a Qt Widgets header or a header from a gui/ folder. Core code is
# the top level of every folder below SRC (src/<subsystem>/*.h, *.cpp) and of every further
# folder named (cli/).
# Use: core_without_widgets.sh QTWIDGETS_INCLUDE_DIR SRC [FOLDER...]
set -euo pipefail
widgets="$1"
src="$2"
shift 2
[[ -d "$widgets" ]] || { echo "no Qt Widgets include folder: $widgets" >&2; exit 2; }

status=0
checked=0
while IFS= read -r file; do
  checked=$((checked + 1))
  while IFS= read -r header; do
    name="${header#QtWidgets/}"
    if [[ "$header" == QtWidgets/* || "$header" == */gui/* || -e "$widgets/$name" ]]; then
      echo "$file: core code includes $header" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]\([^>"]*\)[>"].*/\1/p' "$file")
done < <({ find "$src" -mindepth 2 -maxdepth 2 -type f \( -name '*.h' -o -name '*.cpp' \)
           for folder in "$@"; do
             find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \)
           done; } | sort)

[[ "$checked" -gt 0 ]] || { echo "no core sources below $src" >&2; exit 2; }
echo "$checked core sources checked"
exit "$status"
