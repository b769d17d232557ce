#include "platform/live/desktop_state.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gsettingsbackend.h>
#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace vx::live {


namespace {

// Sets the variable for as long as it lives, then puts the person's back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    const char* before = g_getenv(name);
    if (before != nullptr) before_ = before;
    g_setenv(name, value.c_str(), TRUE);
  }
  ~ScopedVariable() {
    if (before_) g_setenv(name_, before_->c_str(), TRUE);
    else g_unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

}  // namespace

void KeepToolkitFoldersIn(const std::string& folder) {
  const ScopedVariable data("XDG_DATA_HOME", folder + "/data");
  const ScopedVariable config("XDG_CONFIG_HOME", folder + "/config");
  const ScopedVariable cache("XDG_CACHE_HOME", folder + "/cache");
  // GLib reads each once, at its first use, and keeps it.
  g_get_user_data_dir();
  g_get_user_config_dir();
  g_get_user_cache_dir();
}

void KeepShaderCachesIn(const std::string& folder) {
  const std::string shaders = folder + "/shaders";
  for (const char* name : {"MESA_SHADER_CACHE_DIR", "MESA_GLSL_CACHE_DIR", "__GL_SHADER_DISK_CACHE_PATH"})
    g_setenv(name, shaders.c_str(), FALSE);
}

void KeepSettingsInMemory() {
  const ScopedVariable memory("GSETTINGS_BACKEND", "memory");
  // The default backend is chosen once, at its first use, and kept.
  g_object_unref(g_settings_backend_get_default());
}

void TurnOffRecentFiles() {
  GtkSettings* settings = gtk_settings_get_default();
  if (settings != nullptr) g_object_set(settings, "gtk-recent-files-enabled", FALSE, nullptr);
}

}  // namespace vx::live
