// A recording fake of the toolkit's property operations and its fatal run-time error.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "shell/control_ids.h"
#include "tests/native/fakes/call_log.h"

namespace fakes {

// What the controls show. A box absent from `texts` shows nothing.
struct ToolkitState {
  std::map<shell::ControlId, std::string> texts;
  std::map<shell::ControlId, bool> checked;
};

ToolkitState &Toolkit();
void ResetToolkit();

// Thrown where the real toolkit would end the process, so that a test can expect the fatal path.
struct FatalError : std::runtime_error {
  FatalError(std::int32_t code, const std::string &message);
  std::int32_t code;
};

// The log entries of the handlers' reads and writes of a control of the main window.
Call TextRead(shell::ControlId box);
Call TextWrite(shell::ControlId box, const std::string &text);
Call CheckedRead(shell::ControlId box);
Call CheckedWrite(shell::ControlId box, bool checked);

}  // namespace fakes
