#!/usr/bin/env python3
"""check_layers.py passes a small tree that uses every kind of include the layers allow, and
fails on each breach planted in it, one at a time; the project's own tree passes."""
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import check_layers  # noqa: E402

# Each file with the includes it holds: every edge here is one the layers allow.
CLEAN = {
    "calendar/date.h": ["<chrono>", "<cstdint>", "<stdio.h>"],
    "calendar/date.cpp": ['"calendar/date.h"', '"date.h"'],
    "calendar/detail/tables.h": ['"calendar/date.h"'],
    "ui/window.h": ["<windows.h>", "<gdiplus.h>", "<uxtheme.h>"],
    "settings/store.h": ['"calendar/date.h"'],
    "settings/registry_win.cpp": ["<windows.h>", '"ui/window.h"', '"settings/store.h"'],
    "sticker/compose.hpp": ['"settings/store.h"'],
    "sticker/face_win.h": ['"ui/window.h"', '"sticker/compose.hpp"', '"settings/registry_win.h"'],
    "settings/registry_win.h": ["<windows.h>"],
    "tools/queries.h": ['"calendar/date.h"'],
    "remind/rules.h": ['"settings/store.h"'],
    "remind/remind_win.cpp": ['"remind/rules.h"', '"ui/window.h"'],
    "app/clock.h": ['"remind/rules.h"'],
    "app/app_win.cpp": ['"sticker/face_win.h"', '"tools/queries.h"', "<shellapi.h>"],
    "cli/console_win.h": ["<windows.h>"],
    "cli/main_win.cpp": ['"cli/console_win.h"', '"sticker/compose.hpp"'],
    "tests/support/fakes.h": ["<gtest/gtest.h>", '"sticker/compose.hpp"'],
    "tests/sticker/compose_test.cpp": ["<gtest/gtest.h>", '"sticker/compose.hpp"',
                                       '"calendar/date.h"', '"tests/support/fakes.h"'],
    "tests/tools/dates.h": [],
    "tests/tools/queries_test.cpp": ['"dates.h"', '"tools/queries.h"'],
    "tests/cli/run_cli.h": ['"cli/console.h"'],
    "cli/console.h": [],
    "tests/win/face_test.cpp": ["<windows.h>", '"sticker/face_win.h"', '"tests/cli/run_cli.h"',
                                '"tests/win/fixture.h"', '"cli/console_win.h"'],
    "tests/win/fixture.h": ['"ui/window.h"', "<gtest/gtest.h>"],
    "bench/sticker_bench.cpp": ["<benchmark/benchmark.h>", '"sticker/compose.hpp"',
                                '"tests/support/fakes.h"'],
    # A build tree holds generated and third-party sources: not ours to check.
    "build/native/CMakeCache.txt": None,
    "build/native/CMakeFiles/probe.cpp": ["<windows.h>", '"../../ui/window.h"'],
    "resources/tavelon.rc": ["<windows.h>"],
}

# Each breach: a name, and the file it plants (new, or added to) with its includes.
BREACHES = [
    ("a path with ../", "sticker/compose.cpp", ['"../calendar/date.h"']),
    ("a path with ./", "tests/win/menu_test.cpp", ['"./fixture.h"']),
    ('"windows.h" in quotes', "sticker/compose.cpp", ['"windows.h"']),
    ('"windows.h" in quotes, on the window side', "ui/window.cpp", ['"windows.h"']),
    ("an unlisted Windows header", "sticker/compose.cpp", ["<winreg.h>"]),
    ("a platform header", "tools/queries.cpp", ["<unistd.h>"]),
    ("a Windows header in a subfolder", "calendar/detail/clock.h", ["<windows.h>"]),
    ("a sibling from a subfolder", "sticker/detail/pick.cpp", ['"tools/queries.h"']),
    ("an .hpp that climbs", "calendar/date_text.hpp", ['"settings/store.h"']),
    ("an .hpp of the window side outside it", "sticker/compose.cpp", ['"sticker/face_win.hpp"']),
    ("a cli/*_win file including ui/", "cli/console_win.cpp", ['"ui/window.h"']),
    ("a cli/*_win file including another window side", "cli/console_win.cpp",
     ['"sticker/face_win.h"']),
    ("a sibling feature", "remind/rules.cpp", ['"sticker/compose.hpp"']),
    ("the test framework in the program", "calendar/date.cpp", ["<gtest/gtest.h>"]),
    ("a folder's tests above their folder", "tests/calendar/date_test.cpp", ['"settings/store.h"']),
    ("a folder's tests in a sibling", "tests/sticker/compose_test.cpp", ['"tools/queries.h"']),
    ("native tests on the window side", "tests/sticker/face_test.cpp", ['"sticker/face_win.h"']),
    ("native tests with a Windows header", "tests/support/fakes.h", ["<windows.h>"]),
    ("the Wine tests in a folder's tests", "tests/win/face_test.cpp", ['"tests/tools/dates.h"']),
    ("a benchmark on the window side", "bench/sticker_bench.cpp", ['"ui/window.h"']),
    ("a benchmark of a window", "bench/sticker_bench.cpp", ['"sticker/face_win.h"']),
    ("a benchmark of the command line", "bench/cli_bench.cpp", ['"cli/console.h"']),
    ("a benchmark with a Windows header", "bench/sticker_bench.cpp", ["<windows.h>"]),
    ("a benchmark with the test framework", "bench/sticker_bench.cpp", ["<gtest/gtest.h>"]),
    ("a source outside every layer", "extras/util.cpp", ["<string>"]),
    ("a test outside every test folder", "tests/loose_test.cpp", ["<gtest/gtest.h>"]),
    ("an include the check cannot follow", "sticker/compose.cpp", ["HEADER_NAME"]),
]


def plant(root, files):
    for path, includes in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "a", encoding="utf-8") as file:
            for header in includes or []:
                file.write(f"#include {header}\n")


class CheckLayersTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.root)
        plant(self.root, CLEAN)

    @contextlib.contextmanager
    def planted(self, path, includes):
        """The clean tree with one breach in it, as it was again afterwards."""
        full = os.path.join(self.root, path)
        before = None
        if os.path.exists(full):
            with open(full, encoding="utf-8") as file:
                before = file.read()
        plant(self.root, {path: includes})
        try:
            yield
        finally:
            if before is None:
                os.remove(full)
            else:
                with open(full, "w", encoding="utf-8") as file:
                    file.write(before)

    def run_check(self):
        return subprocess.run([sys.executable, os.path.join(HERE, "check_layers.py"), self.root],
                              capture_output=True, text=True)

    def test_clean_tree_passes(self):
        self.assertEqual(check_layers.breaches(self.root), [])
        self.assertEqual(self.run_check().returncode, 0)

    def test_each_breach_fails(self):
        for name, path, includes in BREACHES:
            with self.subTest(name), self.planted(path, includes):
                found = check_layers.breaches(self.root)
                self.assertTrue(found, "passed")
                self.assertTrue(all(line.startswith(path + ":") for line in found), found)

    def test_a_breach_fails_the_run(self):
        _, path, includes = BREACHES[0]
        with self.planted(path, includes):
            result = self.run_check()
        self.assertEqual(result.returncode, 1)
        self.assertIn(path, result.stderr)
        self.assertIn("FAILED", result.stdout)

    def test_project_tree_passes(self):
        self.assertEqual(check_layers.breaches(os.path.dirname(HERE)), [])


if __name__ == "__main__":
    unittest.main()
