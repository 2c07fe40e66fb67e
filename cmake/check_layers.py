#!/usr/bin/env python3
"""The house's layering, checked on every include of the program's own folders.

Each folder may include only itself and the folders listed for it: no arrow runs back up,
and the faces, the tools and the info windows never include one another. Only ui/ and the
files named *_win.* may include a Windows header, or a header of ui/, or any *_win.h, since
everything else builds and runs natively as well.
Usage: check_layers.py [SOURCE_DIR]; prints every breach and exits 1 when there is one.
"""
import os
import re
import sys

ALLOWED = {
    "calendar": {"calendar"},
    "ui": {"ui"},
    "settings": {"settings", "calendar", "ui"},
    "sticker": {"sticker", "settings", "calendar", "ui"},
    "tools": {"tools", "settings", "calendar", "ui"},
    "info": {"info", "settings", "calendar", "ui"},
    "month": {"month", "settings", "calendar", "ui"},
    "remind": {"remind", "settings", "calendar", "ui"},
    "app": {"app", "sticker", "tools", "info", "month", "remind", "settings", "calendar", "ui"},
    "cli": {"cli", "sticker", "tools", "info", "month", "remind", "settings", "calendar"},
}
WINDOWS_HEADERS = re.compile(
    r"^(windows|windowsx|commctrl|commdlg|mmsystem|objbase|objidl|oleauto|psapi|shellapi|"
    r"shlobj|gdiplus|dwmapi|winuser|wingdi|shellscalingapi|knownfolders)\.h$", re.I)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def is_win_file(path):
    return re.search(r"_win\.(cpp|h)$", path) is not None


def breaches(root):
    found = []
    for folder, allowed in ALLOWED.items():
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            continue
        for name in sorted(os.listdir(base)):
            if not name.endswith((".cpp", ".h")):
                continue
            path = f"{folder}/{name}"
            platform = folder == "ui" or is_win_file(name)
            text = open(os.path.join(base, name), encoding="utf-8").read()
            for quote, header in INCLUDE.findall(text):
                if quote == "<":
                    if WINDOWS_HEADERS.match(header) and not platform:
                        found.append(f"{path}: includes <{header}>, a Windows header")
                    continue
                top = header.split("/")[0]
                if "/" in header and top in ALLOWED and top not in allowed:
                    found.append(f"{path}: includes \"{header}\" from {top}/, which {folder}/ may not")
                if not platform and (top == "ui" or is_win_file(header)):
                    found.append(f"{path}: includes \"{header}\", a header of the window side")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = breaches(root)
    for line in found:
        print("layers:", line, file=sys.stderr)
    print(f"layers: {'FAILED' if found else 'ok'}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
