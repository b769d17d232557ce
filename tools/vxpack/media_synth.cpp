#include "tools/vxpack/media_synth.h"

#include <cmath>
#include <numbers>

namespace vx::tools {

namespace {

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}
std::string Le16(std::uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

std::string Chunk(const std::string& tag, const std::string& data) {
  std::string out = tag + Le32(static_cast<std::uint32_t>(data.size())) + data;
  if (data.size() % 2 != 0) out += '\0';
  return out;
}

std::string List(const std::string& kind, const std::string& data) { return Chunk("LIST", kind + data); }

}  // namespace

std::string ChimeWave(int hz, int milliseconds) {
  constexpr int kRate = 22050;
  const int count = kRate * milliseconds / 1000;
  std::string samples;
  samples.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double fade = 1.0 - static_cast<double>(i) / count;
    const double v = std::sin(2 * std::numbers::pi * hz * t) * fade * fade;
    samples += static_cast<char>(static_cast<unsigned char>(std::lround(128 + 100 * v)));
  }
  const std::string fmt = Le16(1) + Le16(1) + Le32(kRate) + Le32(kRate) + Le16(1) + Le16(8);
  const std::string body = "WAVE" + Chunk("fmt ", fmt) + Chunk("data", samples);
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

std::string ColourClipAvi(int width, int height, int frames, int fps, std::uint32_t rgb) {
  std::string row;
  for (int x = 0; x < width; ++x) {
    row += static_cast<char>(rgb & 0xFF);
    row += static_cast<char>((rgb >> 8) & 0xFF);
    row += static_cast<char>((rgb >> 16) & 0xFF);
  }
  row.append((4 - row.size() % 4) % 4, '\0');
  std::string frame;
  for (int y = 0; y < height; ++y) frame += row;
  const auto size = static_cast<std::uint32_t>(frame.size());
  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  const auto n = static_cast<std::uint32_t>(frames);
  const auto rate = static_cast<std::uint32_t>(fps);
  const std::string avih = Le32(1000000 / rate) + Le32(size * rate) + Le32(0) + Le32(0x10) + Le32(n) + Le32(0) +
                           Le32(1) + Le32(size) + Le32(w) + Le32(h) + std::string(16, '\0');
  const std::string strh = std::string("vids") + "DIB " + Le32(0) + Le16(0) + Le16(0) + Le32(0) + Le32(1) +
                           Le32(rate) + Le32(0) + Le32(n) + Le32(size) + Le32(0xFFFFFFFF) + Le32(0) + Le16(0) +
                           Le16(0) + Le16(w) + Le16(h);
  const std::string strf = Le32(40) + Le32(w) + Le32(h) + Le16(1) + Le16(24) + Le32(0) + Le32(size) + Le32(0) +
                           Le32(0) + Le32(0) + Le32(0);
  const std::string hdrl = List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
  std::string movi;
  std::string index;
  std::uint32_t offset = 4;
  for (int i = 0; i < frames; ++i) {
    const std::string item = Chunk("00db", frame);
    index += std::string("00db") + Le32(0x10) + Le32(offset) + Le32(size);
    movi += item;
    offset += static_cast<std::uint32_t>(item.size());
  }
  const std::string body = "AVI " + hdrl + List("movi", movi) + Chunk("idx1", index);
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

}  // namespace vx::tools
