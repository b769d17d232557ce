#include "tools/vxpack/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace vx::tools {

namespace {

bool SameFamily(const std::string& a, const char* b) {
  const std::string other = b;
  if (a.size() != other.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FcToLower(static_cast<FcChar8>(a[i])) != FcToLower(static_cast<FcChar8>(other[i]))) return false;
  return true;
}

}  // namespace

std::optional<std::string> FindFontFile(const std::string& family) {
  if (family.empty() || FcInit() == FcFalse) return std::nullopt;
  std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(FcFontMatch(nullptr, pattern.get(), &result),
                                                                FcPatternDestroy);
  if (!match) return std::nullopt;
  // Fontconfig always answers with something; only the family asked for counts.
  FcChar8* found = nullptr;
  bool sameFamily = false;
  for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &found) == FcResultMatch; ++i)
    if (SameFamily(family, reinterpret_cast<const char*>(found))) sameFamily = true;
  FcChar8* file = nullptr;
  if (!sameFamily || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(file));
}

}  // namespace vx::tools
