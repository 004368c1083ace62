// Binding of the User32 functions by name: each is looked up at its first call and kept for the
// rest of the run.
#pragma once

namespace platform {

// Called by the toolkit at start-up: makes the table of function names ready; nothing is bound.
void PrepareBindings();

// Called by the toolkit's clean-up: forgets every bound function and frees every library the
// bindings loaded.
void ReleaseBindings();

// Frees the libraries that BindProcedure loaded.
void FreeBoundLibraries();

// The address of `function` in `library`, loading the library if needed. When the library or the
// function cannot be found the library is released again and the program ends through the
// toolkit's fatal run-time error, naming both.
void *BindProcedure(const char *library, const char *function);

}  // namespace platform
