#include <array>

#include "values/text_functions.h"

namespace vx::eval {

namespace {

constexpr std::array<TextFunction, 33> kTextFunctions{{
    {3, Substring},      {5, ReplaceText},   {1, CharOfCode},    {1, LowerText},
    {1, UpperText},      {1, DrivePart},     {1, PathPart},      {1, NamePart},
    {1, ExtensionPart},  {1, ParamText},     {0, ClipboardText}, {1, FileText},
    {1, Time12},         {1, Time24},        {1, DateText},      {1, FarDateText},
    {1, WeekdayText},    {0, FarMonthText},  {1, ReverseText},   {1, HexOfValue},
    {1, BinOfValue},     {1, OctOfValue},    {1, OctToBinText},  {1, BinToOctText},
    {1, BinToHexText},   {1, OctToHexText},  {1, HexToBinText},  {1, HexToOctText},
    {2, FileChar},       {1, RegistryText},  {2, IniText},       {1, TrailerText},
    {2, FlashVariableText},
}};

}  // namespace

const TextFunction* FindTextFunction(std::string_view name) {
  // Exactly "0" ... "32": no sign, no leading zero, no blank.
  if (name.empty() || name.size() > 2 || (name.size() == 2 && name[0] == '0')) return nullptr;
  std::size_t n = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return nullptr;
    n = n * 10 + static_cast<std::size_t>(c - '0');
  }
  return n < kTextFunctions.size() ? &kTextFunctions[n] : nullptr;
}

}  // namespace vx::eval
