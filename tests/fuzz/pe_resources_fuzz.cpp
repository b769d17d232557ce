// Any byte string given to the PE reader either reads or throws
// vx::StreamError. Whatever it reads, the writer can extend, and the result
// reads back with the new resource in it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/pe_writer.h"
#include "util/error.h"
#include "util/pe_resources.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view image(reinterpret_cast<const char*>(data), size);
  std::vector<vx::PeResource> before;
  try {
    const vx::PeImageInfo info = vx::InspectPeImage(image);
    Check(info.imageEnd <= size);
    before = vx::ReadRcDataResources(image);
    Check(vx::FindRcDataResource(image, "PDATA") == vx::FindRcDataResource(image, "pdata"));
  } catch (const vx::StreamError&) {
    return 0;
  }

  std::string written;
  try {
    written = vx::tools::WithRcDataResources(image, {{"PDATA", "fuzz payload"}});
  } catch (const vx::Error&) {
    return 0;  // refusing an image (no room, odd alignment) is allowed
  }
  // The writer's output must always be readable.
  const vx::PeImageInfo info = vx::InspectPeImage(written);
  Check(info.imageEnd <= written.size());
  Check(vx::FindRcDataResource(written, "PDATA") == std::string("fuzz payload"));
  std::set<std::string> names;
  for (const vx::PeResource& resource : vx::ReadRcDataResources(written)) names.insert(resource.name);
  for (const vx::PeResource& resource : before) {
    std::string upper = resource.name;
    for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    if (upper != "PDATA") Check(names.count(resource.name) != 0);
  }
  return 0;
}
