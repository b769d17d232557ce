// The floor a player's start-up is measured against: one process that
// reads a presentation executable once and writes its embedded files
// ("DATAE1" ... ) into a folder, nothing else.
//   vx_extract_floor FILE.exe FOLDER

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "util/pe_resources.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vx_extract_floor FILE.exe FOLDER\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
  if (!in) return 1;
  // A buffer the read fills without zeroing it first, as the players read.
  const auto size = static_cast<std::size_t>(in.tellg());
  const std::unique_ptr<char[]> buffer(new char[size]);
  in.seekg(0);
  in.read(buffer.get(), static_cast<std::streamsize>(size));
  const std::string_view image(buffer.get(), size);
  const auto leaves = vx::ReadResourceTree(image, vx::InspectPeImage(image));
  int written = 0;
  for (int n = 1;; ++n) {
    const auto leaf = vx::FindRcDataLeaf(leaves, "DATAE" + std::to_string(n));
    if (!leaf) break;
    std::ofstream out(std::string(argv[2]) + "/file" + std::to_string(n) + ".bin", std::ios::binary);
    out.write(image.data() + leaf->dataOffset, static_cast<std::streamsize>(leaf->size));
    if (!out) return 1;
    ++written;
  }
  std::printf("%d files\n", written);
  return 0;
}
