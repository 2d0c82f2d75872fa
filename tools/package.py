#!/usr/bin/env python3
"""Packs the release zip for Windows users: one top folder orvell-<version>/ holding the programs, the
files the program reads beside itself (everything under data/, as the build puts it beside the exe),
README.md and LICENSE; and beside the zip its SHA-256 in sha256sum's format.

    python3 tools/package.py --version 1.0.0 --source . --out dist/orvell-1.0.0-win64.zip \\
        build/mingw/orvell.exe [more programs]

The zip is the same for the same files: entries in a fixed order, each with the same time (that of
SOURCE_DATE_EPOCH when set, else of the last commit, else 1980-01-01) and fixed permissions. Names
beyond ASCII (ASCⅡ.txt) are stored in UTF-8 with the zip's UTF-8 flag set, so every unzip tool,
Explorer's included, restores them as written. Other packages in the output folder are removed: it holds
the current one only.
"""

import argparse
import hashlib
import os
import subprocess
import sys
import time
import zipfile
from pathlib import Path

ZIP_EPOCH = 315532800  # 1980-01-01, the earliest time a zip entry can hold


def package_time(source):
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        commit = subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"],
                                capture_output=True, text=True, check=True).stdout.strip()
        return int(commit)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return ZIP_EPOCH


def contents(source, programs):
    """(name in the folder, file on disk) for every file, in the order they are stored."""
    files = [(Path(program).name, Path(program)) for program in programs]
    data = source / "data"
    files += sorted((path.relative_to(data).as_posix(), path) for path in data.rglob("*") if path.is_file())
    files += [(name, source / name) for name in ("README.md", "LICENSE")]
    return files


def entry(name, when, mode):
    info = zipfile.ZipInfo(name, date_time=when)
    info.create_system = 3  # Unix, so that the permissions below are read
    info.external_attr = mode << 16
    if name.endswith("/"):
        info.external_attr |= 0x10  # the MS-DOS directory flag
    else:
        info.compress_type = zipfile.ZIP_DEFLATED
    return info


def write_zip(path, top, files, seconds):
    when = tuple(time.gmtime(max(seconds, ZIP_EPOCH))[:6])
    folders = sorted({top + "/"} | {f"{top}/{Path(name).parent.as_posix()}/" for name, _ in files
                                    if "/" in name})
    with zipfile.ZipFile(path, "w", compresslevel=9) as archive:
        for folder in folders:
            archive.writestr(entry(folder, when, 0o40755), b"")
        for name, file in files:
            mode = 0o100755 if name.endswith(".exe") else 0o100644
            archive.writestr(entry(f"{top}/{name}", when, mode), file.read_bytes())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--source", required=True, type=Path, help="the repository's root")
    parser.add_argument("--out", required=True, type=Path, help="the zip to write")
    parser.add_argument("programs", nargs="+", help="the executables, orvell.exe first")
    args = parser.parse_args()

    files = contents(args.source, args.programs)
    missing = [str(file) for _, file in files if not file.is_file()]
    if missing:
        sys.exit("package.py: missing " + ", ".join(missing))

    out = args.out
    out.parent.mkdir(parents=True, exist_ok=True)
    for old in out.parent.glob("orvell-*-win64.zip*"):
        if old.name not in (out.name, out.name + ".sha256"):
            old.unlink()
    # Written aside first: a failure never leaves half a zip under the package's name.
    partial = out.with_name(out.name + ".partial")
    write_zip(partial, f"orvell-{args.version}", files, package_time(args.source))
    partial.replace(out)
    digest = hashlib.sha256(out.read_bytes()).hexdigest()
    out.with_name(out.name + ".sha256").write_text(f"{digest}  {out.name}\n", encoding="ascii")
    print(f"{out} ({out.stat().st_size} bytes), sha256 {digest}")


if __name__ == "__main__":
    main()
