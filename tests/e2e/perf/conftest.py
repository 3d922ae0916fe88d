"""Fixtures of the Wine measurements: one instance of the program on a GBK system, the
system of its users, started above a fresh click recorder. The measurements run once,
not once per system locale as the behaviour tests do."""

import pytest

from harness.environment import GBK_SYSTEM
from harness.program import Program


@pytest.fixture
def program_environment(suite):
    return suite.process_environment(GBK_SYSTEM)


@pytest.fixture
def program(suite, probe, desktop, recorder, program_environment, tmp_path):
    instance = Program(suite, probe, desktop, program_environment, tmp_path)
    yield instance
    instance.kill()
