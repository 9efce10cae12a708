#!/usr/bin/env python3
"""Writes Vyr's release archive and its SHA256SUMS.

    make_dist.py --out DIR --name vyr-1.0.0-win32.zip --source ROOT ENTRY=PATH...

Each ENTRY=PATH puts the file PATH into the archive as ENTRY (a relative name
with forward slashes, html/index.html say). Every PATH must exist; a missing
one is named and nothing is written.

The same inputs give the same bytes: the entries are sorted, each carries the
same time and the same permissions whatever the files on disk say, and
nothing else (no extra fields, no comment) goes in. The time is
SOURCE_DATE_EPOCH when it is set, else the time of the last commit of ROOT.
The archive and SHA256SUMS are written to temporary files and renamed, so an
interrupted run leaves the previous ones or none.
"""

import argparse
import hashlib
import os
import subprocess
import sys
import tempfile
import time
import zipfile

# The earliest time a zip entry can hold (1980-01-01, UTC).
ZIP_EPOCH = 315532800
# rw-r--r--, a regular file: unpacked on Linux it is the owner's to change.
FILE_MODE = 0o100644
UNIX = 3


def fail(message):
    print(f"make_dist: {message}", file=sys.stderr)
    sys.exit(1)


def parse_entries(pairs):
    entries = {}
    for pair in pairs:
        name, sep, path = pair.partition("=")
        if not sep or not name or not path:
            fail(f"not ENTRY=PATH: {pair!r}")
        if name.startswith("/") or "\\" in name or ".." in name.split("/"):
            fail(f"not a relative entry name: {name!r}")
        if name in entries:
            fail(f"two files for {name}")
        entries[name] = path
    missing = [f"{name} ({path})" for name, path in sorted(entries.items()) if not os.path.isfile(path)]
    if missing:
        fail("cannot make the archive; missing " + ", ".join(missing))
    return entries


def source_epoch(root):
    """The archive's time: SOURCE_DATE_EPOCH, or the last commit's time."""
    text = os.environ.get("SOURCE_DATE_EPOCH")
    where = "SOURCE_DATE_EPOCH"
    if not text:
        try:
            text = subprocess.run(
                ["git", "-C", root, "log", "-1", "--format=%ct"],
                check=True, capture_output=True, text=True).stdout.strip()
            where = "the last commit"
        except (OSError, subprocess.CalledProcessError):
            print("make_dist: no git history; the entries carry 1980-01-01", file=sys.stderr)
            return ZIP_EPOCH
    if not text.isdigit():
        fail(f"the time of {where} is not a number of seconds: {text!r}")
    return max(int(text), ZIP_EPOCH)


def write_archive(path, entries, epoch):
    date_time = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(path, "w") as archive:
        for name in sorted(entries):
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = UNIX
            info.external_attr = FILE_MODE << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(entries[name], "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)


def replace_with(path, write):
    """Calls write(temporary path) in path's folder, then renames it to path."""
    folder = os.path.dirname(path)
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".make_dist-")
    os.close(handle)
    try:
        write(temporary)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the archive and SHA256SUMS")
    parser.add_argument("--name", required=True, help="file name of the archive")
    parser.add_argument("--source", required=True, help="the source tree, for its last commit's time")
    parser.add_argument("entries", nargs="+", metavar="ENTRY=PATH")
    args = parser.parse_args()

    entries = parse_entries(args.entries)
    epoch = source_epoch(args.source)
    os.makedirs(args.out, exist_ok=True)
    archive = os.path.join(args.out, args.name)
    replace_with(archive, lambda temporary: write_archive(temporary, entries, epoch))

    def write_sums(temporary):
        with open(temporary, "w", newline="\n") as sums:
            sums.write(f"{sha256(archive)}  {args.name}\n")
    replace_with(os.path.join(args.out, "SHA256SUMS"), write_sums)
    print(f"{archive} ({len(entries)} files, dated {time.strftime('%Y-%m-%d %H:%M:%S', time.gmtime(epoch))} UTC)")


if __name__ == "__main__":
    main()
