#!/usr/bin/env python3
"""Runs `orvane archive` on the start-up archive as a user would.

The intact archive dumps without complaint and the dump builds the same
bytes again. Every truncation of it, and many copies with bytes overwritten
at random, dump without crashing: a truncated archive prints the header line
and what it could, reports its fault on the error output and exits with 1;
a corrupted one exits with 0 or 1, never by a signal.

usage: archive_tool_check.py ORVANE ARCHIVE WORKDIR
"""

import os
import random
import subprocess
import sys


def dump(orvane, path):
    return subprocess.run([orvane, "archive", "dump", path], capture_output=True)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def check_round_trip(orvane, archive, work):
    result = dump(orvane, archive)
    assert result.returncode == 0, result.stderr.decode()
    text = os.path.join(work, "dumped.archive")
    rebuilt = os.path.join(work, "rebuilt.bin")
    write(text, result.stdout)
    build = subprocess.run([orvane, "archive", "build", text, "-o", rebuilt], capture_output=True)
    assert build.returncode == 0, build.stderr.decode()
    with open(archive, "rb") as a, open(rebuilt, "rb") as b:
        assert a.read() == b.read(), "the dump did not build the same bytes"


def check_truncations(orvane, data, work):
    path = os.path.join(work, "truncated.bin")
    for size in list(range(0, 64)) + list(range(64, len(data), 97)):
        write(path, data[:size])
        result = dump(orvane, path)
        assert result.returncode == 1, f"{size} bytes: exit {result.returncode}"
        assert result.stdout.startswith(b"# Orvane archive"), f"{size} bytes: nothing printed"
        assert result.stderr, f"{size} bytes: no error reported"


def check_corruptions(orvane, data, work, rounds):
    path = os.path.join(work, "corrupted.bin")
    chooser = random.Random(7)
    for round in range(rounds):
        damaged = bytearray(data)
        for _ in range(chooser.randint(1, 8)):
            damaged[chooser.randrange(len(damaged))] = chooser.randrange(256)
        write(path, bytes(damaged))
        result = dump(orvane, path)
        assert result.returncode in (0, 1), f"round {round}: exit {result.returncode}"


def main():
    orvane, archive, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    with open(archive, "rb") as f:
        data = f.read()
    check_round_trip(orvane, archive, work)
    check_truncations(orvane, data, work)
    check_corruptions(orvane, data, work, 150)
    print("orvane archive: round trip, truncations and corruptions behave")


if __name__ == "__main__":
    main()
