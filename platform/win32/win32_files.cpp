#include "platform/win32/win32_files.h"

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_text.h"
#include "util/error.h"

namespace vx::win32 {

namespace {

class Win32File : public platform::File {
 public:
  Win32File(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32File() override { CloseHandle(handle_); }

  std::uint64_t Size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) ThrowLastError("Cannot read the size of " + path_);
    return static_cast<std::uint64_t>(size.QuadPart);
  }
  void Seek(std::uint64_t position) override {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(position);
    if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN)) ThrowLastError("Cannot seek in " + path_);
  }
  std::string Read(std::size_t count) override {
    std::string out(count, '\0');
    std::size_t done = 0;
    while (done < count) {
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 20));
      if (!ReadFile(handle_, out.data() + done, want, &got, nullptr)) ThrowLastError("Read error on " + path_);
      if (got == 0) throw OsError("Read past the end of " + path_);
      done += got;
    }
    return out;
  }
  void Write(std::string_view bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD put = 0;
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      if (!WriteFile(handle_, bytes.data() + done, want, &put, nullptr) || put == 0)
        ThrowLastError("Write error on " + path_);
      done += put;
    }
  }
  void Resize(std::uint64_t size) override {
    Seek(size);
    if (!SetEndOfFile(handle_)) ThrowLastError("Cannot set the size of " + path_);
  }

 private:
  HANDLE handle_;
  std::string path_;
};

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

std::string WithoutBackslash(std::string folder) {
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

bool Win32Files::FileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::DirectoryExists(const std::string& path) {
  const DWORD a = Attributes(WithoutBackslash(path));
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<platform::File> Win32Files::Open(const std::string& path, platform::OpenMode mode) {
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case platform::OpenMode::Read: break;
    case platform::OpenMode::ReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    case platform::OpenMode::Create:
      access = GENERIC_WRITE;
      disposition = CREATE_ALWAYS;
      break;
  }
  // Others may read while we hold the file, never write.
  HANDLE h = CreateFileW(Widen(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) ThrowLastError("Cannot open file \"" + path + "\"");
  return std::make_unique<Win32File>(h, path);
}

void Win32Files::MakeDirectory(const std::string& path) {
  if (!CreateDirectoryW(Widen(WithoutBackslash(path)).c_str(), nullptr)) ThrowLastError("Cannot create folder " + path);
}

void Win32Files::RemoveFile(const std::string& path) {
  if (!DeleteFileW(Widen(path).c_str())) ThrowLastError("Cannot delete file " + path);
}

std::string Win32Files::OwnExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) {
      buffer.resize(n);
      return Narrow(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

namespace {

// The resource's bytes where the loader mapped the image: valid for the
// life of the process.
std::optional<std::string_view> OwnResourceBytes(const std::string& name) {
  const auto rcData = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(10));  // RT_RCDATA
  HRSRC info = FindResourceW(nullptr, Widen(name).c_str(), rcData);
  if (info == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(nullptr, info);
  const DWORD size = SizeofResource(nullptr, info);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) ThrowLastError("Cannot load resource " + name);
  return std::string_view(static_cast<const char*>(data), size);
}

}  // namespace

std::optional<std::string> Win32Files::ReadOwnResource(const std::string& name) {
  const auto bytes = OwnResourceBytes(name);
  if (!bytes) return std::nullopt;
  return std::string(*bytes);
}

bool Win32Files::ExtractOwnResource(const std::string& name, const std::string& path) {
  const auto bytes = OwnResourceBytes(name);
  if (!bytes) return false;
  Open(path, platform::OpenMode::Create)->Write(*bytes);
  return true;
}

std::string Win32Files::TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  return (n > 0 && n < MAX_PATH + 1) ? Narrow(std::wstring_view(buffer, n)) : std::string("C:\\");
}

std::string Win32Files::WindowsFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
  return (n > 0 && n < MAX_PATH + 1) ? Narrow(std::wstring_view(buffer, n)) : std::string("C:\\WINDOWS");
}

}  // namespace vx::win32
