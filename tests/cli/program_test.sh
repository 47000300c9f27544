#!/usr/bin/env bash
# The terminal edition as a person or a script runs it: command line, exit
# status and transcript on standard output.
set -u
cli="$1"
examples="$(dirname "$0")/examples"
passes=0
failures=0
check() {  # description, then a command whose success means the check holds
  local what="$1"; shift
  if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

check "new game example" diff <("$cli" --seed 1 < "$examples/new-game.script") "$examples/new-game.transcript"
check "opening example" diff <("$cli" --seed 42 --answers yn < "$examples/opening.script") "$examples/opening.transcript"
check "scenario 260 example" diff <("$cli" --seed 7 --answers y < "$examples/scenario-260.script") "$examples/scenario-260.transcript"

first=$(printf 'dump\n' | "$cli" | head -n 1)
check "without --seed the seed comes first" grep -Eq '^seed [0-9]+$' <<<"$first"
seed=${first#seed }
check "the printed seed replays the same game" \
  diff <(printf 'end\nend\ndump\n' | "$cli" --seed "$seed" --answers y) <(printf 'end\nend\ndump\n' | "$cli" --answers y --seed "$seed")
check "two unseeded starts differ" test "$(printf '' | "$cli" | head -n 1)" != "$first"

"$cli" --skill 7 </dev/null >/dev/null 2>&1; status=$?
check "a bad command line is refused" test "$status" -eq 2
printf 'end\n' | "$cli" --seed 3 --answers y >/dev/null; status=$?
check "end of input ends with status 0" test "$status" -eq 0

dir=$(mktemp -d)
printf '0 # turn\nnonsense\n' > "$dir/bad.avn"
out=$(printf 'dump\nload %s\ndump\n' "$dir/bad.avn" | "$cli" --seed 5)
check "a refused file prints an error line" grep -q '^error "Unable to load file' <<<"$out"
check "a refused file changes nothing" test "$(sed -n 1p <<<"$out")" = "$(sed -n 3p <<<"$out")"
out=$(printf 'save %s\nload %s\nsave %s\n' "$dir/a.avn" "$dir/a.avn" "$dir/b.avn" | "$cli" --seed 5)
check "save prints saved" test "$out" = $'saved\nsaved'
check "save, load, save gives the same file" cmp -s "$dir/a.avn" "$dir/b.avn"
out=$(printf 'save %s\nload %s  \n' "$dir/my game.avn" "$dir/my game.avn" | "$cli" --seed 5)
check "a path with blanks is saved and loaded whole" test "$out" = saved -a -f "$dir/my game.avn" -a ! -e "$dir/my"
mkfifo "$dir/pipe.avn"
out=$(printf 'load %s\n' "$dir/pipe.avn" | timeout 10 "$cli" --seed 5)
check "a pipe is refused at once" grep -q '^error "Unable to open file: it is not an ordinary file' <<<"$out"
printf '0 # turn\n\033[2J\033]0;pwned\007\n' > "$dir/escape.avn"
out=$(printf 'load %s\nno\033[31msuch order\nscenario \033[2J\ndrop \033]0;x\007 Italia\ndrop Italia \342\200\256ailatI\n' "$dir/escape.avn" |
      "$cli" --seed 5 --plain 2>&1)
check "no escape sequence from a file or an order reaches the terminal" test "$(tr -d -c '\033\007' <<<"$out")" = ""
check "what is echoed shows its hidden characters" grep -q 'no province called ?ailatI' <<<"$out"
out=$(printf 'save %s\n' "$dir/missing/x.avn" | "$cli" --seed 5)
check "an unwritable path prints the writer's reason" test "$out" = 'error "Unable to open file: the folder does not exist."'
printf '0 # turn\nn\303\244\n' > "$dir/bad.avn"
out=$(printf 'load %s\n' "$dir/bad.avn" | "$cli" --seed 5 --plain --lang de)
check "a plain game tells a refused file's reason in its language, the file's own words printable" \
  grep -q 'Die Datei lässt sich nicht laden: „n?“: Nur Kommentare' <<<"$(tr '\n' ' ' <<<"$out")"
rm -rf "$dir"

out=$( (echo 'scenario 455'; yes end | head -n 40) | "$cli" --seed 11 --answers n)
check "a No at the last question quits" test "$(tail -n 1 <<<"$out")" = quit

# The plain mode speaks the language gettext's variables name, or --lang's; the protocol stays English.
check "the protocol is English under a German locale" \
  diff <(LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 "$cli" --seed 1 < "$examples/new-game.script") "$examples/new-game.transcript"
out=$(printf 'status\nend\nsttus\nquit\n' | LC_ALL=de_DE.UTF-8 "$cli" --seed 1 --answers y --plain)
check "a plain game speaks German under a German locale" \
  grep -q 'Wir schreiben das Jahr 235.*Staatskasse.*Unbekannter Befehl: sttus' <<<"$(tr '\n' ' ' <<<"$out")"
check "--lang outweighs the locale" grep -q 'Trésor' <<<"$(printf 'status\n' | LANG=de_DE.UTF-8 "$cli" --seed 1 --plain --lang fr)"
check "a language of none of ours is English" \
  grep -q 'Treasury' <<<"$(printf 'status\n' | LC_ALL= LC_MESSAGES=pt_BR LANG=de_DE "$cli" --seed 1 --plain)"
check "--help speaks the language" grep -q 'Absätze' <<<"$(LC_ALL=de_DE.UTF-8 "$cli" --help 2>&1)"
"$cli" --lang xx </dev/null >/dev/null 2>&1; status=$?
check "an unknown --lang is refused" test "$status" -eq 2

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
