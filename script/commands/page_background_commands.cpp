// The current page's background imager VX_FORM_BACKGROUND: its picture from
// a file, drawing style, smooth stretching, its transparent colour and the
// filters. A change repaints the page once; an assignment that changes
// nothing leaves it be.

#include <cstdint>

#include "host/application.h"
#include "host/page_settings.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "script/commands/current_page.h"
#include "script/commands/families.h"
#include "util/conversions.h"

namespace vx::commands {

namespace {

void PictureFile(CommandContext& c);       // 81
void DrawStyle(CommandContext& c);         // 82
void TransparentColor(CommandContext& c);  // 90

void Assign(TVXForm& page, auto BackgroundSettings::*setting, auto value) {
  BackgroundSettings& bg = page.page.background;
  if (bg.*setting == value) return;
  bg.*setting = value;
  page.Window().Repaint();
}

// An on/off setting from B(1).
template <bool BackgroundSettings::*Flag>
void BackgroundFlag(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  Assign(page, Flag, c.B(1));
}

// A strength from I(1), passed to the imager as it is.
template <int BackgroundSettings::*Value>
void BackgroundValue(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  Assign(page, Value, static_cast<int>(c.I(1)));
}

constexpr CommandRow kRows[] = {
    {81, OnMainThread<PictureFile>},
    {82, OnMainThread<DrawStyle>},
    {83, OnMainThread<BackgroundFlag<&BackgroundSettings::smoothStretch>>},
    {84, OnMainThread<BackgroundFlag<&BackgroundSettings::greyScale>>},
    {85, OnMainThread<BackgroundFlag<&BackgroundSettings::flipHorizontal>>},
    {86, OnMainThread<BackgroundFlag<&BackgroundSettings::flipVertical>>},
    {87, OnMainThread<BackgroundFlag<&BackgroundSettings::emboss>>},
    {88, OnMainThread<BackgroundFlag<&BackgroundSettings::invert>>},
    {89, OnMainThread<BackgroundFlag<&BackgroundSettings::transparent>>},
    {90, OnMainThread<TransparentColor>},
    {91, OnMainThread<BackgroundValue<&BackgroundSettings::lightness>>},
    {92, OnMainThread<BackgroundValue<&BackgroundSettings::blur>>},
    {93, OnMainThread<BackgroundValue<&BackgroundSettings::contrast>>},
    {94, OnMainThread<BackgroundValue<&BackgroundSettings::saturation>>},
    {95, OnMainThread<BackgroundValue<&BackgroundSettings::sharpen>>},
    {96, OnMainThread<BackgroundValue<&BackgroundSettings::sponge>>},
};

// A file that cannot be read leaves the old picture on the page.
void PictureFile(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  page.page.background.picture = BackgroundFromFile(c.App(), c.S(1));
  page.Window().Repaint();
}

void DrawStyle(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  const std::int64_t style = c.I(1);
  if (style < 0 || style > static_cast<int>(BackgroundDrawMode::ProportionalCentred)) return;
  Assign(page, &BackgroundSettings::drawMode, static_cast<BackgroundDrawMode>(style));
}

void TransparentColor(CommandContext& c) {
  TVXForm& page = CurrentPageForm(c);
  Assign(page, &BackgroundSettings::transparentColor, HexToColor(c.S(1)));
}

}  // namespace

std::span<const CommandRow> PageBackgroundCommands() { return kRows; }

}  // namespace vx::commands
