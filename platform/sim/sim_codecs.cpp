#include "platform/sim/sim_pictures.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <gif_lib.h>

#include "util/error.h"

namespace vx::sim {

namespace {

// Every frame of an animation is a full picture; past this many bytes of
// frames the rest of the animation is dropped.
constexpr std::size_t kMaxAnimationBytes = std::size_t{256} * 1024 * 1024;

// A progressive JPEG goes over the whole picture once per scan; a few bytes
// per scan could keep the decoder busy for minutes. Real files have about ten.
constexpr int kMaxJpegScans = 256;

// JPEG: libjpeg reports errors by longjmp, so the jumping parts keep only
// plain data on their stack; the pixels land in a buffer the caller owns.
struct JpegReader {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump;
  bool created = false;

  ~JpegReader() {
    if (created) jpeg_destroy_decompress(&info);
  }

  static void OnError(j_common_ptr common) {
    auto* self = reinterpret_cast<JpegReader*>(common->client_data);
    std::longjmp(self->jump, 1);
  }
  static void OnMessage(j_common_ptr) {}
  static void OnProgress(j_common_ptr common) {
    auto* self = reinterpret_cast<JpegReader*>(common->client_data);
    if (self->info.input_scan_number > kMaxJpegScans) std::longjmp(self->jump, 1);
  }

  bool Start(const unsigned char* data, unsigned long size) {
    info.err = jpeg_std_error(&errors);
    errors.error_exit = &OnError;
    errors.output_message = &OnMessage;
    info.client_data = this;
    if (setjmp(jump) != 0) return false;
    jpeg_create_decompress(&info);
    created = true;
    // Set after the create, which clears everything but the error handler.
    progress.progress_monitor = &OnProgress;
    info.progress = &progress;
    info.mem->max_memory_to_use = 512L * 1024 * 1024;
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.out_color_space = JCS_EXT_RGBA;
    return true;
  }

  bool Read(unsigned char* out, std::size_t stride) {
    if (setjmp(jump) != 0) return false;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = out + static_cast<std::size_t>(info.output_scanline) * stride;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
  }
};

// GIF input straight from the bytes.
struct GifSource {
  const std::string& bytes;
  std::size_t position = 0;
  static int Read(GifFileType* gif, GifByteType* out, int count) {
    auto* self = static_cast<GifSource*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)),
                                                 self->bytes.size() - self->position);
    std::memcpy(out, self->bytes.data() + self->position, n);
    self->position += n;
    return static_cast<int>(n);
  }
};

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

}  // namespace

std::optional<platform::Picture> DecodeJpeg(const std::string& bytes) {
  if (bytes.size() < 4) return std::nullopt;
  JpegReader reader;
  if (!reader.Start(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())) return std::nullopt;
  const auto w = static_cast<int>(reader.info.image_width), h = static_cast<int>(reader.info.image_height);
  if (w <= 0 || h <= 0 || !RgbaImage::SizeAllowed(w, h)) return std::nullopt;
  RgbaImage image(w, h);
  if (!reader.Read(reinterpret_cast<unsigned char*>(image.Pixels().data()), static_cast<std::size_t>(w) * 4))
    return std::nullopt;
  return StillPicture(std::move(image));
}

std::optional<platform::Picture> DecodePng(const std::string& bytes) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
  const auto w = static_cast<int>(png.width), h = static_cast<int>(png.height);
  // Deflate packs at most 1032 bytes into one, and the rows take at least
  // a bit a pixel and a byte a row: fewer bytes cannot hold the picture, so
  // its memory is not taken.
  const std::uint64_t leastRowBytes = (std::uint64_t{png.width} + 7) / 8 + 1;
  const bool tooShort = std::uint64_t{png.height} * leastRowBytes > std::uint64_t{bytes.size()} * 1032;
  if (w <= 0 || h <= 0 || !RgbaImage::SizeAllowed(w, h) || tooShort) {
    png_image_free(&png);
    return std::nullopt;
  }
  png.format = PNG_FORMAT_RGBA;
  RgbaImage image(w, h);
  if (!png_image_finish_read(&png, nullptr, image.Pixels().data(), 0, nullptr)) {
    png_image_free(&png);
    return std::nullopt;
  }
  return StillPicture(std::move(image));
}

std::optional<platform::Picture> DecodeGif(const std::string& bytes) {
  if (bytes.size() < 13 || bytes.compare(0, 3, "GIF") != 0) return std::nullopt;
  GifSource source{bytes};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, &GifSource::Read, &error));
  if (!gif) return std::nullopt;
  const int sw = gif->SWidth, sh = gif->SHeight;
  if (sw <= 0 || sh <= 0 || !RgbaImage::SizeAllowed(sw, sh)) return std::nullopt;

  platform::Picture picture;
  // Taken at the first frame: a header alone costs no picture memory.
  RgbaImage canvas;
  GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  const std::size_t frameBytes = static_cast<std::size_t>(sw) * static_cast<std::size_t>(sh) * 4;
  std::vector<GifPixelType> line;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) break;
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) break;
      if (code == GRAPHICS_EXT_FUNC_CODE && ext != nullptr && ext[0] >= 4)
        DGifExtensionToGCB(ext[0], ext + 1, &control);
      while (ext != nullptr)
        if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) return picture.frames.empty() ? std::nullopt : std::optional(picture);
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) break;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) break;
    const GifImageDesc& d = gif->Image;
    if (d.Width <= 0 || d.Height <= 0 || !RgbaImage::SizeAllowed(d.Width, d.Height)) break;
    const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
    if (canvas.Empty()) canvas = RgbaImage(sw, sh);
    const RgbaImage before = control.DisposalMode == DISPOSE_PREVIOUS ? canvas : RgbaImage();
    line.resize(static_cast<std::size_t>(d.Width));
    bool ok = true;
    // Interlaced rows come in four passes.
    static constexpr int kPassStart[] = {0, 4, 2, 1}, kPassStep[] = {8, 8, 4, 2};
    const int passes = d.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes && ok; ++pass) {
      const int first = d.Interlace ? kPassStart[pass] : 0, step = d.Interlace ? kPassStep[pass] : 1;
      for (int row = first; row < d.Height; row += step) {
        if (DGifGetLine(gif.get(), line.data(), d.Width) == GIF_ERROR) {
          ok = false;
          break;
        }
        const int y = d.Top + row;
        for (int col = 0; col < d.Width; ++col) {
          const int x = d.Left + col;
          const int index = line[static_cast<std::size_t>(col)];
          if (!canvas.Contains(x, y) || index == control.TransparentColor) continue;
          if (map == nullptr || index >= map->ColorCount) continue;
          const GifColorType c = map->Colors[index];
          canvas.At(x, y) = {c.Red, c.Green, c.Blue, 255};
        }
      }
    }
    if (!ok && picture.frames.empty()) break;
    if ((picture.frames.size() + 1) * frameBytes > kMaxAnimationBytes) break;
    picture.frames.push_back({canvas, control.DelayTime * 10});
    if (!ok) break;
    if (control.DisposalMode == DISPOSE_BACKGROUND) {
      for (int y = std::max(0, d.Top); y < std::min(sh, d.Top + d.Height); ++y)
        for (int x = std::max(0, d.Left); x < std::min(sw, d.Left + d.Width); ++x) canvas.At(x, y) = {0, 0, 0, 0};
    } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
      canvas = before;
    }
    control = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  }
  if (picture.frames.empty()) return std::nullopt;
  return picture;
}

std::string EncodePng(const RgbaImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width());
  png.height = static_cast<png_uint_32>(image.Height());
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.Pixels().data(), 0, nullptr))
    throw Error("the picture cannot be written as PNG");
  std::string out(size, '\0');
  if (!png_image_write_to_memory(&png, out.data(), &size, 0, image.Pixels().data(), 0, nullptr))
    throw Error("the picture cannot be written as PNG");
  out.resize(size);
  return out;
}

}  // namespace vx::sim
