"""Prints the benchmark results as a short table, with the figures the
project watches: a tick on a long list against a tick on a short one, and
the cost of a start per line."""

import json
import sys

UNIT_TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def microseconds(run, key):
    return run[key] * UNIT_TO_US[run["time_unit"]]


def describe(us):
    if us >= 1000:
        return f"{us / 1000:10.2f} ms"
    if us >= 1:
        return f"{us:10.2f} us"
    return f"{us * 1000:10.1f} ns"


def main(path):
    with open(path, encoding="utf-8") as results:
        runs = [r for r in json.load(results)["benchmarks"] if r.get("run_type") != "aggregate"]
    print(f"{'benchmark':55} {'wall':>13} {'cpu':>13} {'throughput':>12}")
    for run in runs:
        rate = run.get("bytes_per_second")
        throughput = f"{rate / 1e6:8.1f} MB/s" if rate else ""
        print(f"{run['name']:55} {describe(microseconds(run, 'real_time'))} "
              f"{describe(microseconds(run, 'cpu_time'))} {throughput:>12}")

    ticks = {int(r["lines"]): microseconds(r, "cpu_time")
             for r in runs if r["name"].startswith("tickAtTheEndOfTheList")}
    if len(ticks) == 2:
        short, long = min(ticks), max(ticks)
        print(f"\ntick at the end of {long} lines / tick in {short} lines: "
              f"{ticks[long] / ticks[short]:.2f} (cpu time)")
    for run in runs:
        if run["name"].startswith("startOnALongList"):
            lines, us = int(run["lines"]), microseconds(run, "cpu_time")
            shape = "21-byte" if run["name"].endswith("wide:1") else "17-byte"
            print(f"start on {lines:>8} {shape} lines: {us / 1000:8.2f} ms cpu, "
                  f"{us * 1000 / lines:6.1f} ns a line")

if __name__ == "__main__":
    main(sys.argv[1])
