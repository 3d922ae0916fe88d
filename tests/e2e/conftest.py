"""Fixtures of the end-to-end suite: one Wine session and one probe for the whole run,
and for each test a fresh click recorder behind a fresh instance of the program.

Every test that starts the program runs twice: on a system whose code page
is GBK and on an English one.
"""

import json
import subprocess

import pytest

from harness.desktop import Desktop
from harness.environment import ENGLISH_SYSTEM, EXPECTED_CODE_PAGE, GBK_SYSTEM, SuiteEnvironment
from harness.probe import Probe
from harness.program import Program
from harness.recorder import ClickRecorder


@pytest.fixture(scope="session")
def suite():
    return SuiteEnvironment.from_runner()


@pytest.fixture(scope="session")
def probe(suite):
    session_probe = Probe(suite, suite.process_environment())
    yield session_probe
    session_probe.close()


@pytest.fixture(scope="session")
def desktop(suite, probe):
    return Desktop(probe, suite.process_environment())


@pytest.fixture(scope="session")
def exit_codes_pass_through(suite):
    """The tests read the program's exit code from the Wine launcher's own: make sure it is passed on."""
    for code, seen_by_unix in ((0, 0), (7, 7), (-1, 255)):
        result = subprocess.run([suite.wine, suite.helper("exit_with.exe"), str(code)],
                                env=suite.process_environment(), timeout=60)
        assert result.returncode == seen_by_unix, f"exit code {code} reached the shell as {result.returncode}"


@pytest.fixture(scope="session", params=[GBK_SYSTEM, ENGLISH_SYSTEM], ids=["gbk-system", "english-system"])
def system_locale(request, suite, tmp_path_factory):
    """The system locale of the program; the probe confirms its code page, so that neither leg is vacuous."""
    # The answer goes through a file: Wine's own service processes, started
    # for the first program of a locale, inherit a pipe and would hold it open.
    answer_path = tmp_path_factory.mktemp("locale") / "ping.json"
    with open(answer_path, "wb") as answer:
        subprocess.run([suite.wine, suite.helper("probe.exe"), "ping"], stdout=answer,
                       env=suite.process_environment(request.param), timeout=60, check=True)
    code_page = json.loads(answer_path.read_text(encoding="utf-8"))["result"]["acp"]
    assert code_page == EXPECTED_CODE_PAGE[request.param], f"{request.param} gives code page {code_page}"
    return request.param


@pytest.fixture
def recorder(suite, tmp_path):
    backdrop = ClickRecorder(suite, suite.process_environment(), tmp_path / "clicks.log")
    yield backdrop
    backdrop.close()


@pytest.fixture
def program(suite, probe, desktop, recorder, system_locale, exit_codes_pass_through, tmp_path):
    """A fresh instance, started after the recorder so that its window lies above it."""
    instance = Program(suite, probe, desktop, suite.process_environment(system_locale), tmp_path)
    yield instance
    instance.kill()
