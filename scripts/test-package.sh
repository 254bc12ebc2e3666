#!/usr/bin/env bash
# The Linux installation as a user gets it: makes the Debian package from ./build (see
# scripts/build.sh), checks what it holds and what it depends on, installs it on this
# machine with apt (as root, or through sudo), and runs both installed programs once.
# A package this script installed is removed again at the end; one that was installed
# before is left installed, at this build's version.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
failures=0
fail() {
  echo "package test: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
rm -f build/klarvon_*.deb
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
deb=$(echo "$PWD"/build/klarvon_"$version"_*.deb)
[ -f "$deb" ] || { echo "package test: no package klarvon_${version}_*.deb" >&2; exit 1; }

# What it holds, and what it needs from Debian: the Qt 6 and libjpeg runtimes found
# from the programs' links, and the window font.
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/klarvon usr/bin/klarvon-cli \
  usr/share/klarvon/ReadMe.txt usr/share/klarvon/AUTHORS.txt \
  usr/share/applications/klarvon.desktop \
  usr/share/icons/hicolor/48x48/apps/klarvon.png \
  usr/share/icons/hicolor/256x256/apps/klarvon.png \
  usr/share/man/man1/klarvon-cli.1.gz usr/share/doc/klarvon/copyright \
  usr/share/metainfo/klarvon.metainfo.xml usr/share/bash-completion/completions/klarvon-cli; do
  grep -q " \./$path\$" <<<"$contents" || fail "$path is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo fonts-liberation; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
desktop-file-validate packaging/klarvon.desktop || fail "the desktop entry is not valid"
# The software centres' metadata, as installed and with the screenshots a published build
# names (the same file with their addresses filled in). The component is named after
# its desktop entry, as the project has no domain of its own to name it by.
appstream_check() {
  appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info "$1" >"$1.log" 2>&1 ||
    fail "the AppStream metadata $1: $(cat "$1.log")"
}
appstream_check build/packaging/klarvon.metainfo.xml
sed 's#@KLARVON_IMAGES_URL@#https://example.org/images#' packaging/klarvon.metainfo.xml \
  >build/packaging/klarvon-published.metainfo.xml
appstream_check build/packaging/klarvon-published.metainfo.xml
newest_release=$(grep -m1 -o '<release version="[^"]*"' packaging/klarvon.metainfo.xml | cut -d'"' -f2)
[ "$newest_release" = "$version" ] ||
  fail "the AppStream metadata's newest release is $newest_release, the package's $version"
# Debian's own checks of the package; what remains is overridden in packaging/ with a reason.
lintian_output=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lintian_output"
# The manual page: groff has nothing to warn about, and every command has its section.
man_warnings=$(zcat build/packaging/klarvon-cli.1.gz | groff -man -ww -z 2>&1)
[ -z "$man_warnings" ] || fail "the manual page: $man_warnings"
for command in $(build/cli/klarvon-cli --help | awk '/^  klarvon-cli [a-z]/ && !seen[$2]++ {print $2}'); do
  zcat build/packaging/klarvon-cli.1.gz | grep -Fqx ".SS ${command//-/\\-}" ||
    fail "the manual page has no section for $command"
done

was_installed=false
if dpkg -s klarvon >/dev/null 2>&1; then
  was_installed=true
fi
export DEBIAN_FRONTEND=noninteractive
apt=("${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 -y -q)
work=$(mktemp -d)
cleanup() {
  cd /
  rm -rf "$work"
  if [ "$was_installed" = false ]; then
    "${apt[@]}" remove klarvon >/dev/null || true
  fi
}
trap cleanup EXIT
"${apt[@]}" install --reinstall --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; exit 1; }
[ "$(dpkg-query -W -f '${Version}' klarvon)" = "$version" ] || fail "klarvon $version not installed"

# The programs from bin/, as a user starts them, in an empty folder.
bin=$(dirname "$(dpkg -L klarvon | grep -m1 '/bin/klarvon-cli$')")
cd "$work"
[ "$("$bin/klarvon-cli" --version)" = "klarvon-cli $version" ] || fail "klarvon-cli --version"
"$bin/klarvon-cli" demo gta_sa.exe >/dev/null || fail "klarvon-cli demo"
grep -qx "found-by: signature" <<<"$("$bin/klarvon-cli" info gta_sa.exe)" ||
  fail "klarvon-cli info on the demo file"
# The installed bash completion, loaded as bash-completion loads it, asked for the words
# of half-typed lines: each line, the words that must be offered ('|'), and after '!'
# words that must not be (another layout's fields, a field name without its '=').
completion=$(dpkg -L klarvon | grep -m1 '/bash-completion/completions/klarvon-cli$')
completion_cases=(
  "klarvon-cli |export-cfg|import-cfg|--version"
  "klarvon-cli show gta_sa.exe infer|infernus"
  "klarvon-cli show gta_sa.exe 63|630"
  "klarvon-cli export-cfg gta_sa.exe 400 landst|landstal"
  "klarvon-cli set gta_sa.exe 400 PowerOn|PowerOnSoundId=!PowerOnSoundId"
  "klarvon-cli set gta_sa.exe 400 --game |PlayerBank=|EngineVolumeOffset=!HornTone="
  "klarvon-cli find gta_sa.exe Horn|HornType=|HornTone=!HornPitch="
  "klarvon-cli copy gta_sa.exe 411 400 Horn|HornType|HornTone!HornType="
  "klarvon-cli dump gta_sa.exe --|--json|--game|--help"
  "klarvon-cli info gta_|gta_sa.exe"
  "klarvon-cli copy gta_sa.exe 411 400 --from gta_|gta_sa.exe!infernus"
  "klarvon-cli apply gta_sa.exe --|--reverse|--dry-run!--game"
)
for case in "${completion_cases[@]}"; do
  line=${case%%|*}
  wanted=${case#*|}
  unwanted=""
  if [[ $wanted == *!* ]]; then
    unwanted=${wanted#*!}
    wanted=${wanted%%!*}
  fi
  # shellcheck disable=SC2016
  offered=$(LINE=$line bash -c 'source "$1"
    function=$(complete -p klarvon-cli | sed -n "s/.*-F \([^ ]*\).*/\1/p")
    COMP_LINE=$LINE COMP_POINT=${#LINE} COMPREPLY=()
    "$function" && printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" 2>&1) ||
    fail "completing '$line': $offered"
  IFS='|' read -ra words <<<"$wanted"
  for word in "${words[@]}"; do
    grep -qxF -- "$word" <<<"$offered" || fail "completing '$line' does not offer $word"
  done
  IFS='!' read -ra words <<<"$unwanted"
  for word in "${words[@]}"; do
    ! grep -qxF -- "$word" <<<"$offered" || fail "completing '$line' offers $word"
  done
done
# Help > ReadMe and the About window's credits: the documents where the editor looks.
for document in ReadMe.txt AUTHORS.txt; do
  [ -f "$bin/../share/klarvon/$document" ] || fail "no $document in $bin/../share/klarvon"
done
# The editor offscreen, with no settings of anyone's: it must still be running after a
# few seconds (a missing library or a crash ends it sooner), and end when told to.
status=0
env -u XDG_CONFIG_HOME HOME="$work" QT_QPA_PLATFORM=offscreen \
  timeout --kill-after=10 5 "$bin/klarvon" >"$work/editor.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  fail "the installed editor ended with status $status before it was told to: $(cat "$work/editor.log")"
fi

if [ "$failures" -ne 0 ]; then
  echo "package test: $failures failed" >&2
  exit 1
fi
echo "package test: $(basename "$deb") installed; klarvon-cli and klarvon ran from $bin"
