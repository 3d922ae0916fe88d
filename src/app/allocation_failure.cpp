#include "app/allocation_failure.h"

#include <new>

#include "app/fatal_error_text.h"

namespace orvalek {
namespace {

// The one process-wide slot: operator new has no other way to find the
// program. Set and cleared only by the reporter's lifetime.
AllocationFailureReporter* activeReporter = nullptr;

}  // namespace

AllocationFailureReporter::AllocationFailureReporter(Program& program, std::size_t reserveBytes)
    : program_(program), reserve_(std::make_unique<std::byte[]>(reserveBytes)) {
  activeReporter = this;
}

AllocationFailureReporter::~AllocationFailureReporter() {
  if (activeReporter == this) activeReporter = nullptr;
}

void AllocationFailureReporter::report(std::size_t bytes) {
  if (!reserve_) {
    // The reserve went to an earlier report, and building this one failed
    // too: end without a box rather than fail again and again.
    program_.endAfterFatalError();
  }
  reserve_.reset();
  program_.reportFatalError(0, allocationFailureMessage(bytes));
}

void reportAllocationFailure(std::size_t bytes) {
  if (activeReporter == nullptr) throw std::bad_alloc();
  activeReporter->report(bytes);
}

}  // namespace orvalek
