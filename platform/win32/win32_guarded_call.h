#pragma once
// Calls into a plug-in library that survive a fault of the library's own
// code: an access violation (or any other processor fault) raised at an
// address inside the library ends the call early, reported as a fault,
// instead of ending the process without putting the system back.
//
// Only faults whose address lies inside the library's image are taken;
// a fault of the player's own code (or of a system library) is left to
// the system as before. See docs/hosted-controls.md, "Plug-in faults".

#include <cstdint>
#include <string>

#include "platform/win32/win32_common.h"

namespace vx::win32 {

// The address range of a loaded library's image.
struct ModuleRange {
  std::uintptr_t begin = 0;
  std::uintptr_t end = 0;
};
ModuleRange RangeOf(HMODULE module);

struct ModuleFault {
  DWORD code = 0;
  std::uintptr_t address = 0;
};
// "access violation", "illegal instruction", ... for the fault codes taken.
std::string FaultName(DWORD code);

// Runs body(context) on this thread; false (and fault set) when code inside
// range faulted before it returned. Nothing of body's frames is unwound:
// body must hold no object whose destructor matters while it calls in.
bool CallGuarded(const ModuleRange& range, void (*body)(void*), void* context, ModuleFault& fault);

template <typename Body>
bool CallGuarded(const ModuleRange& range, Body& body, ModuleFault& fault) {
  return CallGuarded(range, [](void* c) { (*static_cast<Body*>(c))(); }, &body, fault);
}

}  // namespace vx::win32
