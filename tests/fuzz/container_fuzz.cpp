// Any byte string given to the container reader either loads or throws a
// vx::Error; the same bytes as a whole file go through the inspector, which
// reads resources, trailer and container.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/container_reader.h"
#include "host/recording_loader.h"
#include "tools/common/inspector.h"
#include "util/error.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vx::ShiftKey key;
  vx::Project project;
  vx::RecordingLoader target;
  try {
    vx::LoadProjectContainer(bytes, key, project, target);
    Check(key.Get() >= 1 && key.Get() <= 99);
    Check(target.Events().back().what == vx::RecordingLoader::What::EndOfContainer);
    Check(project.functions.size() >= 1 && project.embeddedFiles.size() >= 1);
  } catch (const vx::Error&) {
    Check(target.Events().back().what == vx::RecordingLoader::What::LoadAbandoned);
  }
  for (const auto& e : target.Events()) Check(e.offset <= size);
  try {
    (void)vx::tools::InspectExecutable(bytes);
  } catch (const vx::Error&) {
  }
  try {
    (void)vx::tools::InspectContainer(bytes);
  } catch (const vx::Error&) {
  }
  return 0;
}
