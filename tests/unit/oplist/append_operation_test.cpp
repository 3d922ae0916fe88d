#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "oplist/operation_list.h"
#include "platform/sim/simulated_window.h"
#include "platform/sim/virtual_clock.h"
#include "ui/control_properties.h"

namespace orvalek {
namespace {

constexpr std::array<ControlId, 6> kEntryBoxes = {
    ControlId::编辑框_X,  ControlId::编辑框_Y,  ControlId::编辑框_时,
    ControlId::编辑框_分, ControlId::编辑框_秒, ControlId::编辑框_操作类型,
};

using EntryTexts = std::array<std::string_view, 6>;

class AppendOperation : public testing::Test {
 protected:
  void fill(std::string_view list, const EntryTexts& entries) {
    window_.setWindowText(ControlId::编辑框_操作组合, list);
    for (std::size_t i = 0; i < kEntryBoxes.size(); ++i) {
      window_.setWindowText(kEntryBoxes[i], entries[i]);
    }
    window_.clearCalls();
  }

  Text listText() { return window_.windowText(ControlId::编辑框_操作组合); }

  sim::VirtualClock clock_;
  sim::SimulatedWindow window_{clock_};
  ControlProperties controls_{window_};
};

TEST_F(AppendOperation, AppendsTheBoxTextsUnchangedAsOneLine) {
  const struct {
    std::string_view list;
    EntryTexts entries;
    std::string_view result;
  } cases[] = {
      {"", {"100", "200", "0", "0", "5", "0"}, "100,200,0,0,5,0\r\n"},
      {"1,1,0,0,1,0\r\n", {"100", "200", "0", "0", "5", "0"}, "1,1,0,0,1,0\r\n100,200,0,0,5,0\r\n"},
      {"", {"", "", "", "", "", ""}, ",,,,,\r\n"},
      {"", {"100", "200", "0", "0", "5", ""}, "100,200,0,0,5,\r\n"},
      // Nothing is trimmed, checked or converted.
      {"", {" 12px", "abc", "1.5", "-3", "1e3", "\xa3\xb1"}, " 12px,abc,1.5,-3,1e3,\xa3\xb1\r\n"},
      // A list ending in a bare CR or LF is continued, not closed.
      {"9,9,0,0,1,0\r", {"1", "2", "0", "0", "3", "1"}, "9,9,0,0,1,0\r1,2,0,0,3,1\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.result)));
    fill(c.list, c.entries);

    appendOperation(controls_);

    EXPECT_EQ(listText(), c.result);
    for (std::size_t i = 0; i < kEntryBoxes.size(); ++i) {
      EXPECT_EQ(window_.windowText(kEntryBoxes[i]), c.entries[i]) << "entry box " << i;
    }
    // One write, of the list box, and nothing else.
    const auto writes = window_.callsOf(sim::WindowCall::SetText);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes.front().control, ControlId::编辑框_操作组合);
    EXPECT_EQ(window_.calls().size(), 1u);
  }
}

TEST_F(AppendOperation, GluesTheLineOntoALastLineWithoutALineBreak) {
  fill("1,1,0,0,1,0", {"100", "200", "0", "0", "5", "0"});

  appendOperation(controls_);

  EXPECT_EQ(listText(), "1,1,0,0,1,0100,200,0,0,5,0\r\n");
  const OperationList list = splitOperationList(listText());
  ASSERT_EQ(list.count(), 1);
  const std::optional<OperationEntry> entry = parseOperation(list, 1);
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->x, 1);
  EXPECT_EQ(entry->y, 1);
  EXPECT_EQ(entry->delayMs, 1000);
  EXPECT_EQ(entry->clickKind, 100);
}

TEST_F(AppendOperation, ALineFromEmptyOrPartlyEmptyBoxesHoldsNoOperation) {
  const EntryTexts cases[] = {
      {"", "", "", "", "", ""},
      {"100", "200", "0", "0", "5", ""},
  };
  for (const EntryTexts& entries : cases) {
    fill("", entries);

    appendOperation(controls_);

    const OperationList list = splitOperationList(listText());
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(parseOperation(list, 1), std::nullopt) << list.lines.front();
  }
}

TEST_F(AppendOperation, EachAddBuildsTheNextLine) {
  fill("", {"100", "200", "0", "0", "2", "0"});
  appendOperation(controls_);
  window_.setWindowText(ControlId::编辑框_X, "300");
  window_.setWindowText(ControlId::编辑框_操作类型, "1");
  appendOperation(controls_);

  const OperationList list = splitOperationList(listText());
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(parseOperation(list, 1), (OperationEntry{2000, 100, 200, 0, 0, 2, 0}));
  EXPECT_EQ(parseOperation(list, 2), (OperationEntry{2000, 300, 200, 0, 0, 2, 1}));
}

}  // namespace
}  // namespace orvalek
