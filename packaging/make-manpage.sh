#!/usr/bin/env bash
# Writes the manual page of klarvon-cli from its own help texts, so the two never
# disagree: the program's --help gives the name line, the synopsis and the description,
# and each command named in the synopsis gives its section through COMMAND --help, its
# option lines (written from the options' declarations) becoming a list.
#   make-manpage.sh PROGRAM OUTPUT
set -euo pipefail
program=$1
output=$2

# Help text to roff, kept line for line: backslashes and minus signs escaped, and a line
# that starts with a dot or a quote kept from being read as a request.
roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

help=$("$program" --help)
first=$(head -n 1 <<<"$help")
name=${first%%:*}          # "klarvon-cli 1.0.0"
summary=${first#*: }
program_name=${name%% *}
# The synopsis: the indented lines after "usage:"; the description: what follows them.
synopsis=$(sed -n '/^usage:$/,/^[^ ]/{/^  /s/^  //p}' <<<"$help")
description=$(sed -n '/^usage:$/,$p' <<<"$help" | sed -n '/^[^ u]/,$p')
# A synopsis too wide for one line goes on on indented lines, which name no command.
commands=$(awk '/^[^ ]/ && $2 !~ /^-/ && !seen[$2]++ {print $2}' <<<"$synopsis")

page_name=$(tr '[:lower:]' '[:upper:]' <<<"$program_name")
{
  echo ".TH \"$(roff <<<"$page_name")\" 1 \"\" \"$(roff <<<"$name")\" \"User Commands\""
  echo ".SH NAME"
  echo "$(roff <<<"$program_name") \\- $(roff <<<"$summary")"
  echo ".SH SYNOPSIS"
  echo ".nf"
  roff <<<"$synopsis"
  echo ".fi"
  echo ".SH DESCRIPTION"
  echo ".nf"
  roff <<<"$description"
  echo ".fi"
  echo ".SH COMMANDS"
  for command in $commands; do
    echo ".SS $(roff <<<"$command")"
    command_help=$("$program" "$command" --help)
    echo ".nf"
    sed '/^options:$/,$d' <<<"$command_help" | roff
    echo ".fi"
    # The option lines, "  --from OTHER  what it does", as a list of tagged paragraphs.
    sed -n '/^options:$/,${/^  /s/^  //p}' <<<"$command_help" | while IFS= read -r line; do
      flag=${line%%  *}
      text=${line#"$flag"}
      text=${text#"${text%%[! ]*}"}
      name=${flag%% *}
      value=${flag#"$name"}
      echo ".TP"
      if [ -n "$value" ]; then
        echo "\\fB$(roff <<<"$name")\\fR \\fI$(roff <<<"${value# }")\\fR"
      else
        echo "\\fB$(roff <<<"$name")\\fR"
      fi
      roff <<<"$text"
    done
  done
  echo ".SH SEE ALSO"
  echo "The editor, \\fBklarvon\\fR, and its guide ReadMe.txt, installed in the data folder"
  echo "share/klarvon/ (/usr/share/klarvon/ for the Debian package)."
} >"$output.tmp"
mv "$output.tmp" "$output"
