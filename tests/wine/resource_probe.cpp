// Prints the named RCDATA resource of its own executable to stdout, as the
// player finds it: resource_probe NAME. Exit code 0 when found, 2 when not,
// 1 on a usage or write error. Lets the end-to-end tests check a packed
// executable against the real loader.

#include <windows.h>

namespace {

void WriteError(const char* text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, lstrlenA(text), &written, nullptr);
}

// Through WriteFile, not stdio: text mode would turn LF into CR LF.
bool WriteAll(const char* data, DWORD size) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(out, data, size, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    WriteError("usage: resource_probe NAME\n");
    return 1;
  }
  const HRSRC found = FindResourceA(nullptr, argv[1], MAKEINTRESOURCEA(10));
  if (found == nullptr) {
    WriteError("resource not found\n");
    return 2;
  }
  const HGLOBAL loaded = LoadResource(nullptr, found);
  const DWORD size = SizeofResource(nullptr, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr && size != 0) {
    WriteError("resource could not be loaded\n");
    return 1;
  }
  if (!WriteAll(static_cast<const char*>(bytes), size)) {
    WriteError("write failed\n");
    return 1;
  }
  return 0;
}
