#include "platform/bindings.h"

#include <windows.h>

#include <iterator>

#include "keyboard/text.h"
#include "shell/fatal_error.h"

namespace platform {
namespace {

// The libraries bound so far, each loaded once and freed at the normal end.
struct LoadedLibrary {
  const char *name;
  HMODULE module;
};
LoadedLibrary loaded_libraries[4];
int loaded_count = 0;

HMODULE FindLoaded(const char *library) {
  for (int i = 0; i < loaded_count; ++i) {
    if (lstrcmpiA(loaded_libraries[i].name, library) == 0) return loaded_libraries[i].module;
  }
  return nullptr;
}

[[noreturn]] void ReportBindingFailure(const char *library, const char *function) {
  shell::ReportRuntimeError(
      shell::kBindingFailed, keyboard::JoinTexts({"无法从 ", library, " 取得函数 ", function, "。"}).get());
}

}  // namespace

void FreeBoundLibraries() {
  while (loaded_count > 0) FreeLibrary(loaded_libraries[--loaded_count].module);
}

void *BindProcedure(const char *library, const char *function) {
  HMODULE module = FindLoaded(library);
  const bool newly_loaded = module == nullptr;
  if (newly_loaded) module = LoadLibraryA(library);
  if (module == nullptr) ReportBindingFailure(library, function);
  FARPROC procedure = GetProcAddress(module, function);
  if (procedure == nullptr) {
    if (newly_loaded) FreeLibrary(module);
    ReportBindingFailure(library, function);
  }
  if (newly_loaded) {
    if (loaded_count == static_cast<int>(std::size(loaded_libraries))) {
      FreeLibrary(module);
      ReportBindingFailure(library, function);
    }
    loaded_libraries[loaded_count++] = {library, module};
  }
  return reinterpret_cast<void *>(procedure);
}

}  // namespace platform
