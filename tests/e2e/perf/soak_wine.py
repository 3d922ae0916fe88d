"""A looping 50 ms list left on for a minute under Wine while F3 stops and starts it 20 times
and the list box is edited between and during the runs: the program is alive at the end, and
the recorder accounts for every click, each one inside a running interval, at the place of
the list that interval started with, and about as many as the interval's length allows.

Run by scripts/soak-wine.sh."""

import time

from figures import PRESSES, RELEASE, print_table
from harness.waiting import wait_until
from looping_list import LIST, one_line_list, prepare_looping_list

PERIOD_MS = 50
TOGGLES = 20
TOGGLE_EVERY_S = 3.0
# A click is due a period after its start or its previous click; under load it may come this late.
LATE_MS = 150
# How far the count of an interval may stray from its length / period: WM_TIMER never
# queues up, so a busy moment can merge ticks, but not many.
COUNT_TOLERANCE = 0.15


def place_of_run(run):
    """Where the run numbered `run` (from 0) clicks: each run somewhere else."""
    return 100 + 10 * run, 300 + 10 * run


def list_for_run(run):
    return one_line_list(*place_of_run(run), PERIOD_MS)


def test_soak_wine_toggled_looping_run(program, probe, desktop, recorder):
    prepare_looping_list(program, *place_of_run(0), PERIOD_MS)
    desktop.focus_keyboard(recorder.hwnd)

    runs = []  # (start before, start after, stop before, stop after, list's place)
    t0 = time.monotonic()
    for toggle in range(TOGGLES):
        wait_until(lambda: time.monotonic() >= t0 + toggle * TOGGLE_EVERY_S, TOGGLE_EVERY_S + 5, "the next toggle")
        before = probe.now_ms()
        desktop.press("F3")
        after = probe.now_ms()
        run = toggle // 2
        if toggle % 2 == 0:
            runs.append([before, after, None, None, place_of_run(run)])
            # Edited during the run: read only at the next start.
            time.sleep(TOGGLE_EVERY_S / 2)
            program.set_text(LIST, one_line_list(0, 0, PERIOD_MS))
        else:
            runs[-1][2:4] = [before, after]
            # Edited while stopped: the next run must click at its new place.
            program.set_text(LIST, list_for_run(run + 1))
    wait_until(lambda: time.monotonic() >= t0 + TOGGLES * TOGGLE_EVERY_S, TOGGLE_EVERY_S + 5, "the last pause")

    assert program.is_running(), "the program ended during the soak"
    assert not probe.top_level_windows("错误"), "an error box is shown"
    assert program.text(LIST) == list_for_run(TOGGLES // 2)

    messages = recorder.messages()
    presses = [message for message in messages if message.name in PRESSES]
    releases = [message for message in messages if message.name == RELEASE]
    assert len(presses) == len(releases), "a press without its release, or the other way round"
    assert all(message.name in PRESSES + (RELEASE,) for message in messages), "a click of another button"

    counts = {}
    unaccounted = []
    for press in presses:
        owner = next((index for index, (start_before, _, _, stop_after, _) in enumerate(runs)
                      if start_before + PERIOD_MS - LATE_MS <= press.time_ms <= stop_after + LATE_MS), None)
        if owner is None:
            unaccounted.append(press)
            continue
        assert (press.x, press.y) == runs[owner][4], f"run {owner + 1} clicked at a place of another list: {press}"
        counts[owner] = counts.get(owner, 0) + 1
    assert not unaccounted, f"clicks outside every running interval: {unaccounted}"

    rows = {}
    for index, (start_before, start_after, stop_before, stop_after, _) in enumerate(runs):
        running_ms = (stop_before + stop_after) / 2 - (start_before + start_after) / 2
        expected = running_ms / PERIOD_MS
        seen = counts.get(index, 0)
        rows[f"run {index + 1}: clicks / expected"] = f"{seen} / {expected:.1f}"
        assert abs(seen - expected) <= max(3.0, COUNT_TOLERANCE * expected), \
            f"run {index + 1} made {seen} clicks in {running_ms:.0f} ms, about {expected:.0f} expected"
    rows["clicks in all"] = len(presses)
    print_table(f"soak: {TOGGLES} toggles of a looping {PERIOD_MS} ms list over "
                f"{TOGGLES * TOGGLE_EVERY_S:.0f} s", rows)
