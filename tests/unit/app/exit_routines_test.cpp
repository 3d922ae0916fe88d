#include "app/exit_routines.h"

#include <gtest/gtest.h>

#include <string>

namespace orvalek {
namespace {

struct Trace {
  std::string calls;
};

void first(Trace& trace) { trace.calls += "first;"; }
void second(Trace& trace) { trace.calls += "second;"; }

TEST(ExitRoutineList, RunsEachRoutineOnceInRegistrationOrderAndIgnoresARepeatedRegistration) {
  ExitRoutineList<Trace> routines;
  routines.add(second);
  routines.add(first);
  routines.add(second);
  Trace trace;
  routines.runOnce(trace);
  EXPECT_EQ(trace.calls, "second;first;");
}

TEST(ExitRoutineList, ASecondWayOutRunsNothingAgain) {
  ExitRoutineList<Trace> routines;
  routines.add(first);
  Trace trace;
  routines.runOnce(trace);
  routines.runOnce(trace);
  EXPECT_EQ(trace.calls, "first;");
}

}  // namespace
}  // namespace orvalek
