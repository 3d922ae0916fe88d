"""Waiting for something a user would see, with a deadline instead of a fixed sleep."""

import time

from .text_difference import describe


class WaitTimeout(AssertionError):
    pass


def wait_until(probe_value, timeout, what, interval=0.02):
    """Polls probe_value() until it gives a truthy value, and returns that value.

    Fails with `what` and the last value seen when the deadline passes.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = probe_value()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"after {timeout} s still waiting for {what}; last seen: {last!r}")
        time.sleep(interval)


def wait_for_value(read, expected, timeout, what, interval=0.02):
    """Polls read() until it equals expected; fails with the last value seen."""
    seen = []

    def matches():
        seen[:] = [read()]
        return seen[0] == expected

    try:
        wait_until(matches, timeout, what, interval)
    except WaitTimeout:
        raise WaitTimeout(f"after {timeout} s still waiting for {what}: {describe(seen[0], expected)}") from None
