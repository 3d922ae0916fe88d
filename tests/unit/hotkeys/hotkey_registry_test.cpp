#include "hotkeys/hotkey_registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hotkeys/hotkey_bindings.h"
#include "hotkeys/process_window_finder.h"
#include "platform/sim/simulated_desktop.h"

namespace orvalek {
namespace {

using platform::WindowHandle;
using platform::WindowMessage;
using sim::HotkeyRegistration;
using sim::HotkeyRelease;
using sim::SimulatedHotkeys;

constexpr WindowHandle kMainWindow = sim::SimulatedWindow::kHandle;
constexpr WindowHandle kOtherWindow = 0x00C0FFEE;
constexpr std::uint32_t kVkF5 = 0x74;
constexpr std::uint32_t kVkF6 = 0x75;
constexpr std::uint32_t kWmPaint = 0x000F;
constexpr std::uint32_t kWmSetText = 0x000C;
constexpr std::uint32_t kWmCommand = 0x0111;
constexpr std::uint32_t kModControl = 0x0002;
constexpr std::uint32_t kModShiftAlt = 0x0005;

WindowMessage hotkeyMessage(std::uintptr_t id) { return {kMainWindow, platform::kWmHotkey, id, 0}; }

class HotkeyRegistryTest : public ::testing::Test {
 protected:
  // A routine that notes its name each time it runs.
  HotkeyRoutine noting(std::string name) {
    return [this, name] { ran.push_back(name); };
  }
  std::int32_t registerForMain(std::uint32_t virtualKey, std::int32_t id, std::string name) {
    return registry.registerHotkey(kMainWindow, std::nullopt, virtualKey, noting(std::move(name)),
                                   id);
  }
  std::vector<std::int32_t> recordIds() const {
    std::vector<std::int32_t> ids;
    for (const HotkeyRecord& record : registry.records()) ids.push_back(record.id);
    return ids;
  }
  // Own windows the finder can come upon, after one of another process.
  void scriptOwnMainWindow() {
    desktop.walk.setTopLevelWindows({
        {.handle = kOtherWindow, .processId = 77, .title = "other", .className = "OtherClass"},
        {.handle = kMainWindow,
         .processId = desktop.hotkeys.currentProcessId(),
         .title = "main",
         .className = "MainClass"},
    });
  }

  sim::SimulatedDesktop desktop;
  HotkeyRegistry registry{desktop.hotkeys, desktop.walk, desktop.clock};
  std::vector<std::string> ran;
};

TEST_F(HotkeyRegistryTest, ThreeRegistrationsAreRecordedInOrderAndSubclassTheWindowOnce) {
  EXPECT_EQ(registerForMain(kVkF1, 1, "F1"), 1);
  EXPECT_EQ(registerForMain(kVkF2, 2, "F2"), 1);
  EXPECT_EQ(registerForMain(kVkF3, 3, "F3"), 1);

  EXPECT_EQ(recordIds(), (std::vector<std::int32_t>{1, 2, 3}));
  for (const HotkeyRecord& record : registry.records()) EXPECT_EQ(record.window, kMainWindow);
  EXPECT_EQ(
      desktop.hotkeys.registrations(),
      (std::vector<HotkeyRegistration>{
          {kMainWindow, 1, 0, kVkF1}, {kMainWindow, 2, 0, kVkF2}, {kMainWindow, 3, 0, kVkF3}}));
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{kMainWindow});
  EXPECT_EQ(registry.previousWindowProc(), SimulatedHotkeys::kOwnProcedure);

  desktop.hotkeys.pressKey(kVkF2, 0);
  desktop.hotkeys.pressKey(kVkF3, 0);
  desktop.hotkeys.pressKey(kVkF1, 0);
  EXPECT_EQ(ran, (std::vector<std::string>{"F2", "F3", "F1"}));
  EXPECT_TRUE(desktop.hotkeys.ownProcedureLog().empty());
}

TEST_F(HotkeyRegistryTest, ModifiersAreHandedOnAsGivenAndOmittedMeansNone) {
  struct Case {
    std::optional<std::uint32_t> modifiers;
    std::uint32_t handedOn;
  };
  const Case cases[] = {
      {std::nullopt, 0}, {0, 0}, {kModControl, kModControl}, {kModShiftAlt, kModShiftAlt}};
  std::int32_t id = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(id);
    // A key of its own for each case: one combination registers only once.
    const std::uint32_t key = kVkF5 + static_cast<std::uint32_t>(id);
    EXPECT_EQ(registry.registerHotkey(kMainWindow, c.modifiers, key, noting("key"), id), 1);
    EXPECT_EQ(desktop.hotkeys.registerCalls().back(),
              (HotkeyRegistration{kMainWindow, id, c.handedOn, key}));
    ++id;
  }
}

TEST_F(HotkeyRegistryTest, AFailedFirstRegistrationLeavesTheSubclassToTheNextSuccess) {
  desktop.hotkeys.holdByOtherProgram(kVkF1, 0);

  EXPECT_EQ(registerForMain(kVkF1, 1, "F1"), 0);
  EXPECT_TRUE(registry.records().empty());
  EXPECT_TRUE(desktop.hotkeys.subclassCalls().empty());
  EXPECT_EQ(desktop.hotkeys.currentProcedure(), SimulatedHotkeys::kOwnProcedure);

  EXPECT_EQ(registerForMain(kVkF2, 2, "F2"), 1);
  EXPECT_EQ(recordIds(), std::vector<std::int32_t>{2});
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{kMainWindow});
  EXPECT_EQ(registry.previousWindowProc(), SimulatedHotkeys::kOwnProcedure);

  EXPECT_FALSE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF2, 0));
  EXPECT_EQ(ran, std::vector<std::string>{"F2"});
}

TEST_F(HotkeyRegistryTest, IdZeroIsRefusedAfterTheWindowIsLookedUp) {
  struct Case {
    const char* name;
    std::optional<WindowHandle> window;
    bool walksTheWindows;
  };
  const Case cases[] = {{"window given", kMainWindow, false},
                        {"window omitted", std::nullopt, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimulatedDesktop fresh;
    HotkeyRegistry freshRegistry{fresh.hotkeys, fresh.walk, fresh.clock};
    fresh.walk.setTopLevelWindows({{.handle = kMainWindow,
                                    .processId = fresh.hotkeys.currentProcessId(),
                                    .title = "main",
                                    .className = "MainClass"}});
    ASSERT_EQ(freshRegistry.registerHotkey(
                  kMainWindow, std::nullopt, kVkF1, [] {}, 1),
              1);
    fresh.hotkeys.clearLogs();

    EXPECT_EQ(freshRegistry.registerHotkey(
                  c.window, std::nullopt, kVkF2, [] {}, 0),
              0);

    EXPECT_TRUE(fresh.hotkeys.registerCalls().empty());
    EXPECT_TRUE(fresh.hotkeys.unregisterCalls().empty());
    EXPECT_TRUE(fresh.hotkeys.subclassCalls().empty());
    EXPECT_EQ(freshRegistry.records().size(), 1u);
    EXPECT_EQ(freshRegistry.findRecordById(0), 0);
    EXPECT_EQ(!fresh.walk.steps().empty(), c.walksTheWindows);
  }
}

TEST_F(HotkeyRegistryTest, ReRegisteringAnIdReleasesEveryEarlierOneAndTheLastRoutineCounts) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "first"), 1);
  ASSERT_EQ(registerForMain(kVkF2, 2, "second"), 1);
  ASSERT_EQ(registry.registerHotkey(kOtherWindow, std::nullopt, kVkF5, noting("other"), 1), 1);
  desktop.hotkeys.clearLogs();

  EXPECT_EQ(registerForMain(kVkF6, 1, "last"), 1);

  // Both earlier records under id 1 were released, each with its own window,
  // and both stay in the table.
  EXPECT_EQ(desktop.hotkeys.unregisterCalls(),
            (std::vector<HotkeyRelease>{{kMainWindow, 1}, {kOtherWindow, 1}}));
  EXPECT_EQ(recordIds(), (std::vector<std::int32_t>{1, 2, 1, 1}));
  EXPECT_EQ(registry.findRecordById(1), 4);
  EXPECT_EQ(registry.findRecordById(2), 2);
  EXPECT_EQ(registry.findRecordById(3), 0);

  EXPECT_FALSE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF6, 0));
  EXPECT_EQ(ran, std::vector<std::string>{"last"});
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{});
}

TEST_F(HotkeyRegistryTest, AFailedReRegistrationStillReleasesTheEarlierOne) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "first"), 1);
  desktop.hotkeys.holdByOtherProgram(kVkF5, 0);

  EXPECT_EQ(registerForMain(kVkF5, 1, "refused"), 0);

  EXPECT_EQ(desktop.hotkeys.unregisterCalls(), (std::vector<HotkeyRelease>{{kMainWindow, 1}}));
  EXPECT_EQ(recordIds(), std::vector<std::int32_t>{1});
  EXPECT_FALSE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_TRUE(ran.empty());
}

TEST_F(HotkeyRegistryTest, MessagesOtherThanHotkeysReachThePreviousProcedureUnchanged) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "F1"), 1);
  struct Case {
    WindowMessage message;
    platform::MessageResult result;
  };
  const Case cases[] = {
      {{kMainWindow, kWmPaint, 0, 0}, 0},
      {{kMainWindow, kWmCommand, 0x12345678, -5}, 77},
      {{kMainWindow, kWmSetText, 1, 0x7FFFFFFF}, -1},
      {{kMainWindow, 0xC123, 3, 4}, 0x7FFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.message);
    desktop.hotkeys.setOwnProcedureResult(c.result);
    EXPECT_EQ(desktop.hotkeys.sendMessage(c.message), c.result);
    ASSERT_FALSE(desktop.hotkeys.ownProcedureLog().empty());
    EXPECT_EQ(desktop.hotkeys.ownProcedureLog().back(), c.message);
  }
  EXPECT_EQ(desktop.hotkeys.ownProcedureLog().size(), std::size(cases));
  EXPECT_TRUE(ran.empty());
}

TEST_F(HotkeyRegistryTest, BeforeTheFirstRegistrationMessagesGoStraightToTheOwnProcedure) {
  desktop.hotkeys.holdByOtherProgram(kVkF1, 0);
  ASSERT_EQ(registerForMain(kVkF1, 1, "F1"), 0);
  desktop.hotkeys.setOwnProcedureResult(9);

  EXPECT_EQ(desktop.hotkeys.sendMessage(hotkeyMessage(1)), 9);
  EXPECT_EQ(desktop.hotkeys.sendMessage({kMainWindow, kWmPaint, 0, 0}), 9);

  EXPECT_EQ(desktop.hotkeys.ownProcedureLog(),
            (std::vector<WindowMessage>{hotkeyMessage(1), {kMainWindow, kWmPaint, 0, 0}}));
  EXPECT_TRUE(ran.empty());
}

TEST_F(HotkeyRegistryTest, AHotkeyIdNoRecordHoldsIsPassedOnAndTheProgramGoesOn) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "F1"), 1);
  ASSERT_EQ(registerForMain(kVkF2, 2, "F2"), 1);
  desktop.hotkeys.setOwnProcedureResult(0x55);

  // 0x100000001 would be id 1 if only the low 32 bits were compared; it
  // exists as a wParam only where wParam is wider than 32 bits.
  std::vector<std::uintptr_t> unknownIds = {0, 3, 0x7FFFFFFF, 0xFFFFFFFF};
  if constexpr (sizeof(std::uintptr_t) > 4) unknownIds.push_back(0x100000001);
  for (const std::uintptr_t id : unknownIds) {
    SCOPED_TRACE(id);
    EXPECT_EQ(desktop.hotkeys.sendMessage(hotkeyMessage(id)), 0x55);
    EXPECT_EQ(desktop.hotkeys.ownProcedureLog().back(), hotkeyMessage(id));
  }
  EXPECT_TRUE(ran.empty());

  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_EQ(desktop.hotkeys.sendMessage(hotkeyMessage(2)), 0);
  EXPECT_EQ(ran, (std::vector<std::string>{"F1", "F2"}));
  EXPECT_EQ(desktop.hotkeys.ownProcedureLog().size(), unknownIds.size());
}

TEST_F(HotkeyRegistryTest, AfterTheRecordsAreReleasedHotkeysArePassedOn) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "F1"), 1);

  registry.releaseRecords();

  EXPECT_TRUE(registry.records().empty());
  EXPECT_EQ(registry.findRecordById(1), 0);
  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(desktop.hotkeys.ownProcedureLog().size(), 1u);
}

TEST_F(HotkeyRegistryTest, ARoutineMaySendMessagesAndRegisterThroughTheSameWindow) {
  platform::MessageResult answeredInside = 0;
  desktop.hotkeys.setOwnProcedureResult(42);
  ASSERT_EQ(registerForMain(kVkF2, 2, "F2"), 1);
  ASSERT_EQ(registry.registerHotkey(
                kMainWindow, std::nullopt, kVkF1,
                [&] {
                  // Registering from inside a routine grows the table under
                  // the running routine, which must not live in it.
                  for (std::int32_t id = 10; id < 40; ++id) {
                    registerForMain(kVkF3 + static_cast<std::uint32_t>(id), id, "more");
                  }
                  // Setting a box's text notifies the window: that message,
                  // and a hotkey sent by hand, come back through the subclass.
                  answeredInside = desktop.hotkeys.sendMessage({kMainWindow, kWmCommand, 11, 0});
                  desktop.hotkeys.sendMessage(hotkeyMessage(2));
                  ran.push_back("F1");
                },
                1),
            1);

  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF1, 0));

  EXPECT_EQ(answeredInside, 42);
  EXPECT_EQ(desktop.hotkeys.ownProcedureLog(),
            (std::vector<WindowMessage>{{kMainWindow, kWmCommand, 11, 0}}));
  EXPECT_EQ(ran, (std::vector<std::string>{"F2", "F1"}));
  EXPECT_EQ(registry.records().size(), 32u);
  EXPECT_EQ(desktop.hotkeys.subclassCalls().size(), 1u);
}

TEST_F(HotkeyRegistryTest, AnOmittedWindowIsTheFirstVisibleWindowOfTheOwnProcess) {
  scriptOwnMainWindow();

  EXPECT_EQ(registry.registerHotkey(std::nullopt, std::nullopt, kVkF1, noting("F1"), 1), 1);

  EXPECT_EQ(registry.records().front().window, kMainWindow);
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{kMainWindow});
  EXPECT_TRUE(desktop.hotkeys.pressKey(kVkF1, 0));
  EXPECT_EQ(ran, std::vector<std::string>{"F1"});
}

TEST_F(HotkeyRegistryTest, AnOmittedWindowThatIsNeverFoundRegistersForWindowZero) {
  desktop.walk.setTopLevelWindows(
      {{.handle = kOtherWindow, .processId = 77, .title = "other", .className = "OtherClass"}});
  desktop.clock.setTickAdvancePerRead(kDefaultFinderLimitMs / 4);

  EXPECT_EQ(registry.registerHotkey(std::nullopt, std::nullopt, kVkF1, noting("F1"), 1), 1);

  EXPECT_EQ(desktop.hotkeys.registerCalls(), (std::vector<HotkeyRegistration>{{0, 1, 0, kVkF1}}));
  EXPECT_EQ(registry.records().front().window, 0u);
  // Window 0 cannot be subclassed: the attempt hands back no procedure.
  EXPECT_EQ(desktop.hotkeys.subclassCalls(), std::vector<WindowHandle>{0});
  EXPECT_EQ(registry.previousWindowProc(), 0u);
}

TEST_F(HotkeyRegistryTest, HotkeysPostedWhileTheWindowIsSoughtRunInTheMiddleOfARegistration) {
  ASSERT_EQ(registerForMain(kVkF1, 1, "F1"), 1);
  // The own window comes only after one of another process, so the finder
  // dispatches the queue once before it is found.
  scriptOwnMainWindow();
  desktop.hotkeys.postMessage(hotkeyMessage(1));

  EXPECT_EQ(registry.registerHotkey(std::nullopt, std::nullopt, kVkF2, noting("F2"), 2), 1);

  EXPECT_EQ(ran, std::vector<std::string>{"F1"});
  EXPECT_TRUE(desktop.hotkeys.pendingMessages().empty());
  EXPECT_EQ(recordIds(), (std::vector<std::int32_t>{1, 2}));
}

}  // namespace
}  // namespace orvalek
