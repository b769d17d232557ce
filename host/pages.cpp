#include "host/pages.h"

#include <string>

#include "host/application.h"
#include "host/vx_form.h"
#include "util/error.h"
#include "util/services.h"

namespace vx {

namespace {
constexpr std::string_view kPagePrefix = "VX_APPLICATION_FORM";

// The number after the page prefix; 0 when the name has none.
int PageNumberInName(const std::string& name) {
  if (name.size() <= kPagePrefix.size() || name.compare(0, kPagePrefix.size(), kPagePrefix) != 0) return 0;
  int n = 0;
  for (std::size_t i = kPagePrefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (c < '0' || c > '9' || n > 100000000) return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}
}  // namespace

void ShowPagesAfterLoading(Application& app) {
  for (std::size_t i = 1; i < app.forms.size(); ++i) {
    TVXForm& page = *app.forms[i];
    if (page.page.transition.effect == 0 && !page.page.hiddenAfterLoading) page.Window().Show();
  }
}

platform::Window* GetFormByNum(Application& app, int n) {
  return FindFormByName(app.platform.forms, std::string(kPagePrefix) + std::to_string(n));
}

int CurrentPageNumber(Application& app) {
  if (platform::Window* active = app.platform.forms.ActiveWindow()) {
    if (const int n = PageNumberInName(active->Name()); n > 0) app.currentPageNumber = n;
  }
  return app.currentPageNumber;
}

namespace {
bool SameTextAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}
}  // namespace

int PageNumberByName(const Application& app, const std::string& name) {
  for (int i = 1; i <= app.pageCount && i < static_cast<int>(app.formDB.size()); ++i)
    if (SameTextAscii(app.formDB[static_cast<std::size_t>(i)].Name, name)) return i;
  return -1;
}

void ShowPageByName(Application& app, const std::string& name) {
  for (int i = 1; i <= app.pageCount && i < static_cast<int>(app.formDB.size()); ++i) {
    if (!SameTextAscii(app.formDB[static_cast<std::size_t>(i)].Name, name)) continue;
    platform::Window* current = GetFormByNum(app, CurrentPageNumber(app));
    platform::Window* page = GetFormByNum(app, i);
    if (current == nullptr || current == page || page == nullptr) return;
    page->Hide();
    page->SetFrameStyle(current->GetFrameStyle());
    page->SetBounds(current->Bounds());
    page->Show();
    current->Hide();
  }
}

int GetCursorByNum(int n) { return n < 0 ? 0 : n; }

namespace {

std::optional<platform::Picture> DecodeBackground(platform::Pictures& pictures, const std::string& bytes) {
  using platform::PictureFormat;
  for (PictureFormat format : {PictureFormat::Jpeg, PictureFormat::Bitmap, PictureFormat::Png, PictureFormat::Gif,
                               PictureFormat::Metafile, PictureFormat::Icon}) {
    auto picture = pictures.Decode(bytes, format);
    if (picture && !picture->frames.empty()) return picture;
  }
  return std::nullopt;
}

}  // namespace

platform::Picture BackgroundFromFile(Application& app, const std::string& path) {
  auto picture = DecodeBackground(app.platform.pictures, platform::ReadWholeFile(app.platform.files, path));
  if (!picture) throw Error("The picture " + path + " cannot be read.");
  return std::move(*picture);
}

std::optional<platform::Picture> GetBG(Application& app, int n) {
  auto& files = app.platform.files;
  const auto resource = files.ReadOwnResource("BDATAG" + std::to_string(n));
  if (!resource) throw Error("Resource BDATAG" + std::to_string(n) + " not found");
  const std::string temp = app.tempFolder + "c.tmp";
  std::optional<platform::Picture> picture;
  try {
    platform::WriteWholeFile(files, temp, *resource);
    picture = DecodeBackground(app.platform.pictures, platform::ReadWholeFile(files, temp));
  } catch (const Error&) {
    picture.reset();
  }
  try {
    if (files.FileExists(temp)) files.RemoveFile(temp);
  } catch (const Error&) {
    // A locked temporary file stays; the picture is read already.
  }
  return picture;
}

}  // namespace vx
