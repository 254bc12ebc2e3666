#!/usr/bin/env bash
# Makes the pictures in docs/images/ from the real programs, as a user sees them: the
# editor opens a demo executable (klarvon-cli demo), shows the "Unknown variables" panel
# (Settings > Show Unknown) and one vehicle, and each window is saved as a PNG.
#   main-linux-en.png, main-linux-ru.png   the Linux editor (./build), under Xvfb
#   main-windows-en.png, main-windows-ru.png   the Windows editor (./build-win), under Wine
#   about-linux.png                        the About window
#   sounds-menu-linux-en.png               the main window with its Sounds menu open
#   cfg-linux-en.png, cfg-linux-ru.png, cfg-windows-en.png, cfg-windows-ru.png
#                                          the editor showing the demo's cfg (export-cfg),
#                                          opened through Actions > Open cfg
# Everything is done through the windows themselves, with key presses and clicks
# (xdotool): the Open dialog, the menus, the list. Russian is chosen as a user chooses
# it, by a Settings.ini saying Rus in the folder the editor starts from.
#   make-screenshots.sh [linux] [windows]    (both when none is named)
# Needs ./build (scripts/build.sh) and, for the Windows pictures, ./build-win
# (scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
images=$root/docs/images

systems=("$@")
if [ "${#systems[@]}" -eq 0 ]; then
  systems=(linux windows)
fi
bash scripts/install-deps.sh --screenshots

cli=$root/build/cli/klarvon-cli
editor=$root/build/app/klarvon
editor_exe=$root/build-win/app/klarvon.exe
# The vehicle shown: this many rows below the list's first (411, the Infernus).
rows_down=11
# Time for a window to draw itself after a step; Wine needs more than Qt.
settle=1

work=$(mktemp -d "${TMPDIR:-/tmp}/klarvon-shots-XXXXXX")
started=() # processes to end, last started first
wine_started=false
cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[$i]}" 2>/dev/null || true
    wait "${started[$i]}" 2>/dev/null || true
  done
  if [ "$wine_started" = true ]; then
    wineserver -k 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# An Xvfb display of its own, on the first free number from 90 up.
start_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  started+=($!)
  export DISPLAY=":$n"
  local tries=0
  until xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 50 ] || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
  done
}

# The visible windows whose name matches a pattern, waited for up to 30 seconds.
wait_window() { # wait_window PATTERN
  local tries=0 ids
  until ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null) && [ -n "$ids" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 300 ] || { echo "no window named '$1' appeared" >&2; exit 1; }
    sleep 0.1
  done
  head -n 1 <<<"$ids"
}

keys() {
  local key
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.2
  done
}

# Saves a window with its frame, and squeezes the file. With "screen", taken from the screen,
# so that a menu dropped over the window shows too.
save() { # save WINDOW NAME [screen]
  sleep "$settle"
  xdotool mousemove 0 0
  sleep 0.3
  local from=()
  if [ "${3:-}" = screen ]; then
    from=(-screen)
  fi
  import -frame "${from[@]}" -window "$1" "$work/$2"
  optipng -quiet -o5 -strip all "$work/$2"
  mv "$work/$2" "$images/$2"
  echo "wrote docs/images/$2 ($(stat -c %s "$images/$2") bytes)"
}

# The visible windows, one ID a line.
windows_shown() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# Waits up to 30 seconds for a condition, given as a command; names what it waited for
# and keeps a picture of the screen when it never came.
wait_for() { # wait_for WHAT COMMAND...
  local what=$1 tries=0
  shift
  until "$@"; do
    tries=$((tries + 1))
    if [ "$tries" -ge 300 ]; then
      import -window root "$root/build/screenshot-failure.png" || true
      echo "gave up waiting for $what (the screen: build/screenshot-failure.png)" >&2
      exit 1
    fi
    sleep 0.1
  done
}
new_window_since() { [ "$(comm -13 <(echo "$1") <(windows_shown))" != "" ]; }
same_windows_as() { [ "$(windows_shown)" = "$1" ]; }
width_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }
wider_than() { [ "$(width_of "$1")" -gt "$2" ]; }

# The steps a user takes in the main window: Actions > Open exe (or, with "cfg", the item
# below it, Open cfg), the demo file's path typed into the dialog, Settings > Show
# Unknown, then a vehicle chosen in the list. list_x and list_y: a point on the list's
# first row, from the window's top left corner.
drive_main_window() { # drive_main_window WINDOW PATH LIST_X LIST_Y [cfg]
  local window=$1 path=$2 x=$3 y=$4 before width
  local open_keys=(alt Down Return)
  if [ "${5:-}" = cfg ]; then
    open_keys=(alt Down Down Return)
  fi
  sleep "$settle"
  xdotool windowactivate "$window" 2>/dev/null || xdotool windowfocus "$window"
  sleep 0.5
  before=$(windows_shown)
  keys "${open_keys[@]}"
  wait_for "the Open dialog" new_window_since "$before"
  sleep "$settle"
  xdotool type --delay 30 "$path"
  keys Return
  wait_for "the Open dialog to close" same_windows_as "$before"
  sleep "$settle"
  width=$(width_of "$window")
  keys alt Right Down Return
  wait_for "Show Unknown to widen the window" wider_than "$window" "$width"
  sleep "$settle"
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.3
  local i
  for ((i = 0; i < rows_down; i++)); do
    xdotool key Down
  done
}

main_caption='^Klarvon for GTA San Andreas'

linux_pictures() {
  [ -x "$editor" ] || { echo "no $editor: run scripts/build.sh first" >&2; exit 1; }
  local folder=$work/linux
  mkdir -p "$folder"
  "$cli" demo "$folder/gta_sa.exe" >/dev/null
  "$cli" export-cfg "$folder/gta_sa.exe" >"$folder/gtasa_vehicleAudioSettings.cfg"
  start_display
  openbox >"$work/openbox.log" 2>&1 &
  started+=($!)
  sleep 1
  local language window pid
  for language in en ru; do
    rm -f "$folder/Settings.ini"
    if [ "$language" = ru ]; then
      echo Rus >"$folder/Settings.ini"
    fi
    (cd "$folder" && exec env HOME="$folder" XDG_CONFIG_HOME="$folder/config" "$editor") \
      >"$work/editor-$language.log" 2>&1 &
    pid=$!
    started+=("$pid")
    window=$(wait_window "$main_caption")
    drive_main_window "$window" "$folder/gta_sa.exe" 60 49
    save "$window" "main-linux-$language.png"
    if [ "$language" = en ]; then
      keys alt Down Right Right
      save "$window" sounds-menu-linux-en.png screen
      keys Escape Escape
      keys alt Right Right Right Down Down Down Return
      save "$(wait_window '^A B O U T$')" about-linux.png
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true

    (cd "$folder" && exec env HOME="$folder" XDG_CONFIG_HOME="$folder/config" "$editor") \
      >"$work/editor-cfg-$language.log" 2>&1 &
    pid=$!
    started+=("$pid")
    window=$(wait_window "$main_caption")
    drive_main_window "$window" "$folder/gtasa_vehicleAudioSettings.cfg" 60 49 cfg
    save "$window" "cfg-linux-$language.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
}

windows_pictures() {
  [ -f "$editor_exe" ] || { echo "no $editor_exe: run scripts/build-windows.sh first" >&2; exit 1; }
  local folder=$work/windows
  mkdir -p "$folder"
  "$cli" demo "$folder/gta_sa.exe" >/dev/null
  "$cli" export-cfg "$folder/gta_sa.exe" >"$folder/gtasa_vehicleAudioSettings.cfg"
  start_display
  # No window manager here: Wine draws the windows' frames itself, as Windows does.
  export WINEPREFIX=$folder/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
  wine_started=true
  wineboot -i >/dev/null 2>&1
  # Windows draws the title bar's buttons with its Marlett font, which a bare Wine lacks:
  # the prefix gets the one from Debian's fonts-wine (the machine's fonts stay as they are,
  # so the Windows tests keep seeing the faces they were written against).
  (cd "$work" && apt-get download -q fonts-wine >/dev/null 2>&1 && dpkg-deb -x fonts-wine_*.deb fonts-wine)
  cp "$work/fonts-wine/usr/share/wine/fonts/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  settle=2
  local language window pid
  for language in en ru; do
    rm -f "$folder/Settings.ini"
    if [ "$language" = ru ]; then
      printf 'Rus\r\n' >"$folder/Settings.ini"
    fi
    (cd "$folder" && exec wine "$editor_exe") >"$work/wine-$language.log" 2>&1 &
    pid=$!
    started+=("$pid")
    window=$(wait_window "$main_caption")
    drive_main_window "$window" "Z:${folder//\//\\}\\gta_sa.exe" 60 70
    save "$window" "main-windows-$language.png"
    wineserver -k
    wait "$pid" 2>/dev/null || true

    (cd "$folder" && exec wine "$editor_exe") >"$work/wine-cfg-$language.log" 2>&1 &
    pid=$!
    started+=("$pid")
    window=$(wait_window "$main_caption")
    drive_main_window "$window" "Z:${folder//\//\\}\\gtasa_vehicleAudioSettings.cfg" 60 70 cfg
    save "$window" "cfg-windows-$language.png"
    wineserver -k
    wait "$pid" 2>/dev/null || true
  done
}

mkdir -p "$images"
for system in "${systems[@]}"; do
  case $system in
  linux) linux_pictures ;;
  windows) windows_pictures ;;
  *) echo "usage: make-screenshots.sh [linux] [windows]" >&2 && exit 2 ;;
  esac
done
