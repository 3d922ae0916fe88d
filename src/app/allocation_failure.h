#pragma once

// The fatal report for exhausted memory. The global allocation functions
// take no context, so a failed allocation reaches the program through the
// one reporter that is active for the program's lifetime.

#include <cstddef>
#include <memory>

#include "app/program.h"

namespace orvalek {

// Called when an allocation of `bytes` fails. With an active reporter: frees
// the reserve, so the report can build its text, and ends the program
// through the fatal error report. Without one: throws std::bad_alloc.
[[noreturn]] void reportAllocationFailure(std::size_t bytes);

class AllocationFailureReporter {
 public:
  // Becomes the active reporter and sets a reserve aside; only one may be
  // active at a time.
  explicit AllocationFailureReporter(Program& program, std::size_t reserveBytes = 64 * 1024);
  ~AllocationFailureReporter();
  AllocationFailureReporter(const AllocationFailureReporter&) = delete;
  AllocationFailureReporter& operator=(const AllocationFailureReporter&) = delete;

  bool holdsReserve() const { return reserve_ != nullptr; }

 private:
  friend void reportAllocationFailure(std::size_t bytes);
  [[noreturn]] void report(std::size_t bytes);

  Program& program_;
  std::unique_ptr<std::byte[]> reserve_;
};

}  // namespace orvalek
