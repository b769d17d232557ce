#include "platform/win32/win32_guarded_call.h"

#include <cstdio>

namespace vx::win32 {

namespace {

// The processor faults taken; exceptions a library raises on purpose (C++
// throws, debug output, thread naming, breakpoints) are not among them.
struct FaultKind {
  DWORD code;
  const char* name;
};
constexpr FaultKind kFaults[] = {
    {EXCEPTION_ACCESS_VIOLATION, "access violation"},
    {EXCEPTION_IN_PAGE_ERROR, "page not readable"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION, "privileged instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "integer division by zero"},
    {EXCEPTION_INT_OVERFLOW, "integer overflow"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "array bounds exceeded"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, "misaligned data"},
    {EXCEPTION_STACK_OVERFLOW, "stack overflow"},
    {EXCEPTION_FLT_DENORMAL_OPERAND, "floating-point denormal operand"},
    {EXCEPTION_FLT_DIVIDE_BY_ZERO, "floating-point division by zero"},
    {EXCEPTION_FLT_INEXACT_RESULT, "floating-point inexact result"},
    {EXCEPTION_FLT_INVALID_OPERATION, "floating-point invalid operation"},
    {EXCEPTION_FLT_OVERFLOW, "floating-point overflow"},
    {EXCEPTION_FLT_STACK_CHECK, "floating-point stack check"},
    {EXCEPTION_FLT_UNDERFLOW, "floating-point underflow"},
};

const FaultKind* KindOf(DWORD code) {
  for (const FaultKind& kind : kFaults)
    if (kind.code == code) return &kind;
  return nullptr;
}

// One guarded call in progress on this thread. It lives in the guarded
// call's own frame, above everything the library pushed, so the landing
// runs on its small stack even after a stack overflow.
struct Guard {
  void* jump[5];  // __builtin_setjmp's buffer
  ModuleRange range;
  ModuleFault fault;
  PVOID handler = nullptr;
  Guard* outer = nullptr;
  alignas(16) unsigned char landingStack[1024];
};

thread_local Guard* current = nullptr;

// Where a faulting thread resumes: straight back to CallGuarded's frame.
[[noreturn]] __attribute__((noinline)) void Land() { __builtin_longjmp(current->jump, 1); }

LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
  Guard* guard = current;
  if (guard == nullptr || KindOf(info->ExceptionRecord->ExceptionCode) == nullptr)
    return EXCEPTION_CONTINUE_SEARCH;
  const auto address = reinterpret_cast<std::uintptr_t>(info->ExceptionRecord->ExceptionAddress);
  if (address < guard->range.begin || address >= guard->range.end) return EXCEPTION_CONTINUE_SEARCH;
  guard->fault = {info->ExceptionRecord->ExceptionCode, address};
  // Land as if called: the return address slot below an aligned top, the
  // direction flag clear as every function expects it.
  const auto top = reinterpret_cast<std::uintptr_t>(guard->landingStack + sizeof guard->landingStack) & ~std::uintptr_t{15};
  CONTEXT* c = info->ContextRecord;
  c->EFlags &= ~DWORD{0x400};
#if defined(_WIN64)
  c->Rsp = top - sizeof(void*);
  c->Rip = reinterpret_cast<DWORD64>(&Land);
#else
  c->Esp = static_cast<DWORD>(top - sizeof(void*));
  c->Eip = reinterpret_cast<DWORD>(&Land);
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

ModuleRange RangeOf(HMODULE module) {
  if (module == nullptr) return {};
  const auto base = reinterpret_cast<std::uintptr_t>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + static_cast<std::uintptr_t>(dos->e_lfanew));
  return {base, base + nt->OptionalHeader.SizeOfImage};
}

std::string FaultName(DWORD code) {
  if (const FaultKind* kind = KindOf(code)) return kind->name;
  char text[32];
  std::snprintf(text, sizeof text, "exception %08lx", static_cast<unsigned long>(code));
  return text;
}

__attribute__((noinline)) bool CallGuarded(const ModuleRange& range, void (*body)(void*), void* context,
                                           ModuleFault& fault) {
  Guard guard;
  guard.range = range;
  guard.outer = current;
  if (__builtin_setjmp(guard.jump) == 0) {
    current = &guard;
    // Ahead of any other vectored handler, and only for this call's length.
    guard.handler = AddVectoredExceptionHandler(1, OnException);
    body(context);
    RemoveVectoredExceptionHandler(guard.handler);
    current = guard.outer;
    return true;
  }
  RemoveVectoredExceptionHandler(guard.handler);
  current = guard.outer;
  fault = guard.fault;
  return false;
}

}  // namespace vx::win32
