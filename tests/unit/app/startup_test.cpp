#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "hotkeys/hotkey_bindings.h"
#include "program_on_desktop.h"
#include "ui/gbk_texts.h"

namespace orvalek {
namespace {

using Call = sim::SimulatedShell::Call;

class StartUp : public ::testing::Test, protected testing::ProgramOnDesktop {};

TEST_F(StartUp, PreparesTheProcessThenCreatesTheWindowThenRunsTheLoop) {
  runProgram(program);
  EXPECT_EQ(desktop.shell.calls(),
            (std::vector<Call>{Call::PrepareUserInterface, Call::SetFloatingPointDefaults,
                               Call::CreateMainWindow, Call::RunMessageLoop}));
  EXPECT_TRUE(desktop.shell.createdWhileHidden());
  EXPECT_TRUE(desktop.window.isMainWindowVisible());
  EXPECT_EQ(desktop.shell.focusedControl(), ControlId::按钮_加入);
  EXPECT_EQ(desktop.window.windowText(ControlId::MainWindow), texts::kWindowTitle);
}

TEST_F(StartUp, TheCreatedEventBindsF1F2AndF3ToTheMainWindow) {
  runProgram(program);
  const auto window = desktop.window.mainWindowHandle();
  EXPECT_EQ(desktop.hotkeys.registrations(),
            (std::vector<sim::HotkeyRegistration>{
                {window, 1, 0, kVkF1}, {window, 2, 0, kVkF2}, {window, 3, 0, kVkF3}}));
  EXPECT_EQ(desktop.hotkeys.subclassCalls().size(), 1u);
}

TEST_F(StartUp, AWindowThatCannotBeCreatedEndsInTheFatalReportWithoutALoop) {
  desktop.shell.failWindowCreation();
  try {
    runProgram(program);
    FAIL() << "the process went on";
  } catch (const sim::ProcessExit& exit) {
    EXPECT_EQ(exit.exitCode, -1);
  }
  const std::vector<sim::MessageBoxRecord> expected = {
      {"\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n"                          // 运行时出错!
       "\r\n\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba"                           // 错误信息：
       "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc\r\n",  // 载入启动窗口失败
       "\xb4\xed\xce\xf3",                                                      // 错误
       0x10}};
  EXPECT_EQ(desktop.process.messageBoxes(), expected);
  EXPECT_EQ(desktop.shell.calls().back(), Call::CreateMainWindow);
}

TEST_F(StartUp, TheExitRoutineReleasesTheLinesOfTheLastStartAndTheHotkeyRecords) {
  runProgram(program);
  desktop.window.setWindowText(ControlId::编辑框_操作组合, "1,2,0,0,1,0\r\n3,4,0,0,1,0\r\n");
  desktop.shell.click(ControlId::按钮_开始);
  ASSERT_EQ(program.runController()->state().lines.count(), 2);
  ASSERT_EQ(program.hotkeyRegistry()->records().size(), 3u);

  program.runExitRoutines();
  EXPECT_EQ(program.runController()->state().lines.count(), 0);
  EXPECT_TRUE(program.hotkeyRegistry()->records().empty());
}

}  // namespace
}  // namespace orvalek
