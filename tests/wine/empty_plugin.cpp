// A library with none of the plug-in's exports, for the Wine scenario
// "plugin-bad": it loads, and the player must find nothing to call in it.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
