"""Readable failure messages for long texts, such as a list of 20,000 lines."""

CONTEXT = 40
LONG_TEXT = 200


def describe(actual, expected):
    """The two values, or for long texts where and how they first differ."""
    if not (isinstance(actual, str) and isinstance(expected, str)) or max(len(actual), len(expected)) <= LONG_TEXT:
        return f"expected {expected!r}, got {actual!r}"
    position = next((index for index, (a, e) in enumerate(zip(actual, expected)) if a != e),
                    min(len(actual), len(expected)))
    start = max(0, position - CONTEXT)
    return (f"texts of {len(actual)} and {len(expected)} characters first differ at {position}: "
            f"expected ...{expected[start:position + CONTEXT]!r}, got ...{actual[start:position + CONTEXT]!r}")
