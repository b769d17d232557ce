#include "platform/sim/sim_file_bytes.h"

namespace vx::sim {

std::string& FileBytes::Mutable() {
  if (shared_) {
    own_.assign(part_);
    shared_.reset();
    part_ = {};
  }
  return own_;
}

FileBytes FileBytes::Part(std::size_t offset, std::size_t count) {
  if (!shared_) {
    auto bytes = std::make_shared<const std::string>(std::move(own_));
    own_.clear();
    part_ = *bytes;
    shared_ = std::move(bytes);
  }
  return FileBytes(shared_, part_.substr(offset, count));
}

}  // namespace vx::sim
