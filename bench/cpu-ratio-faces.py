#!/usr/bin/env python3
"""The clock's CPU for chosen faces, against the floor programs in one run.

Runs ../shared/perf/cpu-ratio.py with cases of its own added: a face is a
BARS value (one Y or N per bar, year first), measured as the case
tarvik-bars-<BARS>. The faces by default are the year bar alone, the day bar
alone, hour and minute, day and hour, beside the default face (tarvik), seven
bars (tarvik-7bars) and the floors qt-timer and qt-xcb-native. Afterwards it
gives each face's wake-ups per second and its CPU as a ratio to qt-timer and
to qt-xcb-native, and says which of these targets it meets: a slow face (no
second or millisecond bar) at most 1.1 wake-ups per second, the year-only and
day-only faces at most 0.1 x qt-timer's CPU, the default and seven-bar faces
at most 1.1 x qt-xcb-native's. It reports; it asserts nothing.

Usage: bench/cpu-ratio-faces.py [SECONDS [ROUNDS]] [--bars YNNNNNN,...] [--tarvik PATH]
       (build first with ./test.sh; the clock defaults to build/tarvik)
"""
import argparse
import json
import os
import runpy
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
PERF = os.path.join(HERE, "..", "..", "shared", "perf")
DEFAULT_FACES = ["YNNNNNN", "NNYNNNN", "NNNYYNN", "NNYYNNN"]
FLOORS = ["qt-timer", "qt-xcb-native"]
TICKS_PER_SECOND = 20  # cpu-ratio.py counts wake-ups per 50 ms tick


def face_case(bars):
    return f"tarvik-bars-{bars}"


def slow(bars):
    return bars[5] == "N" and bars[6] == "N"  # no second or millisecond bar


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("seconds", nargs="?", default="15")
    ap.add_argument("rounds", nargs="?", default="3")
    ap.add_argument("--bars", default=",".join(DEFAULT_FACES), help="comma-separated BARS values")
    ap.add_argument("--tarvik", default=os.path.join(HERE, "..", "build", "tarvik"))
    args = ap.parse_args()
    faces = [b.strip() for b in args.bars.split(",") if b.strip()]
    for bars in faces:
        if len(bars) != 7 or set(bars) - {"Y", "N"}:
            sys.exit(f"not a BARS value: {bars} (seven of Y and N, year first)")

    sys.path.insert(0, PERF)
    import perfcommon as pc  # noqa: E402  (the shared measurement's own module)
    for bars in faces:
        pc.CASES[face_case(bars)] = ("tarvik", f"[SETTING]\r\nBARS={bars}\r\n", False, None)
    cases = ["tarvik", "tarvik-7bars"] + [face_case(b) for b in faces] + FLOORS

    with tempfile.NamedTemporaryFile(suffix=".json") as result:
        sys.argv = [os.path.join(PERF, "cpu-ratio.py"), args.seconds, args.rounds, "--cases", ",".join(cases),
                    "--tarvik", os.path.abspath(args.tarvik), "--json", result.name]
        status = 0
        try:
            runpy.run_path(sys.argv[0], run_name="__main__")
        except SystemExit as end:
            status = end.code or 0
        with open(result.name) as f:
            data = json.load(f)

    summary, ratios = data["summary"], data["ratios"]
    print("\nwake-ups per second and CPU against the floors, with the targets")
    print(f"{'case':22s} {'wake-ups/s':>10s} {'/ qt-timer':>10s} {'/ qt-xcb-native':>15s}  targets")
    for case in cases[:-len(FLOORS)]:
        s = summary.get(case)
        if not s:
            print(f"{case:22s} failed")
            continue
        wakeups = s["wakeups_per_tick"] * TICKS_PER_SECOND
        to_timer = ratios.get(f"{case}/qt-timer", {}).get("cpu")
        to_native = ratios.get(f"{case}/qt-xcb-native", {}).get("cpu")
        bars = case.removeprefix("tarvik-bars-")
        verdicts = []
        if case.startswith("tarvik-bars-") and slow(bars):
            verdicts.append(("<= 1.1 wake-ups/s", wakeups <= 1.1))
        if bars in ("YNNNNNN", "NNYNNNN") and to_timer is not None:
            verdicts.append(("<= 0.1 x qt-timer", to_timer <= 0.1))
        if case in ("tarvik", "tarvik-7bars") and to_native is not None:
            verdicts.append(("<= 1.1 x qt-xcb-native", to_native <= 1.1))
        said = ", ".join(f"{what}: {'met' if ok else 'MISSED'}" for what, ok in verdicts)
        cell = lambda v: "-" if v is None else f"{v:.2f}"  # noqa: E731
        print(f"{case:22s} {wakeups:10.2f} {cell(to_timer):>10s} {cell(to_native):>15s}  {said}")
    return status


if __name__ == "__main__":
    sys.exit(main())
