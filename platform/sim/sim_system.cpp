#include "platform/sim/sim_system.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <system_error>

#include "util/error.h"

namespace vx::sim {

namespace {

// Fontconfig's application fonts belong to the process, not to one desktop:
// every desktop's real font files, so that taking one away keeps the rest.
struct AppFonts {
  std::mutex lock;
  std::multiset<std::string> files;
};

AppFonts& ProcessAppFonts() {
  static AppFonts fonts;
  return fonts;
}

void FontsChanged() {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  if (PANGO_IS_FC_FONT_MAP(map)) pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(map));
}

// The font files fontconfig can read in the file: at least one face.
bool IsFontFile(const std::string& real) {
  int count = 0;
  FcBlanks* blanks = nullptr;
  FcPattern* face = FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(real.c_str()), 0, blanks, &count);
  if (face == nullptr) return false;
  FcPatternDestroy(face);
  return true;
}

}  // namespace

SimFonts::~SimFonts() {
  while (!realFiles_.empty()) Unregister(realFiles_.begin()->first);
  if (!realFolder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(realFolder_, ignored);
  }
}

std::string SimFonts::RealFontFile(const std::string& path) const {
  const auto it = realFiles_.find(path);
  return it == realFiles_.end() ? std::string() : it->second;
}

bool SimFonts::InstallFontFile(const std::string& path) {
  if (refused_.count(path)) return false;
  installed_.insert(path);
  log_.Add("font installed " + path);
  if (!realFontFiles_ || realFiles_.count(path) != 0) return true;
  std::string bytes;
  try {
    bytes = platform::ReadWholeFile(files_, path);
  } catch (const Error&) {
    return true;  // a font the drawing does not know, as with a broken file
  }
  if (realFolder_.empty()) {
    std::string folder = (std::filesystem::temp_directory_path() / "vx-sim-fonts-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return true;
    realFolder_ = folder;
  }
  const std::string real = realFolder_ + "/" + std::to_string(++realCount_) + ".font";
  {
    std::ofstream out(real, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return true;
  }
  if (!IsFontFile(real)) {
    std::error_code ignored;
    std::filesystem::remove(real, ignored);
    return true;
  }
  {
    AppFonts& fonts = ProcessAppFonts();
    std::lock_guard<std::mutex> guard(fonts.lock);
    FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(real.c_str()));
    fonts.files.insert(real);
  }
  realFiles_[path] = real;
  FontsChanged();
  return true;
}

bool SimFonts::RemoveFontFile(const std::string& path) {
  // The system finds the file without regard to case.
  const std::string key = SimFiles::Key(path);
  auto it = std::find_if(installed_.begin(), installed_.end(),
                         [&](const std::string& p) { return SimFiles::Key(p) == key; });
  if (it == installed_.end()) return false;
  const std::string installedPath = *it;
  installed_.erase(it);
  log_.Add("font removed " + path);
  if (installed_.count(installedPath) == 0) Unregister(installedPath);
  return true;
}

void SimFonts::Unregister(const std::string& path) {
  const auto it = realFiles_.find(path);
  if (it == realFiles_.end()) return;
  const std::string real = it->second;
  realFiles_.erase(it);
  {
    // Fontconfig takes application fonts away only all at once.
    AppFonts& fonts = ProcessAppFonts();
    std::lock_guard<std::mutex> guard(fonts.lock);
    const auto own = fonts.files.find(real);
    if (own != fonts.files.end()) fonts.files.erase(own);
    FcConfig* config = FcConfigGetCurrent();
    FcConfigAppFontClear(config);
    for (const std::string& other : fonts.files)
      FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(other.c_str()));
  }
  FontsChanged();
  std::error_code ignored;
  std::filesystem::remove(real, ignored);
}

void SimInput::SetKeyDown(int virtualKey, bool down) {
  if (down)
    down_.insert(virtualKey);
  else
    down_.erase(virtualKey);
}

std::int16_t SimInput::KeyState(int virtualKey) {
  int state = 0;
  if (IsKeyDown(virtualKey)) state |= 0x8000;
  if (IsToggled(virtualKey)) state |= 1;
  return static_cast<std::int16_t>(state > 0x7FFF ? state - 0x10000 : state);
}

void SimInput::SetToggled(int virtualKey, bool on) {
  if (on)
    toggled_.insert(virtualKey);
  else
    toggled_.erase(virtualKey);
}

bool SimInput::SwitchKeyboardLayout(const std::string& name) {
  if (name.size() != 8 || name.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  layout_ = name;
  return true;
}

void SimProcess::SoundSpeaker(unsigned frequency, unsigned duration) {
  log_.Add("speaker " + std::to_string(frequency) + " Hz " + std::to_string(duration) + " ms");
  loop_.Sleep(duration);
}

void SimProcess::Terminate(int exitCode) {
  exitCode_ = exitCode;
  log_.Add("exit " + std::to_string(exitCode));
  throw ProcessExited{exitCode};
}


}  // namespace vx::sim
