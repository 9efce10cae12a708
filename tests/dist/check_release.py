#!/usr/bin/env python3
"""The release is reproducible and carries the build's version.

    check_release.py --version 1.0.0 --make-dist tools/make_dist.py
                     --source ROOT --build BUILD --program vyr.exe... ENTRY=PATH...

The programs: nothing in them depends on when or where they were built (no
time in the PE header or the resource tables, no debug directory, neither the
source nor the build folder's path), and their version resource says the
version. The archive: made twice by tools/make_dist.py from the same files,
copied with other times and permissions, it is the same bytes, sorted, dated
SOURCE_DATE_EPOCH or else the last commit, and a missing file is named
without touching the archive already there. ENTRY=PATH are the archive's
files as the dist target gives them, vj.cmd among them or not (a stand-in
takes its place: its content is not what is checked here).
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zipfile

RT_VERSION = 16
FIXED_FILE_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)
FAILURES = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        FAILURES.append(what)


# --- the programs ------------------------------------------------------------


class Pe:
    """The few parts of a PE file looked at here."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        coff = pe + 4
        sections, self.time_stamp = struct.unpack_from("<2xHI", data, coff)
        optional_size = struct.unpack_from("<H", data, coff + 16)[0]
        optional = coff + 20
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        count = struct.unpack_from("<I", data, directories - 4)[0]
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(count)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            size, address, raw_size, raw = struct.unpack_from("<8xIIII", data, table + 40 * i)
            self.sections.append((address, max(size, raw_size), raw))

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def resources(self):
        """[(time stamps of the tables on the way, type, data)] of every resource."""
        rva, size = self.directories[2]
        if size == 0:
            return []
        base = self.offset(rva)
        found = []

        def walk(table, path, stamps):
            stamp, named, ids = struct.unpack_from("<4xI4xHH", self.data, base + table)
            stamps = stamps + [stamp]
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, path + [name], stamps)
                else:
                    data_rva, data_size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(data_rva)
                    found.append((stamps, path[0], self.data[start:start + data_size]))

        walk(0, [], [])
        return found


def version_strings(block):
    """The StringFileInfo values of a version resource, by key."""
    values = {}
    text = block.decode("utf-16-le", errors="replace")
    for key in ("FileVersion", "ProductVersion", "OriginalFilename"):
        at = text.find(key + "\0")
        if at < 0:
            continue
        rest = text[at + len(key) + 1:].lstrip("\0")
        values[key] = rest.split("\0", 1)[0]
    return values


def check_program(path, version, folders):
    name = os.path.basename(path)
    with open(path, "rb") as file:
        data = file.read()
    pe = Pe(data)
    check(pe.time_stamp == 0, f"{name}: no link time in the PE header")
    check(pe.directories[6][1] == 0, f"{name}: no debug directory")
    resources = pe.resources()
    check(all(stamp == 0 for stamps, _, _ in resources for stamp in stamps),
          f"{name}: no time in the resource tables")
    blocks = [block for _, kind, block in resources if kind == RT_VERSION]
    check(len(blocks) == 1, f"{name}: one version resource")
    if blocks:
        block = blocks[0]
        at = block.find(FIXED_FILE_INFO_SIGNATURE)
        numbers = struct.unpack_from("<4xIIII", block, at + 4) if at >= 0 else (0, 0, 0, 0)
        major, minor, patch = (int(part) for part in version.split("."))
        expected = ((major << 16) | minor, patch << 16)
        check(numbers[0:2] == expected and numbers[2:4] == expected,
              f"{name}: file and product version {version} in the fixed part")
        strings = version_strings(block)
        check(strings.get("FileVersion") == version and strings.get("ProductVersion") == version,
              f"{name}: FileVersion and ProductVersion texts {version} (got {strings})")
        check(strings.get("OriginalFilename") == name, f"{name}: OriginalFilename {name}")
    for folder in folders:
        for form, coding in ((folder.encode(), "bytes"), (folder.encode("utf-16-le"), "UTF-16")):
            check(form not in data, f"{name}: does not hold the path {folder} ({coding})")


# --- the archive -------------------------------------------------------------


def copy_inputs(entries, folder, time_stamp, mode):
    """The entries' files copied into folder with the given time and mode."""
    copied = []
    for i, (name, path) in enumerate(sorted(entries.items())):
        target = os.path.join(folder, f"{i}-{os.path.basename(name)}")
        if os.path.isfile(path):
            shutil.copyfile(path, target)
        else:
            with open(target, "w", newline="\r\n") as stand_in:
                stand_in.write("@echo off\nrem a stand-in\n")
        os.chmod(target, mode)
        os.utime(target, (time_stamp, time_stamp))
        copied.append(f"{name}={target}")
    return copied


def make_dist(tool, source, out, inputs, epoch):
    environment = dict(os.environ)
    environment.pop("SOURCE_DATE_EPOCH", None)
    if epoch is not None:
        environment["SOURCE_DATE_EPOCH"] = str(epoch)
    return subprocess.run(
        [sys.executable, tool, "--out", out, "--name", "vyr-test.zip", "--source", source] + inputs,
        env=environment, capture_output=True, text=True)


def read(path):
    with open(path, "rb") as file:
        return file.read()


def check_archive(tool, source, entries, work):
    epoch = 1700000000  # an even second: a zip entry keeps its time to two seconds
    runs = []
    for label, time_stamp, mode in (("a", 1000000000, 0o600), ("b", 1900000000, 0o755)):
        folder = os.path.join(work, label)
        os.makedirs(folder)
        inputs = copy_inputs(entries, folder, time_stamp, mode)
        out = os.path.join(work, "out-" + label)
        result = make_dist(tool, source, out, inputs, epoch)
        check(result.returncode == 0, f"make_dist run {label} succeeds {result.stderr.strip()}")
        runs.append((out, inputs))
    (out_a, inputs_a), (out_b, _) = runs
    zip_a = os.path.join(out_a, "vyr-test.zip")
    same = os.path.isfile(zip_a) and read(zip_a) == read(os.path.join(out_b, "vyr-test.zip"))
    check(same, "two archives of the same files with other times and modes are the same bytes")
    check(read(os.path.join(out_a, "SHA256SUMS")) == read(os.path.join(out_b, "SHA256SUMS")),
          "and so are their SHA256SUMS")
    if not os.path.isfile(zip_a):
        return
    sums = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=out_a, capture_output=True, text=True)
    check(sums.returncode == 0, "sha256sum -c SHA256SUMS in the archive's folder")

    with zipfile.ZipFile(zip_a) as archive:
        infos = archive.infolist()
        names = [info.filename for info in infos]
        check(names == sorted(entries), f"entries sorted and complete: {names}")
        stamp = time.gmtime(epoch)[:6]
        check(all(info.date_time == stamp for info in infos), "every entry dated SOURCE_DATE_EPOCH")
        check(all(info.external_attr >> 16 == 0o100644 and not info.extra for info in infos),
              "every entry rw-r--r--, no extra fields")
        for info in infos:
            if info.filename != "vj.cmd":
                check(archive.read(info) == read(entries[info.filename]), f"{info.filename} stored whole")

    commit = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"], capture_output=True, text=True)
    if commit.returncode == 0 and commit.stdout.strip().isdigit():
        out = os.path.join(work, "out-commit")
        result = make_dist(tool, source, out, inputs_a, None)
        with zipfile.ZipFile(os.path.join(out, "vyr-test.zip")) as archive:
            want = time.gmtime(int(commit.stdout) & ~1)[:6]
            check(result.returncode == 0 and archive.infolist()[0].date_time == want,
                  "without SOURCE_DATE_EPOCH the entries carry the last commit's time")

    before = read(zip_a)
    missing = [pair for pair in inputs_a if not pair.startswith("vj.cmd=")]
    missing.append("vj.cmd=" + os.path.join(work, "no-such-folder", "vj.cmd"))
    result = make_dist(tool, source, out_a, missing, epoch)
    check(result.returncode != 0 and "vj.cmd" in result.stderr,
          f"a missing vj.cmd is named and fails the run: {result.stderr.strip()}")
    check(read(zip_a) == before, "and the archive already there stays as it was")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--make-dist", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--program", action="append", required=True)
    parser.add_argument("entries", nargs="+", metavar="ENTRY=PATH")
    args = parser.parse_args()

    folders = [os.path.realpath(args.source), os.path.realpath(args.build)]
    for program in args.program:
        check_program(program, args.version, folders)
    entries = dict(pair.split("=", 1) for pair in args.entries)
    with tempfile.TemporaryDirectory() as work:
        check_archive(args.make_dist, args.source, entries, work)
    print(f"{len(FAILURES)} failed" if FAILURES else "release checks passed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
