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
# under Wine needs it before the prefix's first process), with the Chinese fonts standing in
# for the names the windows ask for and without crash dialogs that would hang a test run.
prepare_wine_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/.tavelon-ready" ] && exit 0
    wineboot -i >/dev/null 2>&1 || true
    local fonts='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$fonts" /v "Microsoft YaHei" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    wine reg add "$fonts" /v "微软雅黑" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    wine reg add "$fonts" /v "SimSun" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
    wine reg add "$fonts" /v "宋体" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tavelon-ready"
  ) 9>"$WINEPREFIX.lock"
}
