// Keyboard shortcuts of the author functions. Every page hands its key
// presses to the main form's handler, which compares them with the shortcut
// of each function.

#include <string>

#include "host/application.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_edit.h"
#include "platform/input.h"
#include "script/app_thread.h"
#include "script/key_names.h"
#include "script/runner.h"

namespace vx {

namespace {

constexpr std::size_t kModifierDigits = 3;
constexpr std::size_t kLongestKeyName = 99;

bool EditHasFocus(TVXForm& page) {
  for (const auto& object : page.Components().InZOrder()) {
    if (object->Kind() != ObjectKind::Edit) continue;
    if (static_cast<const TVXEdit&>(*object).Box().HasFocus()) return true;
  }
  return false;
}

std::string ModifierText(platform::Input& input) {
  std::string text;
  for (int key : {platform::vk::Shift, platform::vk::Control, platform::vk::Menu})
    text += input.IsKeyDown(key) ? '1' : '0';
  return text;
}

}  // namespace

bool TVXForm::OnKeyDown(int virtualKey) {
  TVXForm* main = app_.MainForm();
  return main != nullptr && main->FormShortCut(*this, virtualKey);
}

bool TVXForm::FormShortCut(TVXForm& target, int virtualKey) {
  // Typing into an edit box is never a shortcut; the page that got the key
  // decides, not the main form the handler belongs to.
  if (EditHasFocus(target)) return false;
  const std::string modifiers = ModifierText(app_.platform.input);
  bool handled = false;
  // By index: a script may run a long time, but the table never changes.
  for (std::size_t i = 0; i < app_.project.functions.size(); ++i) {
    const TFunc& function = app_.project.functions[i];
    if (function.shortcut.compare(0, kModifierDigits, modifiers) != 0) continue;
    if (function.shortcut.size() <= kModifierDigits) continue;
    if (KeyNameToCode(std::string_view(function.shortcut).substr(kModifierDigits, kLongestKeyName)) != virtualKey)
      continue;
    handled = true;
    if (app_.onEventScript) app_.onEventScript("FormShortCut", target.Name());
    // A threaded function runs in its thread only, as a function call does.
    if (function.slot > 0) app_.scripts->StartThread(function.slot, JoinLines(function.body));
    else DoActions(app_, this, function.body);
  }
  return handled;
}

}  // namespace vx
