#pragma once

// The routines that run once when the process ends, by either way out, in
// the order of their registration.

#include <algorithm>
#include <utility>
#include <vector>

namespace orvalek {

template <typename Context>
class ExitRoutineList {
 public:
  using Routine = void (*)(Context&);

  // Registering a routine the list already holds has no effect.
  void add(Routine routine) {
    if (std::find(routines_.begin(), routines_.end(), routine) == routines_.end()) {
      routines_.push_back(routine);
    }
  }

  // Runs each routine once; later calls find the list empty, so a fatal
  // report raised after a normal end (or the other way round) runs nothing
  // twice.
  void runOnce(Context& context) {
    const std::vector<Routine> pending = std::exchange(routines_, {});
    for (Routine routine : pending) routine(context);
  }

 private:
  std::vector<Routine> routines_;
};

}  // namespace orvalek
