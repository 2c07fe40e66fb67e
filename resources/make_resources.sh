#!/usr/bin/env bash
# Regenerates the binary resources beside this script (icons, sounds, the square face's
# picture) and checks them. The output is reproducible, so a run without changes to the
# scripts leaves git with nothing to commit.
# Needs python3, ImageMagick's convert and the WenQuanYi Zen Hei font; sox and the MinGW
# windres are used for the checks when present.
# Usage: resources/make_resources.sh [--check-only]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"
export PYTHONDONTWRITEBYTECODE=1

if [ "${1:-}" != --check-only ]; then
  python3 make_icons.py "$here"
  python3 make_sounds.py "$here"
  python3 make_picture.py "$here/PNG_DZB.png"
fi

python3 check_resources.py "$here"

if command -v sox >/dev/null; then
  for f in WAV_*.wav; do
    printf '%-14s %6d bytes  %s\n' "$f" "$(stat -c %s "$f")" \
      "$(sox --i -d "$f") s, $(sox --i -r "$f") Hz, $(sox --i -b "$f") bit, $(sox --i -c "$f") ch"
  done
fi

if command -v x86_64-w64-mingw32-windres >/dev/null; then
  res=$(mktemp --suffix=.res)
  made=$(mktemp -d)
  trap 'rm -rf "$res" "$made"' EXIT
  # What the build makes from the .in files, with a version of 0.0.0 for this check.
  sed 's/@TAVELON_FILE_VERSION@/0.0.0.0/; s/@PROJECT_VERSION_[A-Z]*@/0/' version.h.in > "$made/version.h"
  sed 's/@TAVELON_FILE_VERSION@/0.0.0.0/' tavelon.manifest.in > "$made/tavelon.manifest"
  x86_64-w64-mingw32-windres -I "$made" tavelon.rc -O coff -o "$res"
  echo "tavelon.rc compiles: $(stat -c %s "$res") bytes of resources"
fi
