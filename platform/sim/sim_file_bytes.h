#pragma once
// The bytes of a file on the simulated disk: its own, or a part of bytes it
// shares with other files. An embedded file extracted from the executable
// is a part of the executable's bytes until one of them is written, so the
// disk holds no second copy of what the presentation carries.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vx::sim {

class FileBytes {
 public:
  FileBytes() = default;
  // Bytes of its own (a conversion, as a string is a file's bytes).
  FileBytes(std::string bytes) : own_(std::move(bytes)) {}  // NOLINT(google-explicit-constructor)
  FileBytes(const char* bytes) : own_(bytes) {}             // NOLINT(google-explicit-constructor)
  // Bytes kept alive by owner, which must not change them.
  static FileBytes Shared(std::shared_ptr<const void> owner, std::string_view bytes) {
    return FileBytes(std::move(owner), bytes);
  }

  std::string_view View() const { return shared_ ? part_ : std::string_view(own_); }
  std::size_t Size() const { return View().size(); }
  // The bytes to change: a shared part becomes a copy of its own first.
  std::string& Mutable();
  // count bytes from offset, shared with this file from now on.
  FileBytes Part(std::size_t offset, std::size_t count);

 private:
  FileBytes(std::shared_ptr<const void> shared, std::string_view part) : shared_(std::move(shared)), part_(part) {}

  std::shared_ptr<const void> shared_;
  std::string_view part_;  // inside what shared_ keeps
  std::string own_;        // when nothing is shared
};

}  // namespace vx::sim
