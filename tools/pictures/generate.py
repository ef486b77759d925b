#!/usr/bin/env python3
"""Writes every picture the project ships (library resources, test inputs) from code.

    python3 tools/pictures/generate.py            # write all pictures
    python3 tools/pictures/generate.py --check    # exit 1 if a committed file differs
    python3 tools/pictures/generate.py --list     # the files it makes
    python3 tools/pictures/generate.py src/res/logo.bmp ...   # only these

Paths are relative to the repository root. Python 3 standard library only.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from picgen import brand, cursors, faces, skins, slider, testdata, toolbar  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SETS = [brand, cursors, testdata, skins, toolbar, faces, slider]


def all_pictures():
    return [picture for picture_set in SETS for picture in picture_set.PICTURES]


def main():
    parser = argparse.ArgumentParser(description="Generates the project's pictures.")
    parser.add_argument("paths", nargs="*", help="only these files (paths relative to the repository root)")
    parser.add_argument("--check", action="store_true", help="compare with the files on disk, write nothing")
    parser.add_argument("--list", action="store_true", help="list the files and stop")
    args = parser.parse_args()

    pictures = all_pictures()
    known = {path for path, _ in pictures}
    unknown = [p for p in args.paths if p not in known]
    if unknown:
        parser.error("not made by the generator: " + ", ".join(unknown))
    if args.paths:
        pictures = [(path, make) for path, make in pictures if path in args.paths]
    if args.list:
        for path, _ in pictures:
            print(path)
        return 0

    differing = []
    for path, make in pictures:
        data = make()
        target = os.path.join(ROOT, path)
        if args.check:
            try:
                with open(target, "rb") as existing:
                    same = existing.read() == data
            except OSError:
                same = False
            if not same:
                differing.append(path)
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as out:
            out.write(data)
        print("wrote", path)
    for path in differing:
        print("differs:", path)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
