# Shared steps of tools/run and tools/test. Source it; do not run it.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$top/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

packages="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 xvfb xauth x11-utils imagemagick googletest cmake ninja-build g++ make
  clang libclang-rt-14-dev"

install_missing() {
  local missing=()
  for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then echo "run as root to install packages" >&2; return 1; fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# An X display: the caller's, or a private Xvfb that ends with this shell.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in 77 78 79 80 81 82 83 84; do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    if xdpyinfo >/dev/null 2>&1; then
      trap 'stop_display' EXIT
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}

# Waits for the prefix's wineserver to end; one left over (a persistent one, or a hung
# process) is ended after 20 s rather than waited for without end.
wait_wineserver() {
  timeout 20 wineserver -w 2>/dev/null || wineserver -k >/dev/null 2>&1 || true
}

# The private prefix: made once, then only the settings the tests rely on.
ensure_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.initialised" ]; then
    wait_wineserver
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wait_wineserver
    # No window manager: without this every top-level destroy waits 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wait_wineserver
    touch "$WINEPREFIX/.initialised"
  fi
}

# One persistent server for the whole run: a process then starts in a fraction of a second.
start_wineserver() {
  wait_wineserver
  wineserver -p
}
