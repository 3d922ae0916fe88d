#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "app/allocation_failure.h"
#include "app/fatal_error_text.h"
#include "hotkeys/hotkey_bindings.h"
#include "program_on_desktop.h"

namespace orvalek {
namespace {

// The GBK pieces of the report, spelled out here rather than taken from the
// program's own constants.
const std::string kHeading = "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n";  // 运行时出错!
const std::string kCodeLine = "\r\n\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba";  // 错误代码：
const std::string kMessageLine = "\r\n\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba";  // 错误信息：
const std::string kAllocate = "\xb7\xd6\xc5\xe4 ";                                // 分配
const std::string kBytesFailed =
    " \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!";  // 字节内存失败!

struct TextCase {
  std::int32_t code;
  std::string message;
  std::string expected;
};

TEST(FatalErrorText, CarriesTheCodeOnlyWhenNonzeroAndTheMessageOnlyWhenNotEmpty) {
  const TextCase cases[] = {
      {0, "", kHeading},
      {0, "boom", kHeading + kMessageLine + "boom\r\n"},
      {7, "", kHeading + kCodeLine + "7\r\n"},
      {-2147483647 - 1, "x", kHeading + kCodeLine + "-2147483648\r\n" + kMessageLine + "x\r\n"},
  };
  for (const TextCase& text : cases) {
    EXPECT_EQ(composeFatalErrorText(text.code, text.message), text.expected) << text.code;
  }
}

TEST(FatalErrorText, AllocationMessageNamesTheWholeSize) {
  EXPECT_EQ(allocationFailureMessage(0), kAllocate + "0" + kBytesFailed);
  EXPECT_EQ(allocationFailureMessage(1234), kAllocate + "1234" + kBytesFailed);
  // Beyond 32 bits the size is still told as it is, not wrapped.
  EXPECT_EQ(allocationFailureMessage(5'000'000'000u), kAllocate + "5000000000" + kBytesFailed);
}

class FatalReport : public ::testing::Test, protected testing::ProgramOnDesktop {
 protected:
  // Runs `report` and returns the exit code the process ended with.
  template <typename Report>
  std::int32_t endsWith(Report report) {
    try {
      report();
    } catch (const sim::ProcessExit& exit) {
      return exit.exitCode;
    }
    ADD_FAILURE() << "the process went on";
    return 0;
  }
};

TEST_F(FatalReport, AFailedAllocationFreesTheReserveAndReportsItsSize) {
  runProgram(program);
  AllocationFailureReporter reporter(program);
  bool reserveHeldWhileBoxOpen = true;
  desktop.process.setWhileBoxOpen([&] { reserveHeldWhileBoxOpen = reporter.holdsReserve(); });

  EXPECT_EQ(endsWith([] { reportAllocationFailure(1234); }), -1);

  ASSERT_EQ(desktop.process.messageBoxes().size(), 1u);
  const sim::MessageBoxRecord& box = desktop.process.messageBoxes()[0];
  EXPECT_EQ(box.text, kHeading + kMessageLine + kAllocate + "1234" + kBytesFailed + "\r\n");
  EXPECT_EQ(box.title, "\xb4\xed\xce\xf3");  // 错误
  EXPECT_EQ(box.flags, 0x10u);
  EXPECT_FALSE(reserveHeldWhileBoxOpen);
}

TEST_F(FatalReport, AFailureWhileTheReportIsBuiltEndsWithoutASecondBox) {
  runProgram(program);
  AllocationFailureReporter reporter(program);
  desktop.process.setWhileBoxOpen([] { reportAllocationFailure(64); });
  EXPECT_EQ(endsWith([] { reportAllocationFailure(1234); }), -1);
  EXPECT_EQ(desktop.process.messageBoxes().size(), 1u);
}

TEST(AllocationFailure, WithoutAReporterTheAllocationThrowsAsUsual) {
  EXPECT_THROW(reportAllocationFailure(16), std::bad_alloc);
}

TEST_F(FatalReport, BehindTheBoxWindowEventsRunNoHandlerWhileHotkeysStillWork) {
  runProgram(program);
  desktop.window.setWindowText(ControlId::编辑框_操作组合, "5,6,0,0,1,0\r\n");
  desktop.window.setWindowText(ControlId::编辑框_X, "7");
  desktop.shell.click(ControlId::按钮_开始);
  ASSERT_EQ(desktop.window.timerPeriodMs(), 1000);

  std::string listAfterClick;
  std::string listAfterHotkey;
  desktop.process.setWhileBoxOpen([&] {
    desktop.clock.advance(3500);  // three ticks of the armed timer
    desktop.shell.click(ControlId::按钮_加入);
    listAfterClick = desktop.window.windowText(ControlId::编辑框_操作组合);
    desktop.shell.focus(ControlId::编辑框_秒);
    desktop.hotkeys.pressKey(kVkF2, 0);
    listAfterHotkey = desktop.window.windowText(ControlId::编辑框_操作组合);
  });
  desktop.window.clearCalls();

  EXPECT_EQ(endsWith([&] { program.reportFatalError(0, "x"); }), -1);

  EXPECT_TRUE(desktop.input.events().empty()) << "a tick clicked behind the box";
  EXPECT_EQ(listAfterClick, "5,6,0,0,1,0\r\n") << "the add button ran its handler";
  EXPECT_TRUE(desktop.window.callsOf(sim::WindowCall::SelectRange).empty());
  EXPECT_EQ(listAfterHotkey, "5,6,0,0,1,0\r\n7,,0,0,1,0\r\n") << "F2 must still add";
}

TEST_F(FatalReport, TheExitRoutineRunsAfterTheBoxIsClosed) {
  runProgram(program);
  std::size_t recordsWhileBoxOpen = 0;
  desktop.process.setWhileBoxOpen(
      [&] { recordsWhileBoxOpen = program.hotkeyRegistry()->records().size(); });

  EXPECT_EQ(endsWith([&] { program.reportFatalError(3, "x"); }), -1);

  EXPECT_EQ(recordsWhileBoxOpen, 3u);
  EXPECT_TRUE(program.hotkeyRegistry()->records().empty());
}

}  // namespace
}  // namespace orvalek
