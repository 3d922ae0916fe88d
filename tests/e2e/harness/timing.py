"""How exactly a click must keep its time to pass."""

# A click due at t arrives under Wine within a few tens of ms of t: the
# program's timer and the recorder's messages pass through the Wine server
# and the X server on a 2-core machine that also runs pytest, Xvfb and the
# probe. 150 ms leaves room for a busy moment and stays far below the
# seconds between the waits the tests use, so a click made for the wrong
# line, or after the wrong wait, still fails.
CLICK_TOLERANCE_MS = 150


def assert_due(actual_ms, earliest_ms, latest_ms, what):
    """The time lies between the earliest and the latest moment it may have, give or take the tolerance."""
    low = earliest_ms - CLICK_TOLERANCE_MS
    high = latest_ms + CLICK_TOLERANCE_MS
    assert low <= actual_ms <= high, (
        f"{what} came at {actual_ms:.0f} ms, outside [{low:.0f}, {high:.0f}] "
        f"({actual_ms - earliest_ms:+.0f} ms from the earliest moment it was due)")
