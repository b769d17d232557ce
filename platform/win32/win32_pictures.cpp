#include "platform/win32/win32_pictures.h"

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_common.h"
#include "platform/win32/win32_metafiles.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>

namespace vx::win32 {

namespace {

constexpr std::size_t kMaxAnimationBytes = std::size_t{256} * 1024 * 1024;

template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p != nullptr) p->Release();
  }
  T* operator->() const { return p; }
  T** operator&() { return &p; }
};

struct FormatGuid {
  platform::PictureFormat format;
  const GUID* container;
};

// Reads one frame's pixels as straight RGBA.
bool FramePixels(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, RgbaImage& out) {
  UINT w = 0, h = 0;
  if (FAILED(frame->GetSize(&w, &h)) || w == 0 || h == 0) return false;
  if (!RgbaImage::SizeAllowed(static_cast<int>(w), static_cast<int>(h))) return false;
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter))) return false;
  if (FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppRGBA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return false;
  out = RgbaImage(static_cast<int>(w), static_cast<int>(h));
  const UINT stride = w * 4;
  return SUCCEEDED(converter->CopyPixels(nullptr, stride, stride * h,
                                         reinterpret_cast<BYTE*>(out.Pixels().data())));
}

int MetadataNumber(IWICBitmapFrameDecode* frame, const wchar_t* name, int fallback) {
  Com<IWICMetadataQueryReader> reader;
  if (FAILED(frame->GetMetadataQueryReader(&reader))) return fallback;
  PROPVARIANT value;
  PropVariantInit(&value);
  int result = fallback;
  if (SUCCEEDED(reader->GetMetadataByName(name, &value))) {
    if (value.vt == VT_UI2) result = value.uiVal;
    else if (value.vt == VT_UI1) result = value.bVal;
    else if (value.vt == VT_UI4) result = static_cast<int>(value.ulVal);
  }
  PropVariantClear(&value);
  return result;
}

}  // namespace

Win32Pictures::~Win32Pictures() {
  if (factory_ != nullptr) static_cast<IWICImagingFactory*>(factory_)->Release();
}

std::optional<platform::Picture> Win32Pictures::Decode(const std::string& bytes, platform::PictureFormat format) {
  using platform::PictureFormat;
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return std::nullopt;
  if (format == PictureFormat::Metafile) return DecodeMetafile(bytes);
  static const FormatGuid kFormats[] = {
      {PictureFormat::Jpeg, &GUID_ContainerFormatJpeg}, {PictureFormat::Bitmap, &GUID_ContainerFormatBmp},
      {PictureFormat::Png, &GUID_ContainerFormatPng},   {PictureFormat::Gif, &GUID_ContainerFormatGif},
      {PictureFormat::Icon, &GUID_ContainerFormatIco},
  };
  const GUID* container = nullptr;
  for (const FormatGuid& f : kFormats)
    if (f.format == format) container = f.container;
  if (container == nullptr) return std::nullopt;

  if (factory_ == nullptr) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
      return std::nullopt;
    factory_ = factory;
  }
  auto* factory = static_cast<IWICImagingFactory*>(factory_);
  Com<IWICStream> stream;
  if (FAILED(factory->CreateStream(&stream))) return std::nullopt;
  if (FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))))
    return std::nullopt;
  Com<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoder(*container, nullptr, &decoder))) return std::nullopt;
  if (FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand))) return std::nullopt;
  UINT count = 0;
  if (FAILED(decoder->GetFrameCount(&count)) || count == 0) return std::nullopt;

  platform::Picture picture;
  if (format != PictureFormat::Gif) {
    // An icon file's first frame is as good as any: the largest is not
    // always first, so take the biggest.
    RgbaImage best;
    const UINT frames = format == PictureFormat::Icon ? count : 1;
    for (UINT i = 0; i < frames; ++i) {
      Com<IWICBitmapFrameDecode> frame;
      RgbaImage image;
      if (FAILED(decoder->GetFrame(i, &frame)) || !FramePixels(factory, frame.p, image)) continue;
      if (image.Width() * image.Height() > best.Width() * best.Height()) best = std::move(image);
    }
    if (best.Empty()) return std::nullopt;
    picture.frames.push_back({std::move(best), 0});
    return picture;
  }

  // GIF: frames are patches over a logical screen, composed as shown.
  int sw = 0, sh = 0;
  {
    Com<IWICMetadataQueryReader> reader;
    if (SUCCEEDED(decoder->GetMetadataQueryReader(&reader))) {
      PROPVARIANT v;
      PropVariantInit(&v);
      if (SUCCEEDED(reader->GetMetadataByName(L"/logscrdesc/Width", &v)) && v.vt == VT_UI2) sw = v.uiVal;
      PropVariantClear(&v);
      if (SUCCEEDED(reader->GetMetadataByName(L"/logscrdesc/Height", &v)) && v.vt == VT_UI2) sh = v.uiVal;
      PropVariantClear(&v);
    }
  }
  RgbaImage canvas;
  for (UINT i = 0; i < count; ++i) {
    Com<IWICBitmapFrameDecode> frame;
    RgbaImage patch;
    if (FAILED(decoder->GetFrame(i, &frame)) || !FramePixels(factory, frame.p, patch)) break;
    if (canvas.Empty()) {
      if (sw <= 0 || sh <= 0) sw = patch.Width(), sh = patch.Height();
      if (!RgbaImage::SizeAllowed(sw, sh)) return std::nullopt;
      canvas = RgbaImage(sw, sh);
    }
    const int left = MetadataNumber(frame.p, L"/imgdesc/Left", 0);
    const int top = MetadataNumber(frame.p, L"/imgdesc/Top", 0);
    const int delay = MetadataNumber(frame.p, L"/grctlext/Delay", 0) * 10;
    const int disposal = MetadataNumber(frame.p, L"/grctlext/Disposal", 0);
    const RgbaImage before = disposal == 3 ? canvas : RgbaImage();
    for (int y = 0; y < patch.Height(); ++y)
      for (int x = 0; x < patch.Width(); ++x) {
        const Rgba p = patch.At(x, y);
        if (p.a != 0 && canvas.Contains(left + x, top + y)) canvas.At(left + x, top + y) = p;
      }
    const std::size_t frameBytes = static_cast<std::size_t>(sw) * static_cast<std::size_t>(sh) * 4;
    if ((picture.frames.size() + 1) * frameBytes > kMaxAnimationBytes) break;
    picture.frames.push_back({canvas, delay});
    if (disposal == 2) {
      for (int y = 0; y < patch.Height(); ++y)
        for (int x = 0; x < patch.Width(); ++x)
          if (canvas.Contains(left + x, top + y)) canvas.At(left + x, top + y) = {0, 0, 0, 0};
    } else if (disposal == 3) {
      canvas = before;
    }
  }
  if (picture.frames.empty()) return std::nullopt;
  return picture;
}

std::unique_ptr<platform::Canvas> Win32Pictures::CanvasOn(RgbaImage& target) {
  return Win32ImageCanvas::Create(target);
}

}  // namespace vx::win32
