// Start-up of a big presentation in the headless player, beside the floor
// it cannot go below: reading the file and making its embedded files.

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxrun/headless_player.h"
#include "util/pe_resources.h"

namespace {

constexpr int kPages = 50, kTextsPerPage = 40, kFiles = 20;
constexpr std::size_t kFileSize = std::size_t{1} << 20;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// 50 pages of 40 texts, 20 embedded files of 1 MiB extracted at start.
const std::string& PresentationFile() {
  static const std::string path = [] {
    vx::tools::ProjectModel project;
    project.extractAllEmbedded = true;
    for (int p = 0; p < kPages; ++p) {
      auto& page = project.AddPage("Page" + std::to_string(p + 1));
      page.flags.hidden = p > 0;
      if (p == 0) page.showScript = "#shown=1";
      for (int t = 0; t < kTextsPerPage; ++t) {
        auto& text = page.AddText("t" + std::to_string(p * kTextsPerPage + t));
        text.caption = "Text " + std::to_string(t);
        text.bounds = {10 + (t % 8) * 70, 10 + (t / 8) * 30, 60, 20};
      }
    }
    for (int f = 0; f < kFiles; ++f) {
      std::string bytes(kFileSize, '\0');
      for (std::size_t i = 0; i < bytes.size(); i += 4096) bytes[i] = static_cast<char>(f + i / 4096);
      project.AddEmbeddedFile("media" + std::to_string(f) + ".bin", bytes);
    }
    const std::string player = ReadAll(VX_SOURCE_DIR "/tests/fuzz/corpus/pe_resources/bare.exe");
    const std::string exe =
        vx::tools::WithRcDataResources(player, vx::tools::WriteResources(project)) + vx::tools::TrailerBytes(false);
    const std::string out = "/tmp/vx-startup-bench.exe";
    std::ofstream(out, std::ios::binary).write(exe.data(), static_cast<std::streamsize>(exe.size()));
    return out;
  }();
  return path;
}

// From reading the file to page 1's show script, as `vxrun --headless`.
void BM_StartupToPage1(benchmark::State& state) {
  const std::string& path = PresentationFile();
  for (auto _ : state) {
    std::ostringstream out;
    vx::tools::RunHeadless(ReadAll(path), "wait 10\n", {}, out);
    if (out.str().find("#shown = 1") == std::string::npos) state.SkipWithError("page 1's show script did not run");
  }
}
BENCHMARK(BM_StartupToPage1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: read the file, find the embedded files, keep a copy of each
// (the simulated disk's files).
void BM_ReadAndMakeEmbeddedFiles(benchmark::State& state) {
  const std::string& path = PresentationFile();
  for (auto _ : state) {
    const std::string image = ReadAll(path);
    std::map<std::string, std::string> disk;
    const auto leaves = vx::ReadResourceTree(image, vx::InspectPeImage(image));
    for (int f = 1; f <= kFiles; ++f) {
      const auto leaf = vx::FindRcDataLeaf(leaves, "DATAE" + std::to_string(f));
      if (leaf) disk["media" + std::to_string(f)] = image.substr(static_cast<std::size_t>(leaf->dataOffset), leaf->size);
    }
    benchmark::DoNotOptimize(disk);
  }
}
BENCHMARK(BM_ReadAndMakeEmbeddedFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
