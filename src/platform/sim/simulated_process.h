#pragma once

// Message boxes and the end of the process on the simulated desktop. A box
// is recorded, never shown; a test may run a hook while it is "open" to
// deliver events behind it. Ending the process throws ProcessExit, which the
// test catches.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "oplist/text_rules.h"
#include "platform/ports.h"

namespace orvalek::sim {

struct ProcessExit {
  std::int32_t exitCode = 0;
};

struct MessageBoxRecord {
  Text text;
  Text title;
  std::uint32_t flags = 0;
  friend bool operator==(const MessageBoxRecord&, const MessageBoxRecord&) = default;
};

class SimulatedProcess : public platform::ProcessPort {
 public:
  void messageBox(std::string_view text, std::string_view title, std::uint32_t flags) override;
  [[noreturn]] void exitProcess(std::int32_t exitCode) override;

  // Runs inside every later message box, between its opening and its close.
  void setWhileBoxOpen(std::function<void()> hook) { whileBoxOpen_ = std::move(hook); }

  const std::vector<MessageBoxRecord>& messageBoxes() const { return boxes_; }
  std::optional<std::int32_t> exitCode() const { return exitCode_; }

 private:
  std::vector<MessageBoxRecord> boxes_;
  std::function<void()> whileBoxOpen_;
  std::optional<std::int32_t> exitCode_;
};

}  // namespace orvalek::sim
