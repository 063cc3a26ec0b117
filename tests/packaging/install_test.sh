#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the layout, that the
# installed programs find their data in share/korvex (no build path compiled in), the desktop
# entry and AppStream data, the MIME types, the man page and the bash completion.
# Use: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
unset KORVEX_PROGRAM_DIR KORVEX_DATA_DIR KORVEX_SETTINGS_FILE

failures=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }
check() { local what="$1"; shift; "$@" || fail "$what"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# --- layout -------------------------------------------------------------------------------------
for file in bin/korvex bin/korvex-cli \
            share/korvex/waehrung.umr share/korvex/korvex.ini share/korvex/Beispielsammlung.mvc \
            share/korvex/Beispielsammlung/euro1.jpg share/korvex/ICO/de.bmp share/korvex/hilfe/index.html \
            share/applications/korvex.desktop share/mime/packages/korvex.xml \
            share/metainfo/de.promarbel.korvex.metainfo.xml share/icons/hicolor/scalable/apps/korvex.svg \
            share/icons/hicolor/16x16/apps/korvex.png share/icons/hicolor/256x256/apps/korvex.png \
            share/man/man1/korvex-cli.1 share/bash-completion/completions/korvex-cli; do
  [[ -s "$prefix/$file" ]] || fail "$file fehlt nach der Installation"
done
for size in 16 24 32 48 64 128 256; do
  got="$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/korvex.png" 2>/dev/null || true)"
  [[ "$got" == "${size}x${size}" ]] || fail "Symbol ${size}x${size} ist $got"
done

# No path of the build machine in the programs' texts.
for program in korvex korvex-cli; do
  if readelf -p .rodata "$prefix/bin/$program" | grep -q -F -e "$source" -e "$build"; then
    fail "bin/$program enthält einen Pfad des Build-Rechners"
  fi
done

# --- the installed tool on the installed example --------------------------------------------------
info="$(cd "$work" && "$prefix/bin/korvex-cli" info "$prefix/share/korvex/Beispielsammlung.mvc")" ||
  fail "korvex-cli info auf der installierten Beispielsammlung scheiterte"
grep -q '^Dateiart: ' <<<"$info" || fail "info nennt keine Dateiart: $info"
grep -q '^Sammelgebiete: [1-9]' <<<"$info" || fail "info nennt keine Sammelgebiete: $info"
grep -q '^Münzen: [1-9]' <<<"$info" || fail "info nennt keine Münzen: $info"

# The installed program on its first start copies the example and the lookup file from
# share/korvex into a fresh data folder. No update check: the settings switch it off.
mkdir -p "$work/daten"
printf '[3]\nOnline_Update_Check=0\n' >"$work/korvex.conf"
set +e
KORVEX_DATA_DIR="$work/daten" KORVEX_SETTINGS_FILE="$work/korvex.conf" \
  KORVEX_SERVICE_ADDRESS="https://127.0.0.1:9/webservices/programmservices" \
  timeout 8 "$prefix/bin/korvex" >"$work/korvex.log" 2>&1
set -e
check "Beispielsammlung nicht in den Datenordner kopiert" \
  cmp -s "$prefix/share/korvex/Beispielsammlung.mvc" "$work/daten/Beispielsammlung.mvc"
check "korvex.ini nicht in den Datenordner kopiert" \
  cmp -s "$prefix/share/korvex/korvex.ini" "$work/daten/korvex.ini"

# --- desktop entry, AppStream, MIME types -------------------------------------------------------
check "desktop-file-validate" desktop-file-validate "$prefix/share/applications/korvex.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/de.promarbel.korvex.metainfo.xml" >/dev/null
grep -q '^Exec=korvex %f$' "$prefix/share/applications/korvex.desktop" || fail "Exec-Zeile"

update-mime-database "$prefix/share/mime" 2>/dev/null
export XDG_DATA_DIRS="$prefix/share:/usr/share"
files="$work/dateien"
mkdir -p "$files"
cp "$prefix/share/korvex/Beispielsammlung.mvc" "$files/Sammlung.mvc"
cp "$files/Sammlung.mvc" "$files/Vorlage.mvv"
cp "$files/Sammlung.mvc" "$files/gepackt-ohne-endung"
"$prefix/bin/korvex-cli" convert "$files/Sammlung.mvc" "$files/Sammlung.mvs" >/dev/null
cp "$files/Sammlung.mvs" "$files/xml-ohne-endung"
printf 'Korvexia_250' >"$files/Alt.kvl"
head -c 64 /dev/urandom >>"$files/Alt.kvl"
expect_type() {  # FILE TYPE [DESKTOP]
  local got
  got="$(XDG_CURRENT_DESKTOP="${3:-}" xdg-mime query filetype "$files/$1" 2>/dev/null)"
  [[ "$got" == "$2" ]] || fail "xdg-mime: $1 ist $got, erwartet $2"
}
expect_type Sammlung.mvc application/x-korvex-collection
expect_type Vorlage.mvv application/x-korvex-template
expect_type Sammlung.mvs application/x-korvex-collection+xml
expect_type Alt.kvl application/x-korvex-legacy
# By content alone (GIO reads the magic of the MIME database).
expect_type xml-ohne-endung application/x-korvex-collection+xml
expect_type gepackt-ohne-endung application/x-korvex-collection GNOME
expect_type xml-ohne-endung application/x-korvex-collection+xml GNOME
# A plain ZIP without "mints.xml" is no collection.
(cd "$work" && printf 'x' >andere.txt && zip -q "$files/fremd.zip" andere.txt)
cp "$files/fremd.zip" "$files/fremd-ohne-endung"
expect_type fremd-ohne-endung application/zip GNOME
# The desktop entry offers Korvex for its types.
grep -q 'application/x-korvex-collection;' "$prefix/share/applications/korvex.desktop" || fail "MimeType-Zeile"

# --- man page and bash completion ---------------------------------------------------------------
man_text="$(MANWIDTH=100 man -l "$prefix/share/man/man1/korvex-cli.1" 2>"$work/man.err")" || fail "man -l"
[[ ! -s "$work/man.err" ]] || fail "man meldet: $(cat "$work/man.err")"
while read -r command _; do
  grep -qE "^ +$command (—|-)" <<<"$man_text" || fail "Handbuchseite ohne Befehl $command"
done < <("$prefix/bin/korvex-cli" --help | sed -n '/^Befehle:/,/^$/p' | sed -n 's/^  \([a-z]*\) .*/\1/p')
grep -q -- '--password' <<<"$man_text" || fail "Handbuchseite ohne --password"

# (Read into a string first: grep -q on a pipe would end the writer early, which pipefail reports.)
completions() {  # the words bash offers after the given command line
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _korvex_cli; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$prefix/share/bash-completion/completions/korvex-cli" "$@"
}
[[ "$(completions korvex-cli in)" == "info" ]] || fail "Vervollständigung von 'in': $(completions korvex-cli in)"
grep -qx print <<<"$(completions korvex-cli "")" || fail "Vervollständigung ohne print"
[[ "$(completions korvex-cli info --pa)" == "--password" ]] || fail "Vervollständigung von 'info --pa'"
grep -qx statistics <<<"$(completions korvex-cli print "")" || fail "Vervollständigung ohne print statistics"
grep -qx merge <<<"$(completions korvex-cli lookup "")" || fail "Vervollständigung ohne lookup merge"
grep -qx -- --landscape <<<"$(completions korvex-cli print list --la)" || fail "Vervollständigung ohne --landscape"

if (( failures > 0 )); then
  echo "$failures Prüfungen gescheitert" >&2
  exit 1
fi
echo "Installation geprüft"
