# Shared by scripts/run.sh and scripts/test.sh.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# Installs the Debian packages given when any is missing (as root), or says
# exactly what to install.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  if [ -z "${QUILLORA_APT_UPDATED:-}" ]; then
    apt-get update -qq
    export QUILLORA_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

NATIVE_PACKAGES=(cmake g++ make libgtest-dev googletest libbenchmark-dev libstb-dev valgrind)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64)
PACKAGING_PACKAGES=(nsis zip unzip file)
WINE_PACKAGES=(wine64 wine xvfb xdotool imagemagick x11-utils fonts-liberation fonts-comic-neue)

build_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$JOBS"
}

# A private Wine prefix with no Mono or Gecko prompts.
wine_env() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
  WINE=/usr/lib/wine/wine64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1
    # Arial and Comic Sans MS are not free: use their metric twins.
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Comic Sans MS' /d 'Comic Neue' /f >/dev/null 2>&1
    # Without a window manager, Wine draws the title bars itself.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
  fi
}
