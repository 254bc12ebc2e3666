#!/usr/bin/env bash
# Writes the bash completion of klarvon-cli from the program itself, so the two never
# disagree: the commands, their flags and what each argument is come from the synopsis
# lines of --help (as the manual page's do); the field names of both layouts and the
# model names from the header and rows of `dump` on a demo executable.
#   make-completion.sh PROGRAM OUTPUT
set -euo pipefail
program=$1
output=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$program" demo "$work/demo.exe" >/dev/null
header() { "$program" dump "$work/demo.exe" "$@" | head -n 1; }
# The dump's columns besides the fields, and its model column.
fields_of() { header "$@" | tr ',' '\n' | grep -vxE 'id|name|model|bytes' | paste -sd' ' -; }
editor_fields=$(fields_of)
game_fields=$(fields_of --game)
model_column=$(header | tr ',' '\n' | grep -nx model | cut -d: -f1)
models=$("$program" dump "$work/demo.exe" | tail -n +2 | cut -d, -f"$model_column" | grep . | paste -sd' ' -)
ids=$("$program" dump "$work/demo.exe" | tail -n +2 | cut -d, -f1 | paste -sd' ' -)
if [ -z "$editor_fields" ] || [ -z "$game_fields" ] || [ -z "$models" ] || [ -z "$ids" ]; then
  echo "make-completion.sh: $program dump gave no fields or names" >&2
  exit 1
fi

# What an argument is, from its placeholder in the synopsis: a vehicle, a FIELD=VALUE
# assignment, a field name, a bank's number (nothing to offer), or else a file.
kind_of() {
  case $1 in
  ID | FROM | TO) echo vehicle ;;
  BANK) echo none ;;
  FIELD=*) echo assignment ;;
  FIELD) echo field ;;
  *) echo file ;;
  esac
}

# Per command (a synopsis wrapped onto indented lines read as one): its flags (a flag followed by a placeholder takes a value: a file, or a
# number where the placeholder is N), and
# its arguments' kinds in order, the last one repeating when the synopsis has "...".
cases=""
commands=""
while read -r name rest; do
  flags="" value_flags="" number_flags="" kinds="" repeats=false
  read -ra words <<<"${rest//[][]/ }"
  for ((i = 0; i < ${#words[@]}; i++)); do
    word=${words[$i]}
    if [[ $word == --* ]]; then
      flags+=" $word"
      if [[ ${words[$((i + 1))]:-} =~ ^[A-Z] ]]; then
        value_flags+=" $word"
        [ "${words[$((i + 1))]}" != N ] || number_flags+=" $word"
        i=$((i + 1))
      fi
    elif [ "$word" = ... ]; then
      repeats=true
    elif [ "$word" != "|" ]; then
      kinds+=" $(kind_of "$word")"
    fi
  done
  commands+=" $name"
  cases+="    $name) flags='--help$flags' value_flags='${value_flags# }' number_flags='${number_flags# }' kinds='${kinds# }' repeats=$repeats ;;"$'\n'
done < <("$program" --help | sed -n '/^usage:$/,/^[^ ]/{/^  /s/^  [^ ]* //p}' | grep -v '^-' |
  awk '/^ / { line = line $0; next } NR > 1 { print line } { line = $0 } END { print line }')

cat >"$output.tmp" <<EOF
# bash completion for klarvon-cli, written by make-completion.sh from the program's own
# --help and dump. zsh reads it too, after: autoload -U bashcompinit && bashcompinit

_klarvon_cli_words() {
  # The words before the cursor, quotes taken away, and the one being typed: the
  # command line is read whole, since bash splits FIELD=VALUE at its '='.
  [ -z "\${ZSH_VERSION:-}" ] || emulate -L ksh
  local line=\${COMP_LINE:0:\$COMP_POINT} word="" quote="" c i
  words=()
  for ((i = 0; i < \${#line}; i++)); do
    c=\${line:\$i:1}
    if [ -n "\$quote" ]; then
      if [ "\$c" = "\$quote" ]; then quote=""; else word+=\$c; fi
    elif [ "\$c" = "'" ] || [ "\$c" = '"' ]; then
      quote=\$c
    elif [ "\$c" = '\\' ]; then
      i=\$((i + 1))
      word+=\${line:\$i:1}
    elif [ "\$c" = ' ' ] || [ "\$c" = \$'\\t' ]; then
      [ -z "\$word" ] || words+=("\$word")
      word=""
    else
      word+=\$c
    fi
  done
  cur=\$word
}

_klarvon_cli() {
  # zsh runs this through bashcompinit; its ksh mode splits words and counts arrays
  # from 0 as bash does. Words found are never taken as patterns (set -f), in either.
  if [ -n "\${ZSH_VERSION:-}" ]; then emulate -L ksh; else local -; fi
  set -f
  local words cur IFS=\$' \t\n'
  _klarvon_cli_words
  local candidates="" nospace=false files=false
  if [ "\${#words[@]}" -le 1 ]; then
    candidates="${commands# } --help --version"
  else
    local command=\${words[1]} flags="" value_flags="" number_flags="" kinds="" repeats=false
    case \$command in
$cases    *) return 0 ;;
    esac
    local game=false options_end=false positionals=0 i word
    for ((i = 2; i < \${#words[@]}; i++)); do
      word=\${words[i]}
      if [ "\$options_end" = false ] && [[ \$word == --* ]]; then
        [ "\$word" != -- ] || options_end=true
        [ "\$word" != --game ] || game=true
        [[ " \$value_flags " != *" \$word "* ]] || i=\$((i + 1))
      else
        positionals=\$((positionals + 1))
      fi
    done
    local previous=\${words[\${#words[@]} - 1]}
    local -a kind_list
    kind_list=(\$kinds)
    local kind=none
    if [ "\${#words[@]}" -gt 2 ] && [ "\$options_end" = false ] &&
      [[ " \$value_flags " == *" \$previous "* ]]; then
      [[ " \$number_flags " == *" \$previous "* ]] || kind=file
    elif [ "\$options_end" = false ] && [[ \$cur == --*=* ]] &&
      [[ " \$value_flags " == *" \${cur%%=*} "* ]]; then
      [[ " \$number_flags " == *" \${cur%%=*} "* ]] || kind=file
    elif [ "\$options_end" = false ] && [[ \$cur == -* ]]; then
      candidates=\$flags
    elif [ "\$positionals" -lt "\${#kind_list[@]}" ]; then
      kind=\${kind_list[positionals]}
    elif [ "\$repeats" = true ] && [ "\${#kind_list[@]}" -gt 0 ]; then
      kind=\${kind_list[\${#kind_list[@]} - 1]}
    fi
    local fields="$editor_fields"
    [ "\$game" = false ] || fields="$game_fields"
    case \$kind in
    file) files=true ;;
    vehicle) candidates="$models $ids" ;;
    field) candidates=\$fields ;;
    assignment)
      if [[ \$cur != *=* ]]; then
        candidates=\$(printf '%s= ' \$fields)
        nospace=true
      fi
      ;;
    esac
  fi
  local -a found=()
  local IFS=\$'\n' # one found word a line, spaces and all
  if [ "\$files" = true ]; then
    local prefix=""
    [[ \$cur != --*=* ]] || { prefix=\${cur%%=*}=; cur=\${cur#*=}; }
    found=(\$(compgen -f -- "\$cur"))
    type compopt >/dev/null 2>&1 && compopt -o filenames 2>/dev/null
    cur=\$prefix\$cur
    found=("\${found[@]/#/\$prefix}")
  else
    found=(\$(IFS=\$' \t\n' && compgen -W "\$candidates" -- "\$cur"))
    [ "\$nospace" = false ] || { type compopt >/dev/null 2>&1 && compopt -o nospace 2>/dev/null; }
  fi
  # bash replaces only the part of the word after its last '=' or ':'.
  local typed=\${cur%[=:]*}
  if [ "\$typed" != "\$cur" ]; then
    found=("\${found[@]#"\$typed"?}")
  fi
  COMPREPLY=("\${found[@]}")
}
complete -F _klarvon_cli klarvon-cli
EOF
mv "$output.tmp" "$output"
