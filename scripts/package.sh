#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) in the default build folder build/,
# which the test run has just built, unpacks it and checks it: every file a
# desktop program installs, permissions, the desktop entry, the AppStream
# metadata, lintian without errors, manual pages that list every option and
# the exit codes, and the bash completion. Installs the Debian tools it needs
# (as root, only what is missing).
# ZOMAR_BUILD_DIR=DIR checks another build folder (configured, with the tools
# installed) instead; it is built whole, as cpack's preinstall step would.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "${ZOMAR_BUILD_DIR:-}" ]; then
  build=$ZOMAR_BUILD_DIR
  cmake --build "$build" -j2 >/dev/null
else
  build=build
  ZOMAR_PACKAGE_TOOLS=1 scripts/setup.sh default >/dev/null
fi

passed=0
failed=0
check() { # description, then a command that succeeds when it holds
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "package: FAILED: $what" >&2
  fi
}

rm -f "$build"/zomar-setup_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/zomar-setup" --version |
  awk '{ print $2 }')
deb=$build/zomar-setup_${version}_$(dpkg --print-architecture).deb
check "package $deb is built" test -f "$deb"
check "package version is $version" test "$(dpkg-deb -f "$deb" Version)" = "$version"
echo "package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
usr=$root/usr
# Each desktop program has its id for the desktop entry, metadata and icons.
ids=(io.github.zomar.ZomarSetup io.github.zomar.ZomarStation)
programs=(zomar-setup zomar-cli zomar-station)

expected=(share/doc/zomar-setup/copyright share/doc/zomar-setup/changelog.gz
          share/lintian/overrides/zomar-setup)
for id in "${ids[@]}"; do
  expected+=(share/applications/$id.desktop share/metainfo/$id.metainfo.xml
             share/icons/hicolor/scalable/apps/$id.svg)
  for size in 16 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x$size/apps/$id.png)
  done
done
for p in "${programs[@]}"; do
  expected+=(bin/$p share/man/man1/$p.1.gz)
done
expected+=(share/bash-completion/completions/zomar-cli)
for f in "${expected[@]}"; do
  check "usr/$f is in the package" test -f "$usr/$f"
done
for id in "${ids[@]}"; do
  for size in 16 32 48 64 128 256; do
    check "the ${size}px icon of $id is ${size}x$size" \
      grep -q "PNG image data, $size x $size," <(file "$usr/share/icons/hicolor/${size}x$size/apps/$id.png")
  done
done
check "nothing outside usr/" test "$(ls "$root")" = usr
check "no setuid or setgid file" test -z "$(find "$root" -perm /6000)"
check "no udev rule" test -z "$(find "$root" -path '*udev*')"
check "directories 0755" test -z "$(find "$root" -mindepth 1 -type d ! -perm 0755)"
check "programs 0755" test -z "$(find "$usr/bin" -type f ! -perm 0755)"
check "other files 0644" test -z "$(find "$root" -type f ! -path "$usr/bin/*" ! -perm 0644)"
for p in "${programs[@]}"; do
  check "$p is stripped" grep -q ', stripped' <(file "$usr/bin/$p")
done
check "changelog.gz has no name or time stamp (gzip -n)" \
  test "$(od -An -tx1 -j4 -N4 "$usr/share/doc/zomar-setup/changelog.gz" | tr -d ' ')" = 00000000
check "changelog is for $version" \
  grep -q "^zomar-setup ($version) " <(zcat "$usr/share/doc/zomar-setup/changelog.gz")

# Desktop entries and AppStream metadata.
# Their one pedantic note, cid-contains-uppercase-letter, is the reverse-DNS
# id's CamelCase, kept the same in the desktop entry and icon names.
validate_metainfo() {
  appstreamcli validate --no-net "$1" | sed -e '/^$/d' -e 's/^/appstream: /'
  return "${PIPESTATUS[0]}"
}
for id in "${ids[@]}"; do
  desktop=$usr/share/applications/$id.desktop
  check "desktop-file-validate $id" desktop-file-validate "$desktop"
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  check "Exec= names an installed program ($exec_program)" test -x "$usr/bin/$exec_program"
  check "Icon= is the id $id" grep -qx "Icon=$id" "$desktop"
  metainfo=$usr/share/metainfo/$id.metainfo.xml
  check "appstreamcli validate $id" validate_metainfo "$metainfo"
  check "metainfo id is $id" grep -q "<id>$id</id>" "$metainfo"
  check "metainfo release of $id is $version" grep -q "<release version=\"$version\"" "$metainfo"
done

# Lintian: no error; the warnings it prints are kept few by hand.
lintian_log=$root.lintian
run_lintian() { lintian --fail-on error --display-info "$deb" >"$lintian_log" 2>&1; }
check "lintian without errors" run_lintian
sed -e '/running with root privileges/d' -e 's/^/lintian: /' "$lintian_log"
rm -f "$lintian_log"

# Manual pages: they render, and list every option of --help (for zomar-cli
# every command and every option of each) and the exit codes.
page_text() { LC_ALL=C MANWIDTH=200 man --nh --nj -l "$usr/share/man/man1/$1.1.gz" 2>&1; }
help_of() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$1" "${@:2}" --help; }
# The long options of the option lines of a help text ("  -h, --help  ...").
options_in() { sed -nE 's/^  (-[^ ].*)/\1/p' | sed -E 's/  .*//' | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u; }
covers() { # page, then words that must all be in it
  covers_text "$1.1" "$(page_text "$1")" "${@:2}"
}
covers_text() { # name, text, then words that must all be in the text
  local missing=()
  for w in "${@:3}"; do grep -qF -- "$w" <<<"$2" || missing+=("$w"); done
  [ ${#missing[@]} -eq 0 ] || { echo "package: $1 lacks: ${missing[*]}" >&2; return 1; }
}
# The rendered text of one section ("EXIT STATUS") or subsection ("read") of
# a page, blanks squeezed: up to the next heading of either kind.
section_of() { # page, heading
  page_text "$1" | awk -v s="$2" '
    $0 == s || $0 == "   " s { on = 1; next }
    on && /^(   )?[^ ]/      { exit }
    on' | tr -s ' '
}
man_warnings() { LC_ALL=C man --warnings -l "$usr/share/man/man1/$1.1.gz" 2>&1 >/dev/null; }
for p in "${programs[@]}"; do
  check "man $p renders without warnings" test -z "$(man_warnings "$p")"
done
mapfile -t setup_options < <(help_of zomar-setup | options_in)
check "man zomar-setup lists its options" covers zomar-setup "${setup_options[@]}"
check "man zomar-setup has EXIT STATUS" covers zomar-setup "EXIT STATUS"
mapfile -t station_options < <(help_of zomar-station | options_in)
check "man zomar-station lists its options" covers zomar-station "${station_options[@]}"
check "man zomar-station has EXIT STATUS" covers zomar-station "EXIT STATUS"

cli_help=$(help_of zomar-cli)
mapfile -t commands < <(sed -n '/^Commands:/,/^$/s/^  \([^ ][^ ]*\).*/\1/p' <<<"$cli_help")
check "zomar-cli --help lists commands" test ${#commands[@]} -gt 0
mapfile -t exit_codes < <(sed -n '/^Exit codes:/,/^$/s/^  \([0-9][0-9]*\) .*/\1/p' <<<"$cli_help")
check "zomar-cli --help lists exit codes" test ${#exit_codes[@]} -gt 0
check "man zomar-cli lists its commands" covers zomar-cli "${commands[@]/#/zomar-cli }"
exit_status=$(section_of zomar-cli "EXIT STATUS")
for code in "${exit_codes[@]}"; do
  line=$(sed -n "/^Exit codes:/,/^\$/s/^  $code  *//p" <<<"$cli_help" | tr -s ' ')
  check "man zomar-cli has exit code $code" covers_text "EXIT STATUS" "$exit_status" " $code $line"
done
# Each command's options in that command's own subsection.
for c in "${commands[@]}"; do
  mapfile -t opts < <(help_of zomar-cli "$c" | options_in)
  check "man zomar-cli lists the options of $c" \
    covers_text "zomar-cli.1 ($c)" "$(section_of zomar-cli "$c")" "${opts[@]}"
done

# Bash completion, as bash-completion loads it, on the packaged program.
completion() { # words of the command line; prints the candidates, one a line
  PATH=$usr/bin:$PATH bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _zomar_cli zomar-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}"' _ "$usr/share/bash-completion/completions/zomar-cli" "$@" |
    sort
}
same() { test "$1" = "$2" || { printf 'package: got [%s], want [%s]\n' "$1" "$2" >&2; return 1; }; }
check "completion: the commands" same "$(completion zomar-cli '')" \
  "$(printf '%s\n' "${commands[@]}" | sort)"
check "completion: the options of read" same "$(completion zomar-cli read --)" \
  "$(help_of zomar-cli read | options_in)"
# A command's fixed argument words ("profile check FILE"), or the choices its
# usage line joins with "|" ("records list|unknown|...").
for c in "${commands[@]}"; do
  first=$(help_of zomar-cli "$c" | sed -n '/^Usage:/s/.*\[options\] *//p' | tr ' ' '\n' |
    { grep -F '|' || true; } | head -1 | tr '|' '\n' | sort)
  [ -n "$first" ] ||
    first=$(help_of zomar-cli "$c" | sed -n '/^Arguments:/,/^$/s/^  \([^ ][^ ]*\).*/\1/p' | head -1)
  case $first in
    '' | *[Ff][Ii][Ll][Ee]*) ;;
    *) check "completion: $c's argument $first" same "$(completion zomar-cli "$c" '')" "$first" ;;
  esac
done
check "completion: --band" same "$(completion zomar-cli read --band '')" "$(printf '433\n868')"
check "completion: --baud" grep -qx 38400 <(completion zomar-cli read --baud '')
check "completion: --trace takes file names" grep -qx /etc/hostname \
  <(completion zomar-cli read --trace /etc/hostn)
if compgen -G '/dev/tty[!0-9]*' >/dev/null; then
  check "completion: --device offers serial devices, not consoles" \
    test -z "$(completion zomar-cli read --device /dev/tty | grep -vE '^/dev/tty[^0-9]')"
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
