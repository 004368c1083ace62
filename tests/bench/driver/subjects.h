// The two programs the driver measures, both built next to it.
#pragma once

#include "running_program.h"
#include "shell/control_ids.h"

namespace bench {

// Filled in once 编辑框5 shows the caret blink time, the last box the created event fills.
inline constexpr Subject kProgram{VELMORA_EXE_NAME, shell::编辑框5};
inline constexpr Subject kBaseline{VELMORA_BASELINE_NAME, 0};

}  // namespace bench
