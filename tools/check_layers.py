#!/usr/bin/env python3
"""Checks that the folders of vo_share.dll depend on each other one way only.

The folders of src/ form layers, listed below from the bottom up. A source file or private
header in one folder may include headers of its own folder and of the folders below it, never
of a folder above it. A public header in include/ belongs to the folder whose source file has
its name (include/Skin.h to src/skin/Skin.cpp), or to the folder named in HEADER_FOLDERS.

    python3 tools/check_layers.py      # exit code 0 when every include runs downward
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Bottom first. res holds resource identifiers only; module holds the entry point, the global
# objects and the load order, above every subsystem.
LAYERS = ["res", "frame", "gdi", "config", "skin", "net", "thread", "media", "sms", "controls",
          "faces", "chat", "module"]

# Public headers without a source file of their own name.
HEADER_FOLDERS = {"VoDef.h": "frame", "VoHelpers.h": "frame", "vo_share.h": "module"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def public_header_folders():
    folders = dict(HEADER_FOLDERS)
    for source in (ROOT / "src").glob("*/*.cpp"):
        header = source.stem + ".h"
        if (ROOT / "include" / header).exists():
            folders.setdefault(header, source.parent.name)
    return folders


def included_folder(name, quoted, including_folder, public):
    """The folder a quoted or angled include belongs to, or None for outside headers."""
    if quoted and "/" in name:
        return name.split("/")[0]
    if quoted and including_folder is not None:
        return including_folder
    return public.get(name)


def check():
    public = public_header_folders()
    problems = []
    unowned = [h.name for h in (ROOT / "include").glob("*.h") if h.name not in public]
    for header in unowned:
        problems.append(f"include/{header}: no src/<folder>/{header[:-2]}.cpp and not in HEADER_FOLDERS")
    files = [(f, f.parent.name) for f in (ROOT / "src").glob("*/*") if f.suffix in (".cpp", ".h")]
    files += [(f, public.get(f.name)) for f in (ROOT / "include").glob("*.h")]
    for path, folder in files:
        if folder not in LAYERS:
            problems.append(f"{path.relative_to(ROOT)}: folder '{folder}' is not a layer")
            continue
        in_src = path.parent.parent.name == "src"
        for quote, name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = included_folder(name, quote == '"', folder if in_src else None, public)
            if target is None or target == folder:
                continue
            if target not in LAYERS:
                problems.append(f"{path.relative_to(ROOT)}: includes {name} of unknown folder '{target}'")
            elif LAYERS.index(target) > LAYERS.index(folder):
                problems.append(f"{path.relative_to(ROOT)} ({folder}) includes {name} ({target}, a higher layer)")
    return problems


def main():
    problems = check()
    for problem in problems:
        print(f"check_layers: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
