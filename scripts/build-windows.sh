#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64 and packs them:
#   build-win/cli/klarvon-cli.exe, build-win/app/klarvon.exe (when the Windows window
#   layer is present), the core tests as .exe files, and dist/klarvon-windows.zip.
# libjpeg-turbo comes from Debian's source package and GoogleTest from /usr/src/googletest,
# both cross-built static into build-win/third_party/install; that step is skipped when
# its results are already there. Idempotent: run it again and only what changed is built.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

triple=x86_64-w64-mingw32
build_dir=$root/build-win
third_party=$build_dir/third_party
prefix=$third_party/install
toolchain=$root/cmake/toolchain-mingw64.cmake
jobs=$(nproc)

packages=(
  cmake make
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth
  dpkg-dev
  googletest
  nlohmann-json3-dev
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    if ! dpkg -s "$p" >/dev/null 2>&1; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# apt-get source needs a deb-src entry. One configured by the machine's owner is used as
# it is; otherwise a file of our own mirrors the distribution's main archive for the one
# download, and is taken away again afterwards (remove_own_deb_src).
own_deb_src=/etc/apt/sources.list.d/klarvon-deb-src.sources
added_deb_src=0
ensure_deb_src() {
  if grep -Eqs '^[[:space:]]*(deb-src|Types:.*deb-src)' \
       /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    if apt-cache showsrc libjpeg-turbo >/dev/null 2>&1; then
      return
    fi
  else
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "Adding a deb-src entry for $codename ($own_deb_src) for the download"
    added_deb_src=1
    "${sudo_cmd[@]}" tee "$own_deb_src" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  fi
  "${sudo_cmd[@]}" apt-get update
}

# The source indexes it brought stay until apt's next update, which drops them.
remove_own_deb_src() {
  if [ "$added_deb_src" -eq 1 ]; then
    "${sudo_cmd[@]}" rm -f "$own_deb_src"
    added_deb_src=0
  fi
}
trap remove_own_deb_src EXIT

# The same library the Linux build links, built with the cross compiler: the 6.2 API,
# static only, no TurboJPEG wrapper. SIMD stays off: it needs nasm, and the two
# backgrounds are decoded once at start-up, where the plain C code is fast enough (its
# accurate integer IDCT gives the same pixels either way).
build_libjpeg() {
  if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    return
  fi
  ensure_deb_src
  local src_root=$third_party/src
  rm -rf "$src_root" "$third_party/libjpeg-build"
  mkdir -p "$src_root"
  (cd "$src_root" && apt-get source libjpeg-turbo)
  remove_own_deb_src
  local src
  src=$(find "$src_root" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  if [ -z "$src" ]; then
    echo "apt-get source libjpeg-turbo left no source folder" >&2
    exit 1
  fi
  cmake -S "$src" -B "$third_party/libjpeg-build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DREQUIRE_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF \
    >/dev/null
  cmake --build "$third_party/libjpeg-build" -j "$jobs" --target jpeg-static
  # Only the library and its headers; the command-line tools are not wanted.
  install -d "$prefix/lib" "$prefix/include"
  install -m 644 "$third_party/libjpeg-build/libjpeg.a" "$prefix/lib/libjpeg.a"
  install -m 644 "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" \
                 "$third_party/libjpeg-build/jconfig.h" "$prefix/include/"
  cp "$src/LICENSE.md" "$prefix/libjpeg-turbo-LICENSE.md"
}

build_googletest() {
  if [ -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
    return
  fi
  rm -rf "$third_party/googletest-build"
  cmake -S /usr/src/googletest -B "$third_party/googletest-build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=OFF \
    >/dev/null
  cmake --build "$third_party/googletest-build" -j "$jobs"
  cmake --install "$third_party/googletest-build" >/dev/null
}

# Header-only: Debian's headers and package files, copied into the target's prefix so the
# cross build never searches the host's /usr (whose other headers would shadow mingw's).
stage_nlohmann_json() {
  if [ -f "$prefix/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" ]; then
    return
  fi
  install -d "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/nlohmann "$prefix/include/"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
}

# Whether the configured project defines a target (the window layer's are optional).
has_target() {
  local targets
  targets=$(cmake --build "$build_dir" --target help)
  grep -Eq "^\.\.\. $1( |\$)" <<<"$targets"
}

install_missing
mkdir -p "$third_party"
build_libjpeg
build_googletest
stage_nlohmann_json

cmake -S "$root" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_FIND_ROOT_PATH="$prefix" \
  -DJPEG_INCLUDE_DIR="$prefix/include" \
  -DJPEG_LIBRARY="$prefix/lib/libjpeg.a" \
  -DGTest_DIR="$prefix/lib/cmake/GTest" \
  -Dnlohmann_json_DIR="$prefix/share/cmake/nlohmann_json" \
  >/dev/null

targets=(klarvon-cli table_values_tests table_file_tests catalogue_tests exchange_tests sound_tests)
for optional in klarvon klarvon_win32ui_tests; do
  if has_target "$optional"; then
    targets+=("$optional")
  fi
done
cmake --build "$build_dir" -j "$jobs" --target "${targets[@]}"

# The zip: the programs, the ReadMe the editor opens from its folder, the licences. The
# text files get CR LF line ends: the Notepad of Windows 7, the oldest system the
# manifests name, shows a file of bare LFs as one long line.
stage=$build_dir/dist/klarvon
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"
cp "$build_dir/cli/klarvon-cli.exe" "$stage/"
if [ -f "$build_dir/app/klarvon.exe" ]; then
  cp "$build_dir/app/klarvon.exe" "$stage/"
else
  echo "note: no Windows window layer, so no klarvon.exe; the zip holds klarvon-cli.exe only" >&2
fi
with_crlf() { # with_crlf SOURCE TARGET
  sed -e 's/\r$//' -e 's/$/\r/' "$1" >"$2"
}
# Windows opens a .txt with a double click; any other name asks which program to use.
with_crlf ReadMe.txt "$stage/ReadMe.txt"
with_crlf AUTHORS.txt "$stage/AUTHORS.txt"
with_crlf LICENSE "$stage/LICENSE.txt"
# What the Windows programs contain (no Qt), naming the licence files below as the zip
# holds them.
with_crlf THIRD-PARTY-NOTICES-WINDOWS.md "$stage/THIRD-PARTY-NOTICES.txt"
# The mingw-w64 runtime (C runtime start-up, its number reading and printing, winpthreads)
# is linked into both programs, libjpeg-turbo into the editor; their licences ask for their
# notices to travel with them.
with_crlf /usr/share/doc/mingw-w64-common/copyright "$stage/mingw-w64-runtime-copyright.txt"
with_crlf "$prefix/libjpeg-turbo-LICENSE.md" "$stage/libjpeg-turbo-LICENSE.txt"

# What the zip must hold before it ships: every text line ended by CR LF (the last one
# too); in each program its manifest and a version resource whose product version is the
# project's and whose LegalCopyright is LICENSE's copyright line (CMake writes both into
# the .rc files); every .txt a text names, under that name; no text naming Qt, which the
# Windows programs do not contain; and in the icon a 256-pixel image stored as PNG.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
copyright=$(grep -m 1 '^Copyright ' LICENSE)
release_faults=0
release_fault() {
  echo "release check: $*" >&2
  release_faults=$((release_faults + 1))
}
for file in "$stage"/*; do
  name=$(basename "$file")
  case "$file" in
  *.exe)
    # A value of a version resource: its key and its text in UTF-16, NUL padding between.
    if ! VERSION="$version" COPYRIGHT="$copyright" perl -0777 -ne '
        my $wide = sub { join "\0", split(//, $_[0]), "" };
        my $value = sub { quotemeta($wide->($_[0])) . "(?:\0\0)+" . quotemeta($wide->($_[1])) };
        my ($version, $copyright) = ($value->("ProductVersion", $ENV{VERSION}),
                                     $value->("LegalCopyright", $ENV{COPYRIGHT}));
        exit !(/requestedExecutionLevel/ && index($_, $wide->("VS_VERSION_INFO")) >= 0
               && /$version/ && /$copyright/)' "$file"; then
      release_fault "$name lacks its manifest, version $version or LegalCopyright '$copyright'"
    fi
    ;;
  *)
    if ! perl -ne 'exit 1 unless /\r\n\z/' "$file"; then
      release_fault "$name has a line not ended by CR LF"
    fi
    ;;
  esac
done
for file in "$stage"/*.txt; do
  for named in $(grep -oE '[A-Za-z0-9_.-]+\.txt' "$file" | sort -u || true); do
    if [ ! -f "$stage/$named" ]; then
      release_fault "$(basename "$file") names $named, which the zip does not hold"
    fi
  done
  if grep -qw 'Qt' "$file"; then
    release_fault "$(basename "$file") names Qt, which the Windows programs do not contain"
  fi
done
# The icon's directory: after a 6-byte header, 16 bytes an image, whose first byte is the
# width (0 for 256) and whose last 8 are the image's size and offset.
if ! perl -0777 -ne '
    my $count = unpack("x4 v", $_);
    for my $i (0 .. $count - 1) {
      my ($width, $size, $offset) = unpack("C x7 V V", substr($_, 6 + 16 * $i, 16));
      exit 0 if $width == 0 && substr($_, $offset, 8) eq "\x89PNG\r\n\x1a\n";
    }
    exit 1' app/win32/klarvon.ico; then
  release_fault "app/win32/klarvon.ico holds no 256-pixel PNG image (scripts/make-icon.sh)"
fi
if [ "$release_faults" -gt 0 ]; then
  exit 1
fi
rm -f "$root/dist/klarvon-windows.zip"
(cd "$build_dir/dist" && cmake -E tar cf "$root/dist/klarvon-windows.zip" --format=zip klarvon)

ls -l "$build_dir/cli/klarvon-cli.exe" "$root/dist/klarvon-windows.zip"
if [ -f "$build_dir/app/klarvon.exe" ]; then
  ls -l "$build_dir/app/klarvon.exe"
fi
