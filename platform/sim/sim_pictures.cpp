#include "platform/sim/sim_pictures.h"

#include <png.h>

#include <cstdio>
#include <csetjmp>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <gif_lib.h>

#include "platform/sim/sim_canvas.h"
#include "util/error.h"

namespace vx::sim {

namespace {

// Every frame of an animation is a full picture; past this many bytes of
// frames the rest of the animation is dropped.
constexpr std::size_t kMaxAnimationBytes = std::size_t{256} * 1024 * 1024;

platform::Picture Still(RgbaImage image) {
  platform::Picture picture;
  picture.frames.push_back({std::move(image), 0});
  return picture;
}

// JPEG: libjpeg reports errors by longjmp, so the jumping parts keep only
// plain data on their stack; the pixels land in a buffer the caller owns.
struct JpegReader {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
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

  bool Start(const unsigned char* data, unsigned long size) {
    info.err = jpeg_std_error(&errors);
    errors.error_exit = &OnError;
    errors.output_message = &OnMessage;
    info.client_data = this;
    if (setjmp(jump) != 0) return false;
    jpeg_create_decompress(&info);
    created = true;
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

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (std::uint32_t{static_cast<std::uint8_t>(b[at + 1])} << 8);
}
std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

int BitsOfMask(std::uint32_t mask, int& shift) {
  shift = 0;
  if (mask == 0) return 0;
  while ((mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  int bits = 0;
  while (mask & 1) {
    mask >>= 1;
    ++bits;
  }
  return bits;
}

std::uint8_t Channel(std::uint32_t value, std::uint32_t mask) {
  int shift = 0;
  const int bits = BitsOfMask(mask, shift);
  if (bits == 0) return 0;
  const std::uint32_t v = (value & mask) >> shift;
  const std::uint32_t max = (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
  return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max / 2) / max);
}

// A device-independent bitmap: the info header at dib, pixels at pixelsAt
// (or straight after the palette when pixelsAt is 0). An icon's DIB is twice
// as high, the AND mask below the colours.
std::optional<RgbaImage> DecodeDib(const std::string& b, std::size_t dib, std::size_t pixelsAt, bool icon) {
  if (dib + 12 > b.size()) return std::nullopt;
  const std::uint32_t headerSize = U32(b, dib);
  std::int64_t width = 0, height = 0;
  std::uint32_t bpp = 0, compression = 0, colours = 0;
  std::size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = U16(b, dib + 4);
    height = static_cast<std::int16_t>(U16(b, dib + 6));
    bpp = U16(b, dib + 10);
    paletteEntry = 3;
  } else if (headerSize >= 40 && dib + headerSize <= b.size() && headerSize <= 1024) {
    width = static_cast<std::int32_t>(U32(b, dib + 4));
    height = static_cast<std::int32_t>(U32(b, dib + 8));
    bpp = U16(b, dib + 14);
    compression = U32(b, dib + 16);
    colours = U32(b, dib + 32);
  } else {
    return std::nullopt;
  }
  const bool bottomUp = height > 0;
  if (height < 0) height = -height;
  if (icon) height /= 2;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return std::nullopt;
  if (!RgbaImage::SizeAllowed(static_cast<int>(width), static_cast<int>(height))) return std::nullopt;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
  // BI_RGB and BI_BITFIELDS only; run-length bitmaps are not read.
  if (compression != 0 && compression != 3) return std::nullopt;

  std::uint32_t rMask = 0x7C00, gMask = 0x3E0, bMask = 0x1F, aMask = 0;
  if (bpp == 32) rMask = 0xFF0000, gMask = 0xFF00, bMask = 0xFF;
  std::size_t after = dib + headerSize;
  if (compression == 3) {
    if (headerSize >= 52) {
      rMask = U32(b, dib + 40), gMask = U32(b, dib + 44), bMask = U32(b, dib + 48);
      if (headerSize >= 56) aMask = U32(b, dib + 52);
    } else {
      if (after + 12 > b.size()) return std::nullopt;
      rMask = U32(b, after), gMask = U32(b, after + 4), bMask = U32(b, after + 8);
      after += 12;
    }
  }
  std::vector<Rgba> palette;
  if (bpp <= 8) {
    std::size_t count = colours == 0 || colours > (1u << bpp) ? (1u << bpp) : colours;
    if (after + count * paletteEntry > b.size()) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = after + i * paletteEntry;
      palette.push_back({static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                         static_cast<std::uint8_t>(b[at]), 255});
    }
    after += count * paletteEntry;
  }
  const std::size_t start = pixelsAt != 0 ? pixelsAt : after;
  const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  const std::size_t maskStride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
  const std::size_t need = stride * static_cast<std::size_t>(height);
  if (start > b.size() || b.size() - start < need) return std::nullopt;
  const bool haveMask = icon && b.size() - start - need >= maskStride * static_cast<std::size_t>(height);

  RgbaImage image(static_cast<int>(width), static_cast<int>(height));
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = start + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
    Rgba* out = image.Row(y);
    for (int x = 0; x < width; ++x) {
      Rgba p;
      const auto ux = static_cast<std::size_t>(x);
      if (bpp <= 8) {
        const std::size_t bit = ux * bpp;
        const auto byte = static_cast<std::uint8_t>(b[row + bit / 8]);
        const unsigned index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        p = index < palette.size() ? palette[index] : Rgba{0, 0, 0, 255};
      } else if (bpp == 24) {
        const std::size_t at = row + ux * 3;
        p = {static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
             static_cast<std::uint8_t>(b[at]), 255};
      } else {
        const std::uint32_t v = bpp == 16 ? U16(b, row + ux * 2) : U32(b, row + ux * 4);
        p = {Channel(v, rMask), Channel(v, gMask), Channel(v, bMask), 255};
        if (bpp == 32 && (aMask != 0 || icon)) {
          p.a = aMask != 0 ? Channel(v, aMask) : static_cast<std::uint8_t>(v >> 24);
          anyAlpha = anyAlpha || p.a != 0;
        }
      }
      out[x] = p;
    }
  }
  // A 32-bit icon without any alpha is opaque and uses its mask instead.
  if (bpp == 32 && icon && !anyAlpha)
    for (Rgba& p : image.Pixels()) p.a = 255;
  if (haveMask && !(bpp == 32 && anyAlpha)) {
    const std::size_t maskStart = start + need;
    for (int y = 0; y < height; ++y) {
      const std::size_t row = maskStart + maskStride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
      for (int x = 0; x < width; ++x) {
        const auto byte = static_cast<std::uint8_t>(b[row + static_cast<std::size_t>(x) / 8]);
        if ((byte >> (7 - x % 8)) & 1) image.At(x, y).a = 0;
      }
    }
  }
  return image;
}

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
  return Still(std::move(image));
}

std::optional<platform::Picture> DecodePng(const std::string& bytes) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
  const auto w = static_cast<int>(png.width), h = static_cast<int>(png.height);
  if (w <= 0 || h <= 0 || !RgbaImage::SizeAllowed(w, h)) {
    png_image_free(&png);
    return std::nullopt;
  }
  png.format = PNG_FORMAT_RGBA;
  RgbaImage image(w, h);
  if (!png_image_finish_read(&png, nullptr, image.Pixels().data(), 0, nullptr)) {
    png_image_free(&png);
    return std::nullopt;
  }
  return Still(std::move(image));
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
  RgbaImage canvas(sw, sh);
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

std::optional<platform::Picture> DecodeBitmap(const std::string& bytes) {
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t pixels = U32(bytes, 10);
  if (pixels < 26 || pixels >= bytes.size()) return std::nullopt;
  auto image = DecodeDib(bytes, 14, pixels, false);
  if (!image) return std::nullopt;
  return Still(std::move(*image));
}

std::optional<platform::Picture> DecodeIcon(const std::string& bytes) {
  if (bytes.size() < 6 || U16(bytes, 0) != 0 || (U16(bytes, 2) != 1 && U16(bytes, 2) != 2)) return std::nullopt;
  const std::uint32_t count = U16(bytes, 4);
  if (count == 0 || 6 + count * 16 > bytes.size()) return std::nullopt;
  // The largest entry, the deepest of equal size.
  std::size_t best = 0;
  std::uint64_t bestScore = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + i * 16;
    const std::uint32_t w = static_cast<std::uint8_t>(bytes[e]) == 0 ? 256 : static_cast<std::uint8_t>(bytes[e]);
    const std::uint32_t h = static_cast<std::uint8_t>(bytes[e + 1]) == 0 ? 256 : static_cast<std::uint8_t>(bytes[e + 1]);
    const std::uint64_t score = std::uint64_t{w} * h * 64 + U16(bytes, e + 6);
    if (score > bestScore) bestScore = score, best = e;
  }
  const std::uint32_t size = U32(bytes, best + 8), offset = U32(bytes, best + 12);
  if (offset >= bytes.size() || size > bytes.size() - offset) return std::nullopt;
  const std::string entry = bytes.substr(offset, size);
  if (entry.size() >= 8 && entry.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) return DecodePng(entry);
  auto image = DecodeDib(entry, 0, 0, true);
  if (!image) return std::nullopt;
  return Still(std::move(*image));
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

std::optional<platform::Picture> SimPictures::Decode(const std::string& bytes, platform::PictureFormat format) {
  ++decodeCalls_;
  using platform::PictureFormat;
  switch (format) {
    case PictureFormat::Jpeg: return DecodeJpeg(bytes);
    case PictureFormat::Bitmap: return DecodeBitmap(bytes);
    case PictureFormat::Png: return DecodePng(bytes);
    case PictureFormat::Gif: return DecodeGif(bytes);
    case PictureFormat::Icon: return DecodeIcon(bytes);
    case PictureFormat::Metafile: return std::nullopt;
  }
  return std::nullopt;
}

std::unique_ptr<platform::Canvas> SimPictures::CanvasOn(RgbaImage& target) {
  return std::make_unique<SimImageCanvas>(target);
}

}  // namespace vx::sim
