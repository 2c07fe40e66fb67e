#!/usr/bin/env python3
"""The house's layering, checked on every include of every source in the tree.

Each folder may include only itself and the folders listed for it in LAYERS: no arrow runs
back up, and the faces, the tools, the info windows, the month view and the reminders never
include one another. Only the window side may include a Windows header, a header of ui/ or a
*_win header: ui/ and tests/win/ as a whole, elsewhere the files named *_win.*, since
everything else builds and runs natively as well. Any system header that is neither the
standard library nor a library listed in FRAMEWORKS counts as a Windows header, so a new one
needs no list of names. The tests of a folder see what that folder sees; the benchmarks see
only portable code. A source in no listed folder is a breach too: a new folder gets its line
here before its first include is trusted.

Includes are written from the source root ("calendar/date.h"), or bare for a header beside the
including file; a path with ".." or "." could reach any folder, so it is a breach wherever it
points. A system header is written in <>: in quotes, "windows.h" would pass as one of ours.
Usage: check_layers.py [SOURCE_DIR]; prints every breach and exits 1 when there is one.
"""
import os
import re
import sys

# folder: (the folders it may include besides itself, its window side)
#   "all"   every file is on the window side;
#   "win"   its *_win files are, and may include the window side of the folders it sees;
#   "own"   its *_win files are, but may include only its own window side: from the folders
#           it sees, they take the pure parts, as the rest of it does;
#   "none"  it builds natively only, so nothing in it is on the window side.
_FEATURE = ("settings", "calendar", "ui")
LAYERS = {
    "calendar": ((), "none"),
    "ui": ((), "all"),
    "settings": (("calendar", "ui"), "win"),
    "sticker": (_FEATURE, "win"),
    "tools": (_FEATURE, "win"),
    "info": (_FEATURE, "win"),
    "month": (_FEATURE, "win"),
    "remind": (_FEATURE, "win"),
    "app": (("sticker", "tools", "info", "month", "remind") + _FEATURE, "win"),
    "cli": (("sticker", "tools", "info", "month", "remind", "settings", "calendar"), "own"),
}
# tests/<folder> tests one folder natively: it sees that folder, what that folder sees, and the
# shared test support. ui/ has no native tests; its tests run under Wine with the windows'.
_PROGRAM = tuple(LAYERS)
_PURE = tuple(folder for folder in _PROGRAM if folder not in ("ui", "cli"))
LAYERS.update({f"tests/{folder}": (sees + (folder, "tests/support"), "none")
               for folder, (sees, _) in LAYERS.items() if folder != "ui"})
LAYERS.update({
    "tests/support": (_PURE, "none"),
    # The Wine tests drive the real windows, and run the command line through its tests' helper.
    "tests/win": (_PROGRAM + ("tests/support", "tests/cli"), "all"),
    "bench": (_PURE + ("tests/support",), "none"),
})
_TOPS = {folder.split("/")[0] for folder in LAYERS}

# Third-party libraries: the first folder of their include paths, and who may include them.
FRAMEWORKS = {
    "gtest": lambda folder: folder.startswith("tests/"),
    "benchmark": lambda folder: folder == "bench",
}

STANDARD = set("""
    algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex
    concepts condition_variable coroutine deque exception execution expected filesystem
    flat_map flat_set format forward_list fstream functional future generator
    initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
    mdspan memory memory_resource mutex new numbers numeric optional ostream print queue random
    ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span
    spanstream sstream stack stacktrace stdexcept stdfloat stop_token streambuf string
    string_view strstream syncstream system_error thread tuple type_traits typeindex typeinfo
    unordered_map unordered_set utility valarray variant vector version
    cassert ccomplex cctype cerrno cfenv cfloat cinttypes ciso646 climits clocale cmath
    csetjmp csignal cstdalign cstdarg cstdbool cstddef cstdint cstdio cstdlib cstring ctgmath
    ctime cuchar cwchar cwctype
    assert.h complex.h ctype.h errno.h fenv.h float.h inttypes.h iso646.h limits.h locale.h
    math.h setjmp.h signal.h stdalign.h stdarg.h stdatomic.h stdbool.h stddef.h stdint.h
    stdio.h stdlib.h string.h tgmath.h time.h uchar.h wchar.h wctype.h
""".split())

SOURCE = re.compile(r"\.(c|cc|cpp|cxx|c\+\+|h|hh|hpp|hxx|h\+\+|inl|ipp|ixx|cppm|tpp)$", re.I)
WIN_FILE = re.compile(r"_win\.[^./]+$", re.I)
DIRECTIVE = re.compile(r"^[ \t]*#[ \t]*include\b[ \t]*(.*)$", re.M)
HEADER = re.compile(r'([<"])([^>"]+)[>"]')


def folder_of(path):
    """The LAYERS entry a source path (relative, with /) belongs to, or None."""
    parts = path.split("/")
    for n in (2, 1):
        if len(parts) > n and "/".join(parts[:n]) in LAYERS:
            return "/".join(parts[:n])
    return None


def is_window_side(path):
    folder = folder_of(path)
    side = LAYERS[folder][1] if folder else "none"
    return side == "all" or (side in ("win", "own") and WIN_FILE.search(path) is not None)


def is_window_header(path):
    folder = folder_of(path)
    return (folder is not None and LAYERS[folder][1] == "all") or WIN_FILE.search(path) is not None


def sources(root):
    """Every source file under root, relative and with /. Dot folders and build trees (a
    CMakeCache.txt marks one, with its generated sources) are not ours to check."""
    for top, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs if not d.startswith(".")
                         and not os.path.isfile(os.path.join(top, d, "CMakeCache.txt")))
        for name in sorted(files):
            if SOURCE.search(name):
                yield os.path.relpath(os.path.join(top, name), root).replace(os.sep, "/")


def resolve(root, path, quote, header):
    """Our own header an include names, as a source path, or None for a system header. A quoted
    name is looked for beside the including file first, then from the root, as compilers do."""
    candidates = [header]
    if quote == '"':
        candidates.insert(0, os.path.normpath(os.path.join(os.path.dirname(path), header)))
    for candidate in candidates:
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate.replace(os.sep, "/")
    # A header of ours that no longer exists still names its folder.
    return header if "/" in header and header.split("/")[0] in _TOPS else None


def include_breaches(root, path, folder, directive):
    match = HEADER.match(directive)
    if not match:
        return [f"{path}: includes {directive.strip()}, which names no header the check can follow"]
    quote, header = match.groups()
    shown = f"<{header}>" if quote == "<" else f"\"{header}\""
    window = is_window_side(path)
    parts = re.split(r"[/\\]", header)
    if "\\" in header or "." in parts or ".." in parts:
        return [f"{path}: includes {shown}, a path not written from the source root"]

    own = resolve(root, path, quote, header)
    if own is None:
        top = header.split("/")[0]
        found = []
        if quote == '"':
            found.append(f"{path}: includes {shown}, a system header in quotes")
        if header in STANDARD:
            pass
        elif top in FRAMEWORKS and "/" in header:
            if not FRAMEWORKS[top](folder):
                found.append(f"{path}: includes {shown}, a header of {top}, which {folder}/ may not")
        elif not window:
            found.append(f"{path}: includes {shown}, a Windows or other platform header")
        return found

    target = folder_of(own)
    if target is None:
        return [f"{path}: includes {shown}, which lies outside every layer"]
    sees, side = LAYERS[folder]
    if target != folder and target not in sees:
        return [f"{path}: includes {shown} from {target}/, which {folder}/ may not"]
    if is_window_header(own):
        if not window:
            return [f"{path}: includes {shown}, a header of the window side"]
        if side == "own" and target != folder:
            return [f"{path}: includes {shown}, the window side of {target}/, which {folder}/ may not"]
    return []


def breaches(root):
    found = []
    for path in sources(root):
        folder = folder_of(path)
        if folder is None:
            found.append(f"{path}: lies outside every layer")
            continue
        try:
            with open(os.path.join(root, path), encoding="utf-8", errors="replace") as file:
                text = file.read()
        except OSError as error:
            found.append(f"{path}: cannot be read ({error.strerror})")
            continue
        for directive in DIRECTIVE.findall(text):
            found += include_breaches(root, path, folder, directive)
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if not os.path.isdir(root):
        print(f"layers: {root} is not a folder", file=sys.stderr)
        return 1
    found = breaches(root)
    for line in found:
        print("layers:", line, file=sys.stderr)
    print(f"layers: {'FAILED' if found else 'ok'}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
