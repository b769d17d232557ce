// vxpack: build, inspect and extract packed presentations.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "host/container_reader.h"
#include "host/recording_loader.h"
#include "tools/common/container_writer.h"
#include "tools/common/inspector.h"
#include "tools/common/pe_writer.h"
#include "tools/vxpack/manifest.h"
#include "util/error.h"
#include "util/pe_resources.h"

namespace {

constexpr const char* kUsage =
    "usage: vxpack build DIR -o FILE.exe [--player PLAYER.exe] [--break-container]\n"
    "       vxpack inspect FILE.exe\n"
    "       vxpack extract FILE.exe DIR\n";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw vx::Error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw vx::Error("cannot write " + path.string());
}

int Build(int argc, char** argv) {
  std::string source, output, player = VX_DEFAULT_PLAYER;
  bool breakContainer = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc) output = argv[++i];
    else if (arg == "--player" && i + 1 < argc) player = argv[++i];
    else if (arg == "--break-container") breakContainer = true;
    else if (source.empty()) source = arg;
    else throw vx::Error("unexpected argument " + arg);
  }
  if (source.empty() || output.empty()) throw vx::Error(kUsage);
  const vx::tools::SourceProject project = vx::tools::ReadSourceFolder(source);
  auto resources = vx::tools::WriteResources(project.model, project.key);
  // For trying the start-up failure: without its first byte no key decodes the magic.
  if (breakContainer) resources.front().bytes.erase(0, 1);
  std::string image = vx::tools::WithRcDataResources(ReadFile(player), resources);
  image += vx::tools::TrailerBytes(project.splash);
  WriteFile(output, image);
  std::cout << output << ": " << project.model.pages.size() << " pages, " << resources.size()
            << " resources, " << image.size() << " bytes\n";
  return 0;
}

int Inspect(int argc, char** argv) {
  if (argc != 3) throw vx::Error(kUsage);
  std::cout << vx::tools::InspectExecutable(ReadFile(argv[2]));
  return 0;
}

// A file name from the container, safe to write below the folder.
std::string BaseName(const std::string& name) {
  const auto slash = name.find_last_of("\\/:");
  std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
  if (base.empty() || base == "." || base == "..") base = "unnamed";
  return base;
}

int Extract(int argc, char** argv) {
  if (argc != 4) throw vx::Error(kUsage);
  const std::string image = ReadFile(argv[2]);
  const std::filesystem::path folder = argv[3];
  std::filesystem::create_directories(folder / "embedded");
  const auto resources = vx::ReadRcDataResources(image);
  for (const auto& r : resources) WriteFile(folder / BaseName(r.name), r.bytes);
  // The embedded files under the names the container gives them.
  if (const auto pdata = vx::FindRcDataResource(image, "PDATA")) {
    vx::ShiftKey key;
    vx::Project project;
    vx::RecordingLoader target;
    vx::LoadProjectContainer(*pdata, key, project, target);
    for (std::size_t i = 1; i < project.embeddedFiles.size(); ++i)
      if (auto bytes = vx::FindRcDataResource(image, "DATAE" + std::to_string(i)))
        WriteFile(folder / "embedded" / BaseName(project.embeddedFiles[i]), *bytes);
  }
  std::cout << resources.size() << " resources written to " << folder.string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "build") return Build(argc, argv);
    if (command == "inspect") return Inspect(argc, argv);
    if (command == "extract") return Extract(argc, argv);
    std::cerr << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "vxpack: " << e.what() << "\n";
    return 1;
  }
}
