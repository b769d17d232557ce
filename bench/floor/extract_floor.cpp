// The floor a player's start-up is measured against: one process that
// reads a presentation executable once and writes its embedded files
// ("DATAE1" ... ) into a folder, nothing else.
//   vx_extract_floor FILE.exe FOLDER

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "util/pe_resources.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vx_extract_floor FILE.exe FOLDER\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
  if (!in) return 1;
  std::string image(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(image.data(), static_cast<std::streamsize>(image.size()));
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
