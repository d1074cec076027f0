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
  # 32-bit packages (wine32:i386) need the i386 architecture first.
  if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    unset QUILLORA_APT_UPDATED
  fi
  if [ -z "${QUILLORA_APT_UPDATED:-}" ]; then
    apt-get update -qq
    export QUILLORA_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# The native phrase tool measures phrases with Liberation Sans, Arial's
# metric twin.
NATIVE_PACKAGES=(cmake g++ make libgtest-dev googletest libbenchmark-dev libstb-dev valgrind
  fonts-liberation)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64)
PACKAGING_PACKAGES=(nsis zip unzip file)
# wine32 runs the 32-bit product; IceWM is the desktop it runs on (window
# manager, taskbar and the system tray where Wine docks the icon).
WINE_PACKAGES=(wine wine64 wine32:i386 icewm xvfb xdotool imagemagick x11-utils
  fonts-liberation fonts-comic-neue)

# The product's version, as platform/produto.h states it: in full, or as
# the window titles show it ("curta").
versao_produto() {
  local nome=QUILLORA_VERSAO_PONTOS
  [ "${1:-}" = curta ] && nome=QUILLORA_VERSAO_CURTA
  sed -n "s/^#define $nome \"\(.*\)\"\$/\1/p" "$ROOT/platform/produto.h"
}

build_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$JOBS"
}

# Whether this machine runs 32-bit x86 code at all: some virtual machines
# offer no 32-bit mode, and there the 32-bit Wine loader cannot even start.
maquina_roda_32bits() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# A private Wine prefix with no Mono or Gecko prompts. $WINE runs the
# Windows programs (through Debian's wrapper, which hands 64-bit ones to
# wine64; where the machine has no 32-bit mode, wine64 itself); $WINE64 is
# the 64-bit loader.
wine_env() {
  # Linux file names are UTF-8: Wine reads them so (folders named in any
  # script reach the program as they are).
  export LC_ALL=C.UTF-8
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix}
  WINE=/usr/bin/wine
  WINE64=/usr/lib/wine/wine64
  WINESERVER=/usr/lib/wine/wineserver
  if ! maquina_roda_32bits; then
    WINE=$WINE64
    export WINELOADER=$WINE64
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1 || { echo "FATAL: Wine could not make its prefix" >&2; exit 1; }
    # Arial and Comic Sans MS are not free: use their metric twins.
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Comic Sans MS' /d 'Comic Neue' /f >/dev/null 2>&1
    "$WINESERVER" -w
  fi
}

# Wine's display scale, in dots per inch, for the programs started after it
# (the Wine server restarted, as a change of scale needs).
wine_set_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINE" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
}

# The Windows build this machine runs: the 32-bit product, or, on a machine
# with no 32-bit mode, the 64-bit build of the same sources, said loudly.
runnable_build() {
  if maquina_roda_32bits; then
    echo build/win32
    return
  fi
  cat >&2 <<'AVISO'
########################################################################
WARNING: this machine cannot run 32-bit code (the 32-bit Wine loader does
not start: "Exec format error"). The 64-bit build of the same sources runs
under wine64 instead, for the program and the end-to-end suite alike; the
32-bit product itself is NOT exercised on this machine.
########################################################################
AVISO
  echo build/win64
}

# The Windows builds must run here: say so loudly when they cannot.
require_wine() {
  local out
  out=$("$WINE" "$ROOT/$1/quillora-frases.exe" 2>&1 | tr -d '\r') || true
  if [[ $out != *"uso: quillora-frases"* ]]; then
    echo "FATAL: this machine cannot run $1's Windows programs under $WINE:" >&2
    echo "$out" | head -5 >&2
    exit 1
  fi
}

# A desktop session on a private display: Xvfb, then IceWM with its taskbar
# and system tray. Sets DISPLAY; the caller stops it with stop_desktop.
start_desktop() {
  local n=${1:-90}
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  local _
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
  export ICEWM_PRIVCFG=$ROOT/build/icewm
  mkdir -p "$ICEWM_PRIVCFG"
  cp "$ROOT/tests/e2e/icewm-preferences" "$ICEWM_PRIVCFG/preferences"
  icewm >"$ICEWM_PRIVCFG/icewm.log" 2>&1 &
  ICEWM_PID=$!
  # The tray is up when IceWM's embedding proxy exists.
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"YXTrayProxy"' && return 0
    sleep 0.1
  done
  echo "IceWM's system tray did not come up" >&2
  return 1
}

stop_desktop() {
  kill "${ICEWM_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
}
