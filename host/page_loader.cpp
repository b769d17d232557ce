#include "host/page_loader.h"

#include <algorithm>

#include "host/application.h"
#include "host/container_reader.h"
#include "host/embedded_files.h"
#include "host/pages.h"
#include "host/project.h"
#include "host/vx_form.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/imaging/transitions.h"
#include "util/services.h"

namespace vx {

namespace {

constexpr std::string_view kPagePrefix = "VX_APPLICATION_FORM";
constexpr int kRandomTransition = 14;

using Handler = void (PageLoader::*)(const ContainerField&);

// Flags are bytes, digits characters, of the decoded page-flag field.
bool FlagAt(const std::string& p, std::size_t pos) { return pos <= p.size() && p[pos - 1] != '\0'; }
int DigitAt(const std::string& p, std::size_t pos) { return pos <= p.size() ? p[pos - 1] - '0' : -1; }
platform::Color ColorAt(const std::string& p, std::size_t pos) {
  return pos + 2 <= p.size() ? BytesToColor(std::string_view(p).substr(pos - 1, 3)) : 0;
}

}  // namespace

PageLoader::PageLoader(Application& app, const Project& project) : app_(app), project_(project) {}

TVXForm& PageLoader::CurrentPage() {
  const auto index = static_cast<std::size_t>(std::max(1, app_.pageCount) - 1);
  if (index >= app_.forms.size()) throw Error("no page is being loaded");
  return *app_.forms[index];
}

int PageLoader::PageNumber() const { return app_.pageCount; }

void PageLoader::PageStart(const std::string& name) {
  if (app_.pageCount == 0) {
    ExtractEmbed(app_, project_, project_.ExtractAllEmbedded);
    app_.pageCount = 1;
  } else {
    if (bringObjectsToFront) bringObjectsToFront();
    ++app_.pageCount;
    TVXForm& main = *app_.MainForm();
    // The new page must not take the main form's name for a moment.
    main.SetName("_VXFORM");
    app_.forms.push_back(std::make_unique<TVXForm>(app_));
    app_.forms.back()->SetName(std::string(kPagePrefix) + std::to_string(app_.pageCount));
    main.SetName(std::string(kPagePrefix) + "1");
  }
  app_.formDB.resize(static_cast<std::size_t>(app_.pageCount) + 1);
  app_.formDB[static_cast<std::size_t>(app_.pageCount)].Name = name;
  transitionOptions_.clear();
}

void PageLoader::PageField(const ContainerField& field) {
  static constexpr Handler kHandlers[] = {
      &PageLoader::Caption,           // 12
      &PageLoader::Width,             // 13
      &PageLoader::Height,            // 14
      &PageLoader::Alpha,             // 15
      &PageLoader::Filter,            // 16 lightness
      &PageLoader::Filter,            // 17 blur
      &PageLoader::Filter,            // 18 contrast
      &PageLoader::Filter,            // 19 saturation
      &PageLoader::Filter,            // 20 sharpen
      &PageLoader::Filter,            // 21 sponge
      &PageLoader::Cursor,            // 22
      &PageLoader::Background,        // 23
      &PageLoader::Flags,             // 24
      &PageLoader::TransitionOptions, // 25
      &PageLoader::TransitionNumber,  // 26 style
      &PageLoader::TransitionNumber,  // 27 sub-style
      &PageLoader::TransitionNumber,  // 28 size 1
      &PageLoader::TransitionNumber,  // 29 size 2
      &PageLoader::TransitionMask,    // 30
      &PageLoader::Script,            // 31 show
      &PageLoader::Script,            // 32 hide
      &PageLoader::Script,            // 33 resize
      &PageLoader::Script,            // 34 wheel
  };
  if (field.counter < kFirstPageField || field.counter > kLastPageField) return;
  (this->*kHandlers[field.counter - kFirstPageField])(field);
}

static TFormDB& PageRecord(Application& app) { return app.formDB[static_cast<std::size_t>(app.pageCount)]; }

void PageLoader::Caption(const ContainerField& f) { CurrentPage().Window().SetCaption(f.decoded); }

void PageLoader::Width(const ContainerField& f) {
  const int w = StrToInt(f.decoded);
  PageRecord(app_).Width = w == -1 ? app_.platform.display.ScreenSize().width : w;
}

void PageLoader::Height(const ContainerField& f) {
  const int h = StrToInt(f.decoded);
  PageRecord(app_).Height = h == -1 ? app_.platform.display.ScreenSize().height : h;
}

void PageLoader::Alpha(const ContainerField& f) {
  platform::Window& window = CurrentPage().Window();
  platform::WindowLook look = window.Look();
  look.alphaValue = static_cast<std::uint8_t>(std::clamp(StrToInt(f.decoded), 0, 255));
  window.SetLook(look);
}

void PageLoader::Filter(const ContainerField& f) {
  static constexpr int BackgroundSettings::*kFilters[] = {
      &BackgroundSettings::lightness, &BackgroundSettings::blur,    &BackgroundSettings::contrast,
      &BackgroundSettings::saturation, &BackgroundSettings::sharpen, &BackgroundSettings::sponge,
  };
  CurrentPage().page.background.*kFilters[f.counter - 16] = StrToInt(f.decoded);
}

void PageLoader::Cursor(const ContainerField& f) {
  TVXForm& page = CurrentPage();
  page.page.cursor = StrToInt(f.decoded);
  page.Window().SetCursor(GetCursorByNum(page.page.cursor));
}

void PageLoader::Background(const ContainerField&) {
  try {
    CurrentPage().page.background.picture = GetBG(app_, app_.pageCount);
  } catch (const Error&) {
    CurrentPage().page.background.picture.reset();
  }
}

void PageLoader::Flags(const ContainerField& f) {
  const std::string& p = f.decoded;
  const std::int8_t key = app_.shiftKey.Get();
  const std::string twice = ShiftDecode(p, key);  // the stored bytes minus twice the key
  TVXForm& page = CurrentPage();
  platform::Window& window = page.Window();
  TFormDB& record = PageRecord(app_);
  platform::WindowLook look = window.Look();

  look.rightToLeft = FlagAt(p, 1);
  if (DigitAt(p, 2) == 0) record.Left = record.Top = -1;
  else record.Left = record.Top = 0;
  window.SetBorderIcons({FlagAt(p, 3), FlagAt(p, 4), FlagAt(p, 5), FlagAt(p, 6)});
  const bool resizable = FlagAt(p, 7);
  window.SetStayOnTop(FlagAt(p, 8));
  record.ShowBorderShape = FlagAt(p, 9) ? 1 : 0;
  page.page.frameShape.outlined = FlagAt(p, 9);
  record.NoSnap = FlagAt(p, 10) ? 1 : 0;
  page.NoSnap().SetEnabled(record.NoSnap != 0);
  switch (DigitAt(p, 11)) {
    case 0: record.BorderStyle = resizable ? 2 : 1; break;
    case 1: record.BorderStyle = resizable ? 5 : 4; break;
    case 2: record.BorderStyle = 0, app_.PageDragging = true; break;
    case 3: record.BorderStyle = 0, app_.PageDragging = false; break;
    default: break;
  }
  look.horizontalScrollBar = FlagAt(p, 12);
  look.verticalScrollBar = FlagAt(p, 13);
  look.alphaBlend = FlagAt(p, 14);

  BackgroundSettings& bg = page.page.background;
  bg.smoothStretch = FlagAt(p, 15);
  bg.greyScale = FlagAt(p, 16);
  bg.flipHorizontal = FlagAt(p, 17);
  bg.emboss = FlagAt(p, 18);
  bg.invert = FlagAt(p, 19);
  bg.flipVertical = FlagAt(p, 20);
  bg.transparent = FlagAt(p, 21);
  const int mode = DigitAt(p, 22);
  if (mode >= 0 && mode <= 5) bg.drawMode = static_cast<BackgroundDrawMode>(mode);
  bg.transparentColor = ColorAt(f.raw, 23);

  look.transparentColorKey = FlagAt(p, 26);
  look.transparentColor = ColorAt(twice, 27);
  look.doubleBuffered = FlagAt(p, 30);
  look.color = ColorAt(twice, 31);
  page.page.frameShape.fill = look.color;
  window.SetLook(look);

  page.page.hiddenAfterLoading = FlagAt(p, 34);
  int code = p.size() >= 35 ? static_cast<std::uint8_t>(p[34]) : 0;
  if (code == kRandomTransition) code = imaging::RandomTransitionCode(app_.random);
  TransitionSettings& transition = page.page.transition;
  if (imaging::TransitionByCode(code) == nullptr) code = 0;
  transition.effect = code;
  if (code == 0) {
    // Shown once start-up is over (ShowPagesAfterLoading): no page appears
    // half built, or beside the loading splash.
    if (page.page.hiddenAfterLoading) window.Hide();
    return;
  }
  transition.durationMs = p.size() > 35 ? StrToInt(p.substr(35)) : transition.durationMs;
}

void PageLoader::TransitionOptions(const ContainerField& f) {
  TransitionSettings& t = CurrentPage().page.transition;
  const imaging::TransitionInfo* info = imaging::TransitionByCode(t.effect);
  if (info == nullptr) return;
  const std::string& p = f.decoded;
  if (info->usesOptions) {
    t.option1 = FlagAt(p, 3);
    t.option2 = FlagAt(p, 4);
  }
  if (info->usesDirection && DigitAt(p, 2) >= 0) t.direction = imaging::TransitionDirectionFromCode(DigitAt(p, 2));
}

void PageLoader::TransitionNumber(const ContainerField& f) {
  static constexpr int TransitionSettings::*kNumbers[] = {
      &TransitionSettings::style, &TransitionSettings::subStyle, &TransitionSettings::size1,
      &TransitionSettings::size2};
  CurrentPage().page.transition.*kNumbers[f.counter - 26] = StrToInt(f.decoded);
}

void PageLoader::TransitionMask(const ContainerField& f) { CurrentPage().page.transition.maskPath = f.decoded; }

void PageLoader::Script(const ContainerField& f) {
  static constexpr LineList TVXForm::*kScripts[] = {&TVXForm::PageShowScript, &TVXForm::PageHideScript,
                                                    &TVXForm::PageResizeScript, &TVXForm::PageWheelScript};
  CurrentPage().*kScripts[f.counter - 31] = StoredScriptLines(f.decoded);
}

void PageLoader::Finish() {
  if (bringObjectsToFront) bringObjectsToFront();
  for (int i = 1; i <= app_.pageCount && i < static_cast<int>(app_.formDB.size()); ++i) {
    const TFormDB& record = app_.formDB[static_cast<std::size_t>(i)];
    platform::Window* window = GetFormByNum(app_, i);
    if (window == nullptr) continue;
    window->SetFrameStyle(static_cast<platform::FrameStyle>(std::min<int>(record.BorderStyle, 5)));
    window->SetClientSize({record.Width, record.Height});
    if (record.Left == -1 && record.Top == -1) {
      CenterForm(app_.platform, window->Name());
    } else {
      platform::Rect bounds = window->Bounds();
      bounds.left = record.Left;
      bounds.top = record.Top;
      window->SetBounds(bounds);
    }
  }
}

}  // namespace vx
