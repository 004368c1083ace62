// Identifiers of the program's resources, shared by velmora.rc and the code that loads them.
#pragma once

// The window icon; also the lowest icon identifier, so Explorer shows it for the executable.
#define IDI_VELMORA 1
