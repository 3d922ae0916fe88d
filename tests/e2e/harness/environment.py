"""Where the program, the helpers and Wine are, as the suite runner hands them over."""

import os
from dataclasses import dataclass
from pathlib import Path

# A system whose code page is GBK, as on the program's own users' machines,
# and one whose code page is not: the texts must read right on both.
GBK_SYSTEM = "zh_CN.UTF-8"
ENGLISH_SYSTEM = "en_US.UTF-8"
EXPECTED_CODE_PAGE = {GBK_SYSTEM: 936, ENGLISH_SYSTEM: 1252}


@dataclass(frozen=True)
class SuiteEnvironment:
    program: Path
    helpers: Path
    wine: str

    @staticmethod
    def from_runner():
        missing = [name for name in ("ORVALEK_E2E_PROGRAM", "ORVALEK_E2E_HELPERS", "ORVALEK_E2E_WINE",
                                     "DISPLAY", "WINEPREFIX") if not os.environ.get(name)]
        if missing:
            raise RuntimeError(f"run the suite through tests/e2e/run.sh (not set: {', '.join(missing)})")
        environment = SuiteEnvironment(Path(os.environ["ORVALEK_E2E_PROGRAM"]),
                                       Path(os.environ["ORVALEK_E2E_HELPERS"]),
                                       os.environ["ORVALEK_E2E_WINE"])
        if not environment.program.is_file():
            raise RuntimeError(f"the program is not there: {environment.program}")
        for helper in ("probe.exe", "click_recorder.exe", "exit_with.exe"):
            if not (environment.helpers / helper).is_file():
                raise RuntimeError(f"the helper is not there: {environment.helpers / helper}")
        return environment

    def helper(self, name):
        return str(self.helpers / name)

    def process_environment(self, system_locale=ENGLISH_SYSTEM):
        """The environment of a Windows process started on a system of that locale."""
        environment = dict(os.environ)
        environment["LANG"] = system_locale
        environment.pop("LC_ALL", None)
        environment.pop("LANGUAGE", None)
        return environment


def windows_path(unix_path):
    """The path as Windows programs under Wine see it, through drive Z:."""
    return "Z:" + str(Path(unix_path).resolve()).replace("/", "\\")
