// Base of the end-to-end tests: every test gets its own run of the program, shown and filled, and
// the run always ends with the test. A run still open at the end is closed with Esc, as a user
// closes it, and must then end with exit code 0; a run that does not end is terminated.
#pragma once

#include <gtest/gtest.h>

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/program_process.h"
#include "tests/e2e/driver/program_window.h"

namespace e2e {

class ProgramSession : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!process_.IsRunning()) return;
    window_.PressEscape();
    EXPECT_EQ(process_.WaitForExit(kGenerousWaitMs), 0u);
  }

  ProgramProcess process_{ProgramPath()};
  ProgramWindow window_ = ProgramWindow::WaitForShown(process_.Id());
};

}  // namespace e2e
