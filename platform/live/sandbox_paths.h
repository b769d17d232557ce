#pragma once
// Where the native player keeps what a presentation writes: one data folder
// per presentation, $XDG_DATA_HOME/vexorelle/NAME/ (~/.local/share when the
// variable is unset or not absolute), and the real file inside it for each
// Windows path of the virtual disk. Nothing maps outside the folder.

#include <string>

namespace vx::live {

// NAME: the executable's file name without ".exe", every character other
// than letters, digits, "-", "_", "." and space as "_"; never empty, "." or
// "..". Throws std::runtime_error when neither variable gives a folder.
std::string DataFolderFor(const std::string& executableFileName, const char* xdgDataHome, const char* home);

// The real path under dataFolder/disk/ for a Windows path: the drive letter
// is a folder ("C"), a path without a drive or with anything else before
// its first "\" (a Unix path, a UNC name) lies on drive C; "." parts vanish
// and ".." parts climb at most to the drive's root. Empty parts vanish.
std::string DiskPathOf(const std::string& dataFolder, const std::string& windowsPath);

// The file the registry is kept in, inside the data folder.
std::string RegistryFileOf(const std::string& dataFolder);

}  // namespace vx::live
