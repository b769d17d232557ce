#include "tools/vxrun/presentation_file.h"

#include <sys/mman.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

#include "util/presentation_code_page.h"

namespace vx::tools {

namespace {

// Memory for a whole executable, in huge pages where the system gives them:
// reading 20 MiB then costs a few page faults instead of five thousand,
// each a trip through the hypervisor on a virtual machine.
std::shared_ptr<char> ExecutableBuffer(std::size_t size) {
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  if (size >= kHugePage) {
    const std::size_t length = (size + kHugePage - 1) / kHugePage * kHugePage + kHugePage;
    void* memory = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory != MAP_FAILED) {
      const auto base = reinterpret_cast<std::uintptr_t>(memory);
      char* aligned = reinterpret_cast<char*>((base + kHugePage - 1) / kHugePage * kHugePage);
      madvise(aligned, length - static_cast<std::size_t>(aligned - static_cast<char*>(memory)), MADV_HUGEPAGE);
      return std::shared_ptr<char>(aligned, [memory, length](char*) { munmap(memory, length); });
    }
  }
  return std::shared_ptr<char>(new char[size], std::default_delete<char[]>());  // the read fills it
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  // A folder opens as a stream on Linux and reports an absurd size.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(bytes.data(), size);
  return static_cast<bool>(in) || size == 0;
}

std::optional<sim::FileBytes> ReadExecutableFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  if (size == 0) return sim::FileBytes();
  std::shared_ptr<char> buffer = ExecutableBuffer(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(buffer.get(), size)) return std::nullopt;
  const std::string_view bytes(buffer.get(), static_cast<std::size_t>(size));
  return sim::FileBytes::Shared(std::move(buffer), bytes);
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void PlaceOwnExecutable(sim::SimDesktop& desktop, sim::FileBytes executable, const std::string& fileName) {
  desktop.files.SetOwnExecutable(std::string(kOwnFolder) + "\\" + fileName, std::move(executable));
  desktop.files.UseResourcesOfOwnExecutable();
}

std::string PlayerCommandLine(const std::string& fileName, std::optional<unsigned> codePage) {
  std::string line = "\"" + std::string(kOwnFolder) + "\\" + fileName + "\"";
  if (codePage) line += " " + std::string(kCodePageSwitch) + std::to_string(*codePage);
  return line;
}

}  // namespace vx::tools
