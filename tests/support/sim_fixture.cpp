#include "tests/support/sim_fixture.h"

#include <cstdint>

#include "tools/common/container_writer.h"

namespace vx::test {

std::string ExecutableWithTrailer(const std::string& block) {
  std::string image = "MZ" + std::string(254, '\x90');
  image += block;
  const auto count = static_cast<std::uint32_t>(block.size() + 4);
  for (int i = 0; i < 4; ++i) image.push_back(static_cast<char>((count >> (8 * i)) & 0xFF));
  return image;
}

tools::ProjectModel OnePageProject() {
  tools::ProjectModel project;
  project.AddPage("Main");
  return project;
}

void InstallPresentation(sim::SimDesktop& desktop, const tools::ProjectModel& project,
                         const std::string& trailerBlock) {
  desktop.files.SetOwnExecutable(kOwnExecutable, ExecutableWithTrailer(trailerBlock));
  for (const PeResource& resource : tools::WriteResources(project))
    desktop.files.SetOwnResource(resource.name, resource.bytes);
}

std::optional<int> ExitCodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const sim::ProcessExited& exited) {
    return exited.exitCode;
  }
  return std::nullopt;
}

}  // namespace vx::test
