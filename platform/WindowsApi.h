#pragma once

// The Windows API, for the Windows halves of the program: windows.h first, as shellapi.h uses its
// types (clang-format would sort them the other way round).
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
