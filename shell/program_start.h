// The program's start routine: the whole life of the program runs inside it.
#pragma once

namespace shell {

// Prepares the toolkit, loads the main window and runs the message loop; returns 0 once the loop
// has ended.
int ProgramStart();

}  // namespace shell
