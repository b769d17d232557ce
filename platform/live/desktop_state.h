#pragma once
// GTK keeps state of its own in the person's home: the file chooser's
// settings through GSettings (dconf, ~/.cache/dconf), every chosen file in
// the recently used list (~/.local/share/recently-used.xbel). The native
// player writes nothing outside the presentation's data folder, so neither
// is kept there.

#include <string>

namespace vx::live {

// Before gtk_init: GSettings of this process live in memory. Programs the
// player starts (the desktop's default application) keep the person's own
// settings.
void KeepSettingsInMemory();

// Before gtk_init: GLib's folders for the person's data, configuration and
// caches (where GTK keeps its bookmarks, recently used files and caches) are
// folder/data, folder/config and folder/cache for this process. Programs the
// player starts see the person's own.
void KeepToolkitFoldersIn(const std::string& folder);

// Graphics drivers keep compiled shaders in the account's home, found
// through the password database and not $HOME (Mesa: ~/.cache/
// mesa_shader_cache; NVIDIA: ~/.nv), as soon as anything draws with GL (the
// web views' set-up does). For the whole run their caches are
// folder/shaders, unless the person chose a place: the drivers read the
// variables whenever they start, so they cannot be put back.
void KeepShaderCachesIn(const std::string& folder);

// After gtk_init: the recently used list is neither read nor written.
void TurnOffRecentFiles();

}  // namespace vx::live
