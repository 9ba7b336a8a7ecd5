#!/usr/bin/env python3
"""Refuses an #include that reaches a layer above the including file's own.

Every folder of src/ is a layer; a file may include its own layer and the
layers below it. The tools may include only the layers they link. Portable
files (no _win suffix) never include <windows.h> or a _win header.

usage: check_layers.py ROOT   (exit 0 when every include is allowed)
"""

import re
import sys
from pathlib import Path

STRINGS = "strings"  # resources/resource_ids.h and resources/string_table.h
RESOURCE_HEADERS = {"resource_ids.h": STRINGS, "string_table.h": STRINGS}

BELOW_FEATURES = {"store", "link", "workspace", STRINGS}

# What each layer may include besides itself. `win` is the Win32 plumbing:
# only Win32 files of the features and the app reach it.
ALLOWED = {
    "src/store": set(),
    "src/link": {"store"},
    "src/workspace": {"store", "link"},
    "src/win": set(),
    # Phone-book files: parsers, writers and the import plan, on the store.
    "src/exchange": {"store", STRINGS},
    "src/phonebook": BELOW_FEATURES | {"win"},
    "src/settings": BELOW_FEATURES | {"win"},
    "src/printing": BELOW_FEATURES | {"win"},
    "src/app": BELOW_FEATURES | {"phonebook", "settings", "printing", "exchange", "win"},
    "tools/zelt-dat": {"store", "link", "workspace", "exchange", "settings", STRINGS},
    "tools/zelt-machine": {"store", "link"},
    "tools/zelt-tour": set(),
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".cpp"}


def is_win32_file(path):
    return path.stem.endswith("_win")


def layer_of_include(name):
    if name in RESOURCE_HEADERS:
        return RESOURCE_HEADERS[name]
    if "/" in name:
        return name.split("/", 1)[0]
    return None  # a file of the includer's own folder


def problems_in(root, unit, allowed):
    own = Path(unit).name
    for path in sorted((root / unit).glob("*")):
        if path.suffix not in SOURCE_SUFFIXES:
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        relative = path.relative_to(root)
        for bracket, name in INCLUDE.findall(text):
            if bracket == "<":
                if name.lower() == "windows.h" and not is_win32_file(path):
                    yield f"{relative}: a portable file includes <windows.h>"
                continue
            if name.endswith("_win.h") and not is_win32_file(path):
                yield f"{relative}: a portable file includes the Win32 header {name}"
            layer = layer_of_include(name)
            if layer is None or layer == own:
                continue
            if layer not in allowed:
                yield f"{relative}: includes {name} from the layer '{layer}', above or beside '{own}'"
            elif layer == "win" and not is_win32_file(path):
                yield f"{relative}: a portable file includes {name}"


def check(root):
    problems = []
    for unit, allowed in ALLOWED.items():
        if (root / unit).is_dir():
            problems.extend(problems_in(root, unit, allowed))
    known = set(ALLOWED)
    folders = (root / "src").iterdir() if (root / "src").is_dir() else []
    for folder in sorted(folders):
        if folder.is_dir() and f"src/{folder.name}" not in known:
            problems.append(f"src/{folder.name}: a folder with no place in the layer table")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    problems = check(Path(argv[1]))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
