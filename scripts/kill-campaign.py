#!/usr/bin/env python3
"""Kills orvane-cli test with SIGKILL at random moments and checks what it leaves on disk.

  kill-campaign.py [--runs 300] [--build build] [--seed S] [--keep DIR]

A program folder is laid out as scripts/main-job.sh lays out ./run (with the debug log on), and
`orvane-cli test` of the example mirror is started again and again; most runs are killed, a
third of them at any moment, the others near the end of the test, where the save happens. After
every run: no file of the folder is empty, every report saved before is unchanged byte for byte,
every report is whole, the debug log only grew, the settings file is untouched and the mirror
record is whole and its test number never went back. Not run by CI: it takes minutes.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEBUG_DISPLAY_LINE = 36  # of the settings file, counted from 0


def lay_out(folder):
    os.makedirs(os.path.join(folder, "mirrors"))
    examples = os.path.join(ROOT, "examples")
    for name in ("mirrors/Demo6f4.ini", "bench-demo6f4.ini"):
        with open(os.path.join(examples, name), "rb") as src:
            data = src.read()
        with open(os.path.join(folder, name), "wb") as dst:
            dst.write(data)
    with open(os.path.join(examples, "orvane.ini"), encoding="utf-8") as src:
        lines = src.read().replace("%PROGRAM_FOLDER%", folder).splitlines()
    lines[DEBUG_DISPLAY_LINE] = "True"
    with open(os.path.join(folder, "orvane.ini"), "wb") as dst:
        dst.write(("\r\n".join(lines) + "\r\n").encode())
    with open(os.path.join(folder, "orvane-hardware.ini"), "w") as dst:
        dst.write("[port]\nbackend=bench\n\n[bench]\nfile=bench-demo6f4.ini\n")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def files_below(folder):
    for base, _, names in os.walk(folder):
        for name in names:
            yield os.path.join(base, name)


class Watch:
    """What the folder held after the last run, and the faults found since."""

    def __init__(self, folder):
        self.folder = folder
        self.settings = read(os.path.join(folder, "orvane.ini"))
        self.reports = {}
        self.debug = b""
        self.record_number = 1
        self.faults = []

    def check(self, run):
        def fault(text):
            self.faults.append(f"run {run}: {text}")

        temporaries = 0
        for path in files_below(self.folder):
            name = os.path.basename(path)
            if name.startswith(".") and name.endswith(".tmp"):
                temporaries += 1
            elif os.path.getsize(path) == 0:
                fault(f"{path} is empty")
        if read(os.path.join(self.folder, "orvane.ini")) != self.settings:
            fault("the settings file changed")
        record = read(os.path.join(self.folder, "mirrors", "Demo6f4.ini")).split(b"\r\n")
        if len(record) != 8 or record[7] != b"" or not record[6].isdigit():
            fault(f"the record is broken: {record!r}")
        elif int(record[6]) < self.record_number:
            fault(f"the record went back from {self.record_number} to {int(record[6])}")
        else:
            self.record_number = int(record[6])
        reports = os.path.join(self.folder, "TestResults", "Demo6f4", "TextData")
        for path in files_below(reports) if os.path.isdir(reports) else []:
            if not re.fullmatch(r"test\d+\.txt", os.path.basename(path)):
                continue
            data = read(path)
            if path in self.reports and self.reports[path] != data:
                fault(f"{path} was written over")
            if not (data.startswith(b"Mirror Diameter = ") and data.endswith(b"(not a real mirror)\r\n")):
                fault(f"{path} is not whole")
            self.reports.setdefault(path, data)
        debug_path = os.path.join(self.folder, "Debug.txt")
        debug = read(debug_path) if os.path.exists(debug_path) else b""
        if not debug.startswith(self.debug):
            fault("the debug log lost what it held")
        self.debug = debug
        return temporaries


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=300)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--keep", help="lay the program folder out here and keep it")
    args = parser.parse_args()
    random.seed(args.seed)
    cli = os.path.join(args.build, "src", "app", "orvane-cli")
    folder = args.keep or tempfile.mkdtemp(prefix="orvane-kill-")
    lay_out(folder)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    command = [cli, "test", "--program-folder", folder, "--mirror", "Demo6f4", "--sets", "1",
               "--circle", "160,120,99"]

    def start():
        return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    lengths = []  # of the runs that finished, the latest last
    for _ in range(3):
        began = time.monotonic()
        if start().wait() != 0:
            sys.exit("orvane-cli test fails even when left alone")
        lengths.append(time.monotonic() - began)
    watch = Watch(folder)
    watch.check(0)
    killed = finished = failed = temporaries = between = 0
    for run in range(1, args.runs + 1):
        # Runs take longer or shorter as the machine is busy: aim at the latest ones' end.
        length = sorted(lengths[-9:])[len(lengths[-9:]) // 2]
        near_end = random.random() < 2 / 3
        moment = random.uniform(0.8, 1.05) * length if near_end else random.uniform(0, length)
        began = time.monotonic()
        process = start()
        try:
            status = process.wait(timeout=moment)
        except subprocess.TimeoutExpired:
            process.send_signal(signal.SIGKILL)
            status = process.wait()
        if status == -signal.SIGKILL:
            killed += 1
        elif status == 0:
            finished += 1
            lengths.append(time.monotonic() - began)
        else:
            failed += 1
        reports, record = len(watch.reports), watch.record_number
        temporaries = watch.check(run)
        if status == -signal.SIGKILL and len(watch.reports) > reports:
            between += watch.record_number == record
    print(f"seed {args.seed}, a run lasts {sorted(lengths)[len(lengths) // 2]:.2f} s, "
          f"folder {folder}")
    print(f"runs {args.runs}: killed {killed}, finished and saved {finished}, failed {failed}")
    print(f"reports saved {len(watch.reports)}, record's next test {watch.record_number}, "
          f"kills between a report and its record {between}, "
          f"temporary files left by kills {temporaries}")
    print(f"faults {len(watch.faults)}")
    for line in watch.faults[:20]:
        print("  " + line)
    sys.exit(1 if watch.faults or failed else 0)


if __name__ == "__main__":
    main()
