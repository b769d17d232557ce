// The picture's record: the image travels as the resource "IDATA" n and is
// loaded through a file in the temp folder.

#include <array>

#include "host/application.h"
#include "host/object_records/object_record.h"
#include "host/path_macros.h"
#include "objects/vx_image.h"
#include "util/error.h"

namespace vx {

namespace {

TVXImage& Image(TVXObject& o) { return static_cast<TVXImage&>(o); }

struct FormatRow {
  std::string_view extension;
  platform::PictureFormat format;
};

// The picture formats by file extension.
constexpr std::array<FormatRow, 8> kFormats = {{
    {".bmp", platform::PictureFormat::Bitmap},
    {".jpg", platform::PictureFormat::Jpeg},
    {".jpeg", platform::PictureFormat::Jpeg},
    {".png", platform::PictureFormat::Png},
    {".gif", platform::PictureFormat::Gif},
    {".wmf", platform::PictureFormat::Metafile},
    {".emf", platform::PictureFormat::Metafile},
    {".ico", platform::PictureFormat::Icon},
}};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// From the last "." of the file name on, as a file's extension is taken.
std::string FileExtension(std::string_view name) {
  const auto dot = name.find_last_of(".\\:");
  return dot != std::string_view::npos && name[dot] == '.' ? std::string(name.substr(dot)) : std::string();
}

void Header(TVXObject& o, const ObjectHeaderRecord& h, RecordContext&) {
  TVXImage& p = Image(o);
  const Trailing c(h);
  p.SetVisible(c.Flag(0));
  p.Transparent = c.Flag(1);
  p.SetEnabled(c.Flag(2));
  p.Proportional = c.Flag(3);
  p.Stretch = c.Flag(4);
  p.Center = c.Flag(5);
  p.AutoSize = c.Flag(6);
  p.Animate = c.Flag(7);
  p.TransparentColor = c.Color(8);
}

void File(TVXObject& o, const ContainerField& f, RecordContext& ctx) {
  TVXImage& p = Image(o);
  const int n = ++ctx.imageCounter;
  const std::string extension = FileExtension(f.decoded);
  const std::string path = ParsePathDirect(ctx.app, ctx.app.tempFolder + "IDATA" + extension);
  p.ImgPath = path;
  const std::string resource = "IDATA" + std::to_string(n);
  platform::Files& files = ctx.app.platform.files;
  const auto bytes = files.ReadOwnResource(resource);
  if (!bytes) throw Error("The picture resource " + resource + " is missing.");
  {
    // Truncated first: a shorter picture must not keep the tail of a longer one.
    auto file = files.Open(path, platform::OpenMode::Create);
    file->Write(*bytes);
  }
  auto file = files.Open(path, platform::OpenMode::Read);
  const std::string stored = file->Read(static_cast<std::size_t>(file->Size()));
  const std::string ext = Lower(extension);
  const FormatRow* row = nullptr;
  for (const FormatRow& r : kFormats)
    if (r.extension == ext) row = &r;
  if (row == nullptr) throw Error("Unknown picture file extension (" + extension + ")");
  auto picture = ctx.app.platform.pictures.Decode(stored, row->format);
  if (!picture || picture->frames.empty()) throw Error("The picture " + path + " cannot be read.");
  p.SetPicture(std::move(*picture), row->format);
}

constexpr std::array<FieldRow, 11> kFields = {{
    {36, File},
    {37, SetLeft},
    {38, SetTop},
    {39, SetWidth},
    {40, SetHeight},
    {41, SetHint},
    {42, SetRealCursor},
    {43, SetMouseDown},
    {44, SetMouseUp},
    {45, SetMouseEnter},
    {46, SetMouseLeave},
}};

}  // namespace

const KindRecord& PictureRecord() {
  static const KindRecord record{ObjectKind::Picture, "TVXImage", true, Header, kFields};
  return record;
}

}  // namespace vx
