"""Figures of the real program under Wine, printed, never asserted as speeds: the timing of
a looping 100 ms click against xdotool's clicks to the same recorder, the program's CPU time
while idle, the size of each .exe and the time from launch until the window shows.

Run by scripts/measure-wine.sh."""

import statistics
import subprocess
import time
from pathlib import Path

from figures import cpu_seconds, interval_figures, press_times, print_table, process_ids
from harness.program import Program
from looping_list import prepare_looping_list

F3_HOTKEY_ID = 3
PERIOD_MS = 100
RUN_S = 10
IDLE_S = 10
LAUNCHES = 3
# On the click recorder, clear of the program's window (which is minimised during a run anyway).
CLICK_POINT = (100, 100)


def idle_cpu_seconds(executable_name):
    pids = process_ids(executable_name)
    assert len(pids) == 1, f"expected one process of {executable_name}, found {pids}"
    before = cpu_seconds(pids[0])
    time.sleep(IDLE_S)
    return cpu_seconds(pids[0]) - before


def xdotool_clicks(environment):
    x, y = CLICK_POINT
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], env=environment, check=True, timeout=30)
    subprocess.run(["xdotool", "click", "--repeat", str(RUN_S * 1000 // PERIOD_MS), "--delay", str(PERIOD_MS), "1"],
                   env=environment, check=True, timeout=RUN_S * 3)


def test_measure_wine_timing_idle_size_and_start(suite, probe, desktop, recorder, program_environment,
                                                  tmp_path):
    executable_name = Path(suite.program).name
    launch_s = []
    for _ in range(LAUNCHES - 1):
        started = time.monotonic()
        Program(suite, probe, desktop, program_environment, tmp_path).kill()
        launch_s.append(time.monotonic() - started)
    started = time.monotonic()
    program = Program(suite, probe, desktop, program_environment, tmp_path)
    launch_s.append(time.monotonic() - started)
    try:
        time.sleep(1)  # let start-up settle before counting idle time
        idle_after_start = idle_cpu_seconds(executable_name)

        # The program's clicks: one line, looping, 100 ms.
        prepare_looping_list(program, *CLICK_POINT, PERIOD_MS)
        start_before, _ = program.press_button("按钮_开始")
        time.sleep(RUN_S + PERIOD_MS / 1000 / 2)
        program.post_hotkey(F3_HOTKEY_ID)
        time.sleep(0.5)
        program_messages = recorder.messages()
        program_presses = press_times(program_messages)
        assert len(program_presses) >= RUN_S * 1000 // PERIOD_MS // 2, "too few clicks to measure"

        idle_after_run = idle_cpu_seconds(executable_name)

        # xdotool's clicks to the same recorder, in the same session.
        xdotool_clicks(suite.process_environment())
        time.sleep(0.5)
        xdotool_presses = press_times(recorder.messages()[len(program_messages):])
        assert len(xdotool_presses) >= 2, "xdotool's clicks did not reach the recorder"
    finally:
        program.kill()

    program_figures = interval_figures(program_presses, PERIOD_MS)
    program_figures["first click after start ms"] = program_presses[0] - start_before - PERIOD_MS
    print_table(f"program: one line looping every {PERIOD_MS} ms for {RUN_S} s", program_figures)
    print_table(f"xdotool click --repeat {RUN_S * 1000 // PERIOD_MS} --delay {PERIOD_MS}",
                interval_figures(xdotool_presses, PERIOD_MS))
    print_table(f"CPU seconds of the program over {IDLE_S} s idle", {
        "just after start": idle_after_start,
        "after a run stopped by F3": idle_after_run,
    })
    sizes = {exe.name: f"{exe.stat().st_size / 1024:.0f} KiB"
             for exe in sorted(Path(suite.program).parent.glob("orvalek-*.exe"))}
    sizes["launch to window shown (median)"] = f"{statistics.median(launch_s):.2f} s"
    print_table(f"size and start ({LAUNCHES} launches)", sizes)
