# Shared by the scripts: a virtual display and a prepared Wine prefix.

# Starts Xvfb on a free display and exports DISPLAY; TAVELON_XVFB_PID holds its process.
start_virtual_display() {
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
    TAVELON_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$TAVELON_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
  done
  echo "cannot start a virtual display" >&2
  return 1
}

stop_virtual_display() {
  [ -n "${TAVELON_XVFB_PID:-}" ] && kill "$TAVELON_XVFB_PID" 2>/dev/null || true
  TAVELON_XVFB_PID=""
}

# A private prefix per build folder, created once with the display already set (a window
# under Wine needs it before the prefix's first process), with Chinese fonts standing in for
# the names the windows ask for and without crash dialogs that would hang a test run.
# WenQuanYi Zen Hei serves both names: under Wine, Micro Hei leaves the pinyin letters with
# a caron (ǎ ǐ ǒ ǔ) blank. Bump the stamp when the prefix settings change.
TAVELON_PREFIX_STAMP=2
prepare_wine_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ "$(cat "$WINEPREFIX/.tavelon-ready" 2>/dev/null)" = "$TAVELON_PREFIX_STAMP" ] && exit 0
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
    local fonts='HKCU\Software\Wine\Fonts\Replacements' name
    for name in "Microsoft YaHei" "微软雅黑" "SimSun" "宋体"; do
      wine reg add "$fonts" /v "$name" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
    done
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    echo "$TAVELON_PREFIX_STAMP" > "$WINEPREFIX/.tavelon-ready"
  ) 9>"$WINEPREFIX.lock"
}
