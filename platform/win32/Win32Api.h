// <windows.h> without the macros that would rename the platform interfaces'
// own members (MessageBox, PostMessage, ...); the Win32 side calls the "A"
// functions by their full names.
#pragma once

#include <windows.h>

#undef MessageBox
#undef PostMessage
#undef SendMessage
#undef SystemParametersInfo
