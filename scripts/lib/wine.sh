# Shared by scripts/test and scripts/run: Wine in a prefix of our own, under a display.
# Source it; it defines functions and cleans up what it started when the shell exits.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

export LANG=zh_CN.UTF-8        # Wine's ANSI code page is then 936 (GBK)
export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts

started_pids=()

stop_started() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    "$WINESERVER" -k 2>/dev/null || true
  fi
  for pid in "${started_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${started_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  started_pids=()
}
trap stop_started EXIT

# Uses the caller's DISPLAY, or starts a private Xvfb when there is none (or when forced).
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--private" ]; then return 0; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  started_pids+=($!)
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# Creates a Wine prefix at $1 (must not be the user's own) and exports WINEPREFIX.
make_prefix() {
  export WINEPREFIX="$1"
  case "$WINEPREFIX" in
    "$HOME/.wine"|"$HOME/.wine/") echo "refusing to use the user's own Wine prefix" >&2; return 1 ;;
  esac
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # Xvfb runs no window manager, and Wine would wait up to 2 s for one whenever it hides a
    # window it lets the manager handle (every message box); so it handles none.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot did not create $WINEPREFIX" >&2; return 1; }
}

# Runs a Windows program in the prefix and returns its exit code (-1 shows as 255).
run_wine() {
  "$WINE64" "$@"
}
