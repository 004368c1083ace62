#include <windows.h>

#include "shell/program_start.h"
#include "shell/toolkit/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  shell::ProgramStart();
  return shell::FinishProgram();
}
