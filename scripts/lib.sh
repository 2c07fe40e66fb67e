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
# under Wine needs it before the prefix's first process), and made to look like a Chinese
# Windows desktop:
# - Noto Sans CJK SC stands in for "Microsoft YaHei" and WenQuanYi Zen Hei for "SimSun" (under
#   Wine, WenQuanYi Micro Hei leaves the pinyin letters with a caron, ǎ ǐ ǒ ǔ, blank, and Zen
#   Hei's small bitmap strokes break up at the 9-point control size);
# - menus and captions, drawn in Wine's own UI fonts, link to Noto Sans CJK SC for Chinese;
# - a virtual desktop (see wine_virtual_desktop) draws title bars without a window manager and
#   closes windows at once (a bare X display takes about two seconds per top-level window);
# - no crash dialog, which would hang a test run.
# Bump the stamp when these settings change, so existing prefixes take them over.
TAVELON_PREFIX_STAMP=4
prepare_wine_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ "$(cat "$WINEPREFIX/.tavelon-ready" 2>/dev/null)" = "$TAVELON_PREFIX_STAMP" ] && exit 0
    [ -f "$WINEPREFIX/system.reg" ] || tavelon_wine wineboot -i >/dev/null 2>&1 || true
    local fonts='HKCU\Software\Wine\Fonts\Replacements' name
    for name in "Microsoft YaHei" "微软雅黑"; do
      tavelon_wine reg add "$fonts" /v "$name" /t REG_SZ /d "Noto Sans CJK SC" /f >/dev/null 2>&1
    done
    for name in "SimSun" "宋体"; do
      tavelon_wine reg add "$fonts" /v "$name" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
    done
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for name in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
      tavelon_wine reg add "$link" /v "$name" /t REG_MULTI_SZ /d "NotoSansCJK-Regular.ttc,Noto Sans CJK SC" /f >/dev/null 2>&1
    done
    tavelon_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    tavelon_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1920x1080 /f >/dev/null 2>&1
    tavelon_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    echo "$TAVELON_PREFIX_STAMP" > "$WINEPREFIX/.tavelon-ready"
  ) 9>"$WINEPREFIX.lock"
}

# Wine in a Chinese locale, so that system date formats and the like read as on a Chinese
# Windows; only the Wine process gets it, the scripts keep their own locale.
tavelon_wine() {
  LC_ALL=zh_CN.UTF-8 wine "$@"
}

# The prefix's windows inside one virtual desktop window (on), or on the display's own desktop
# (off), where a person running the sticker wants it to float.
wine_virtual_desktop() {
  if [ "$1" = on ]; then
    tavelon_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  else
    tavelon_wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
}
