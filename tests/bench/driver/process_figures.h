// What a running process costs, read from outside it.
#pragma once

#include <windows.h>

namespace bench {

struct ProcessFigures {
  double peak_working_set_kib;
  double private_kib;  // PagefileUsage: the committed private bytes
  long gdi_objects;
  long windows;
};

ProcessFigures ReadProcessFigures(HANDLE process, DWORD process_id);

}  // namespace bench
