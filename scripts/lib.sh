# Shared by the scripts: a virtual display and a prepared Wine prefix.

# Starts Xvfb on a free display and exports DISPLAY; TAVELON_XVFB_PID holds its process. The
# screen is WIDTHxHEIGHT from the first argument or TAVELON_SCREEN (default 1920x1080).
start_virtual_display() {
  local n size=${1:-${TAVELON_SCREEN:-1920x1080}}
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -dpi 96 >/dev/null 2>&1 &
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

# The size of the display in use, WIDTHxHEIGHT; empty (and no failure) when it cannot be told.
display_size() {
  { xdpyinfo 2>/dev/null || true; } | awk '/dimensions:/ && !seen { print $2; seen = 1 }'
}

# A private prefix per build folder, created once with the display already set (a window
# under Wine needs it before the prefix's first process), and made to look like a Chinese
# Windows desktop:
# - Noto Sans CJK SC stands in for "Microsoft YaHei" (微软雅黑) and WenQuanYi Zen Hei for
#   "SimSun" (宋体) (under Wine, WenQuanYi Micro Hei leaves the pinyin letters with a caron,
#   ǎ ǐ ǒ ǔ, blank, and Zen Hei's small bitmap strokes break up at the 9-point control size).
#   They come from a UTF-16 registry file: a Chinese name on reg's command line passes through
#   a code page and arrives garbled;
# - menus, message boxes, tooltips and captions use 微软雅黑 at 9 points, as on a Chinese
#   Windows (Wine's own choice in a Chinese locale is 宋体, which breaks up at that size);
# - Wine's Western UI fonts link to Noto Sans CJK SC for Chinese;
# - Wine's Marlett, which draws the caption buttons, is in the prefix's font folder: Debian's
#   Wine does not find its own fonts, and the buttons would read "r" and "0";
# - no crash dialog, which would hang a test run.
# Bump the stamp when these settings change, so existing prefixes take them over.
TAVELON_PREFIX_STAMP=5
prepare_wine_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ "$(cat "$WINEPREFIX/.tavelon-ready" 2>/dev/null)" = "$TAVELON_PREFIX_STAMP" ] && exit 0
    [ -f "$WINEPREFIX/system.reg" ] || tavelon_wine wineboot -i >/dev/null 2>&1 || true
    local settings="$WINEPREFIX/drive_c/tavelon.reg" ui_font name
    ui_font=$(logfont_hex 'Microsoft YaHei')
    {
      printf '\xff\xfe'
      {
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
          '[-HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '' \
          '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
          '"Microsoft YaHei"="Noto Sans CJK SC"' '"微软雅黑"="Noto Sans CJK SC"' \
          '"SimSun"="WenQuanYi Zen Hei"' '"宋体"="WenQuanYi Zen Hei"' '' \
          '[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]'
        for name in CaptionFont SmCaptionFont MenuFont StatusFont MessageFont IconFont; do
          printf '"%s"=hex:%s\r\n' "$name" "$ui_font"
        done
        printf '\r\n'
      } | iconv -f UTF-8 -t UTF-16LE
    } >"$settings"
    tavelon_wine regedit /S 'C:\tavelon.reg' >/dev/null 2>&1
    rm -f "$settings"
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for name in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
      tavelon_wine reg add "$link" /v "$name" /t REG_MULTI_SZ /d "NotoSansCJK-Regular.ttc,Noto Sans CJK SC" /f >/dev/null 2>&1
    done
    cp -f /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    tavelon_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    rm -f "$WINEPREFIX/.tavelon-desktop"
    echo "$TAVELON_PREFIX_STAMP" >"$WINEPREFIX/.tavelon-ready"
  ) 9>"$WINEPREFIX.lock"
}

# A LOGFONTW as a registry file's hex list: the family (an ASCII name) at 9 points (12 pixels
# at 96 DPI), regular, for the GB2312 character set.
logfont_hex() {
  {
    printf '\xf4\xff\xff\xff'
    head -c 12 /dev/zero
    printf '\x90\x01\x00\x00\x00\x00\x00\x86\x00\x00\x00\x22'
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE
    head -c $((64 - 2 * ${#1})) /dev/zero
  } | od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//'
}

# Wine in a Chinese locale (scripts/setup generates it), so that system date formats, fonts and
# the like are those of a Chinese Windows; only the Wine process gets it, the scripts keep
# their own locale.
tavelon_wine() {
  LC_ALL=zh_CN.UTF-8 wine "$@"
}

# The prefix's windows inside one virtual desktop window as large as the display (on): title
# bars without a window manager, and windows that close at once (on a bare X display each
# top-level window takes about two seconds), which the tests and screenshots need. Or on the
# display's own desktop (off), where a person running the sticker wants it to float. The
# desktop is chosen when the prefix's server starts, so a change waits for the running one to
# end (which also saves it). The last choice is noted beside the prefix, so that asking for it
# again costs nothing.
wine_virtual_desktop() {
  local want=off size=""
  if [ "$1" = on ]; then
    size=$(display_size)
    want="on ${size:=1920x1080}"
  fi
  [ "$(cat "$WINEPREFIX/.tavelon-desktop" 2>/dev/null)" = "$want" ] && return 0
  if [ "$1" = on ]; then
    tavelon_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    tavelon_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$size" /f >/dev/null 2>&1
  else
    tavelon_wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
  fi
  wineserver -w
  echo "$want" >"$WINEPREFIX/.tavelon-desktop"
}
