// The fixture of every handler test: both seams faked, with a fresh script and an empty call log
// for each test, and for each case of a table through ResetFakes.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "tests/native/fakes/call_log.h"
#include "tests/native/fakes/fake_toolkit.h"
#include "tests/native/fakes/fake_user32.h"

namespace fakes {

class SeamFakesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFakes(); }

  static void ResetFakes() {
    ResetToolkit();
    ResetUser32();
    CallLog().clear();
  }

  ToolkitState &toolkit = Toolkit();
  User32State &user32 = User32();
  const std::vector<Call> &calls = CallLog();
};

}  // namespace fakes
