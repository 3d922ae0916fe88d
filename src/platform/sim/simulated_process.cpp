#include "platform/sim/simulated_process.h"

namespace orvalek::sim {

void SimulatedProcess::messageBox(std::string_view text, std::string_view title,
                                  std::uint32_t flags) {
  boxes_.push_back({Text(text), Text(title), flags});
  if (whileBoxOpen_) {
    // A copy: the hook may replace itself while it runs.
    auto hook = whileBoxOpen_;
    hook();
  }
}

void SimulatedProcess::exitProcess(std::int32_t exitCode) {
  exitCode_ = exitCode;
  throw ProcessExit{exitCode};
}

}  // namespace orvalek::sim
