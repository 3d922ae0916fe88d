#include "app/program.h"

#include <cstdlib>

#include "app/fatal_error_text.h"
#include "hotkeys/hotkey_bindings.h"
#include "oplist/operation_list.h"
#include "ui/gbk_texts.h"
#include "ui/window_handlers.h"

namespace orvalek {

void Program::initProgramState() { state_.emplace(ports_, controls_); }

void Program::releaseState() {
  if (!state_) return;
  state_->run.releaseLines();
  state_->hotkeys.releaseRecords();
}

void Program::reportFatalError(std::int32_t code, std::string_view message) {
  fatalReportBegun_ = true;
  const Text text = composeFatalErrorText(code, message);
  ports_.process.messageBox(text, texts::kErrorTitle, platform::kMbOk | platform::kMbIconHand);
  endAfterFatalError();
}

void Program::endAfterFatalError() {
  fatalReportBegun_ = true;
  runExitRoutines();
  ports_.process.exitProcess(-1);
  // exitProcess never returns; the compiler cannot see that through the port.
  std::abort();
}

void Program::onCreated() {
  if (!handlesEvents()) return;
  bindHotkeys(state_->hotkeys, controls_, state_->run, ports_.input);
}

void Program::onClicked(ControlId control) {
  if (!handlesEvents()) return;
  switch (control) {
    case ControlId::按钮1:
      showHelp(ports_.process);
      break;
    case ControlId::按钮_加入:
      appendOperation(controls_);
      break;
    case ControlId::按钮_开始:
      state_->run.startRun();
      break;
    default:
      break;
  }
}

void Program::onGotFocus(ControlId control) {
  if (!handlesEvents()) return;
  if (control == ControlId::编辑框_秒 || control == ControlId::编辑框_分) {
    selectAllOnFocus(controls_, control);
  }
}

void Program::onTimer() {
  if (!handlesEvents()) return;
  state_->run.onTimerTick();
}

void releaseProgramState(Program& program) { program.releaseState(); }

void runProgram(Program& program) {
  platform::ShellPort& shell = program.ports().shell;
  shell.prepareUserInterface();
  shell.setFloatingPointDefaults();
  program.initProgramState();
  program.registerExitRoutine(releaseProgramState);
  if (!shell.createMainWindow(program)) {
    program.reportFatalError(0, texts::kWindowCreationFailed);
  }
  shell.runMessageLoop();
}

}  // namespace orvalek
