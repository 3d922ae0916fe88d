"""Small statistics of click times, and where the program's process spends its CPU time."""

import math
import os
from pathlib import Path

PRESSES = ("LBUTTONDOWN", "LBUTTONDBLCLK")
RELEASE = "LBUTTONUP"


def press_times(messages):
    """The times of the left presses; two presses close together at one point arrive as a double click."""
    return [message.time_ms for message in messages if message.name in PRESSES]


def percentile(values, fraction):
    """Nearest-rank percentile of a non-empty list."""
    ordered = sorted(values)
    rank = max(1, math.ceil(len(ordered) * fraction))
    return ordered[rank - 1]


def interval_figures(presses, period_ms):
    """Median and 99th-percentile error of the intervals between presses, and the drift of the
    last press against the ideal schedule that starts at the first press."""
    intervals = [later - earlier for earlier, later in zip(presses, presses[1:])]
    errors = [abs(interval - period_ms) for interval in intervals]
    ideal_last = presses[0] + (len(presses) - 1) * period_ms
    return {
        "clicks": len(presses),
        "mean interval ms": sum(intervals) / len(intervals),
        "median error ms": percentile(errors, 0.5),
        "p99 error ms": percentile(errors, 0.99),
        "drift of last click ms": presses[-1] - ideal_last,
    }


def process_ids(executable_name):
    """The processes of this Wine session (this WINEPREFIX) whose command line names the
    executable; Wine shows the Windows path there. Other sessions on the machine are left out."""
    own_prefix = f"WINEPREFIX={os.environ['WINEPREFIX']}".encode()
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command_line = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode("utf-8", "replace")
            environment = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if executable_name.lower() in command_line.lower() and own_prefix in environment:
            found.append(int(entry.name))
    return found


def cpu_seconds(pid):
    """User plus system CPU time the process has used so far."""
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    user_ticks, system_ticks = int(fields[11]), int(fields[12])
    return (user_ticks + system_ticks) / os.sysconf("SC_CLK_TCK")


def print_table(title, rows):
    print(f"\n{title}")
    for name, value in rows.items():
        shown = f"{value:.2f}" if isinstance(value, float) else str(value)
        print(f"  {name:32} {shown:>12}")
