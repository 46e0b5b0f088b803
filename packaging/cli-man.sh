#!/bin/sh
# Prepares the manual page of zomar-cli for help2man from the program itself:
#   OUTDIR/zomar-cli.h2m  an include file with a COMMANDS section (a
#                         subsection per command listed under "Commands:" in
#                         `zomar-cli --help`, from that command's own --help),
#                         EXAMPLES and EXIT STATUS from the "Examples:" and
#                         "Exit codes:" paragraphs of `zomar-cli --help`;
#   OUTDIR/bin/zomar-cli  what help2man runs: it answers --help with the
#                         program's help less those two paragraphs (help2man
#                         would run the example lines together) and --version
#                         with the program's version.
# Usage: cli-man.sh ZOMAR_CLI OUTDIR
set -eu
cli=$1
out=$2
mkdir -p "$out/bin"
help=$("$cli" --help)

# The lines of the paragraph headed $1 (up to the next blank line).
paragraph() {
  printf '%s\n' "$help" | awk -v head="$1" '
    $0 == head         { on = 1; next }
    on && /^[ \t]*$/   { exit }
    on                 { print }'
}

commands=$(paragraph "Commands:" | awk '/^  [^ ]/ { print $1 }')
if [ -z "$commands" ]; then
  echo "cli-man.sh: no commands found under \"Commands:\" in $cli --help" >&2
  exit 1
fi

# Help text to roff: headings ("Options:") in bold, each "  term   text"
# line as a tagged paragraph (wrapped text joined), the rest as plain text.
# A command's exit codes are the program's: the page lists them once.
to_roff='
function esc(s) {
  gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s)
  if (s ~ /^[.'"'"']/) s = "\\&" s
  return s
}
function term(s,   n, i, w, r, c) {
  n = split(esc(s), w, " ")
  for (i = 1; i <= n; i++) {
    c = ""
    if (w[i] ~ /,$/) { c = ","; w[i] = substr(w[i], 1, length(w[i]) - 1) }
    if (w[i] ~ /^\\-/)      w[i] = "\\fB" w[i] "\\fR" c
    else if (w[i] ~ /^</)   w[i] = "\\fI" w[i] "\\fR" c
    else                    w[i] = "\\fB" w[i] "\\fR" c
    r = (i > 1 ? r " " : "") w[i]
  }
  return r
}
/^[ \t]*$/ { skip = 0; next }
skip { next }
/^Usage: / { sub(/^Usage: /, ""); print ".PP"; print "\\fB" esc($0) "\\fR"; next }
/^Exit codes:/ { skip = 1; next }
/^[^ ].*:[ \t]*$/ { print ".PP"; print "\\fB" esc($0) "\\fR"; next }
/^  [^ ]/ {
  line = substr($0, 3)
  if (match(line, /   */)) {
    print ".TP"; print term(substr(line, 1, RSTART - 1))
    print esc(substr(line, RSTART + RLENGTH))
  } else {
    print ".TP"; print term(line)
  }
  next
}
/^   / { sub(/^ +/, ""); print esc($0); next }
{ print ".PP"; print esc($0) }
'

{
  printf '%s\n' "[COMMANDS]" \
    'Each command takes the options shown with it; \fBzomar\-cli \fICOMMAND\fB \-\-help\fR prints the same.'
  for c in $commands; do
    printf '.SS %s\n' "$c"
    "$cli" "$c" --help | awk "$to_roff"
  done
  printf '\n[EXAMPLES]\n'
  printf '.PP\n.nf\n'
  paragraph "Examples:" | awk '{ sub(/^ +/, ""); gsub(/\\/, "\\e"); gsub(/-/, "\\-"); print }'
  printf '.fi\n'
  printf '\n[EXIT STATUS]\n'
  paragraph "Exit codes:" | awk "$to_roff"
} >"$out/zomar-cli.h2m.tmp"
mv "$out/zomar-cli.h2m.tmp" "$out/zomar-cli.h2m"

printf '%s\n' "$help" | awk '
  /^(Examples|Exit codes):$/ { skip = 1; next }
  /^[ \t]*$/                 { skip = 0 }
  !skip' >"$out/help.txt"
"$cli" --version >"$out/version.txt"
cat >"$out/bin/zomar-cli" <<EOF
#!/bin/sh
case "\$1" in
  --version) cat '$out/version.txt' ;;
  *) cat '$out/help.txt' ;;
esac
EOF
chmod +x "$out/bin/zomar-cli"
