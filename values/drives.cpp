#include "values/drives.h"

#include <array>

namespace vx {

namespace {

using platform::DriveKind;

struct DriveTypeRow {
  std::string_view name;
  int code;
};
constexpr std::array<DriveTypeRow, 6> kDriveTypeNames{{
    {"UNKNOWN", 0}, {"FIXED", 1}, {"CDROM", 2}, {"NETWORK", 3}, {"RAM", 4}, {"REMOVABLE", 5}}};

int CodeOfKind(DriveKind kind) {
  switch (kind) {
    case DriveKind::Removable: return 5;
    case DriveKind::Fixed: return 1;
    case DriveKind::Remote: return 3;
    case DriveKind::CdRom: return 2;
    case DriveKind::RamDisk: return 4;
    case DriveKind::NoRootDir:
    case DriveKind::Unknown: break;
  }
  return 0;
}

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

std::optional<platform::DriveSpace> Space(platform::Files& files, char letter) {
  return files.DriveSpaceOf(std::string(1, letter) + ":\\");
}

}  // namespace

std::string DriveLetter(std::int64_t n) {
  if (n < 1 || n > 26) return "";
  return std::string(1, static_cast<char>('A' + n - 1));
}

int DriveTypeFromName(std::string_view name) {
  for (const auto& row : kDriveTypeNames)
    if (row.name == name) return row.code;
  return 0;
}

int DriveTypeCode(platform::Files& files, char letter) {
  return CodeOfKind(files.DriveKindOf(std::string(1, UpperLetter(letter)) + ":\\"));
}

int CountDrivesOfType(platform::Files& files, int code) {
  int count = 0;
  for (char c = 'A'; c <= 'Z'; ++c)
    if (DriveTypeCode(files, c) == code) ++count;
  return count;
}

int CountDrives(platform::Files& files) {
  int count = 0;
  for (char c = 'A'; c <= 'Z'; ++c) {
    const DriveKind kind = files.DriveKindOf(std::string(1, c) + ":");
    if (kind != DriveKind::Unknown && kind != DriveKind::NoRootDir) ++count;
  }
  return count;
}

std::string RemovableDriveLetter(platform::Files& files, std::int64_t n) {
  std::int64_t seen = 0;
  for (char c = 'B'; c <= 'Z'; ++c)
    if (files.DriveKindOf(std::string(1, c) + ":") == DriveKind::Removable && ++seen == n)
      return std::string(1, c);
  return "";
}

std::int64_t DriveSize(platform::Files& files, char letter) {
  letter = UpperLetter(letter);
  if (!IsLetter(letter)) return 0;
  const auto space = Space(files, letter);
  return space ? static_cast<std::int64_t>(space->total) : -1;
}

std::int64_t DriveFree(platform::Files& files, char letter) {
  letter = UpperLetter(letter);
  if (!IsLetter(letter)) return 0;
  const auto space = Space(files, letter);
  return space ? static_cast<std::int64_t>(space->free) : -1;
}

bool DriveReady(platform::Files& files, char letter) { return DriveSize(files, letter) > 0; }

}  // namespace vx
