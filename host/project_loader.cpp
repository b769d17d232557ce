#include "host/project_loader.h"

#include "host/application.h"
#include "host/container_reader.h"
#include "host/display_mode.h"
#include "host/hosted_objects.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "util/error.h"
#include "util/path_pieces.h"
#include "util/services.h"

namespace vx {

namespace {
// "™" is 0x99 in the system code page.
constexpr char kFailurePrefix[] =
    "Application could not be intialized, run the application again or recompile your Corvantis\x99 project."
    "\r\n\r\nDetailed Error:\r\n";
}  // namespace

void ProjectLoader::BeginProject(const Project& project) {
  project_ = &project;
  pages_ = std::make_unique<PageLoader>(app_, project);
  pages_->bringObjectsToFront = [this] { objects_.FinishPage(); };
}

void ProjectLoader::ResolutionRead() {
  if (project_ != nullptr) ChangeDisplayModeFor(app_, *project_);
}

void ProjectLoader::SaveSystemSettings() { vx::SaveSystemSettings(app_); }

void ProjectLoader::ChangeSystemSetting(platform::SystemSetting setting, bool on) {
  app_.platform.display.SetSystemSetting(setting, on);
}

void ProjectLoader::InstallFont(const std::string& path) {
  vx::InstallFont(app_.platform.fonts, path);
  installedFonts_.push_back(path);
}

void ProjectLoader::PageStart(const std::string& name) {
  if (pages_) pages_->PageStart(name); else pending_.PageStart(name);
}
void ProjectLoader::PageField(const ContainerField& field) {
  if (pages_) pages_->PageField(field); else pending_.PageField(field);
}
void ProjectLoader::ObjectHeader(const ObjectHeaderRecord& header) {
  if (header.kind.kind == ObjectKind::Flash && !app_.flashAvailable) {
    // Back only when the movie is to be left out: its fields go with it, or
    // they would fall on the object before it.
    MissingFlashPlayer(app_, app_.options.leaveOutMissingFlash || (project_ != nullptr && project_->IgnoreMissingFlash));
    objects_.SkipObject();
    return;
  }
  if (ObjectLoader::Takes(header.kind.kind)) objects_.ObjectHeader(header);
  else pending_.ObjectHeader(header);
}
void ProjectLoader::ObjectField(const ObjectKindInfo& kind, const ContainerField& field) {
  if (ObjectLoader::Takes(kind.kind)) objects_.ObjectField(kind, field);
  else pending_.ObjectField(kind, field);
}
void ProjectLoader::EndOfContainer() {
  if (pages_) pages_->Finish(); else pending_.EndOfContainer();
}

void ProjectLoader::LoadAbandoned() {
  // The process ends without TerminateApp: put back what loading changed.
  for (const std::string& font : installedFonts_) {
    try {
      UninstallFont(app_.platform.fonts, font);
    } catch (const std::exception&) {
      // The next font still goes.
    }
  }
  installedFonts_.clear();
  RestoreSystemSettings(app_);
}

std::string ApplicationTitle(const Application& app) {
  if (!app.project.title.empty()) return app.project.title;
  const std::string exe = app.platform.files.OwnExecutablePath();
  const auto cut = exe.find_last_of("\\/");
  return NameWithoutExtension(cut == std::string::npos ? exe : exe.substr(cut + 1));
}

void LoadProject(Application& app) {
  ProjectLoader loader(app);
  try {
    const std::string pdata = ReadProjectResource(app.platform.files);
    LoadProjectContainer(pdata, app.shiftKey, app.project, loader);
  } catch (const std::exception& e) {
    ShowError(app.platform, ApplicationTitle(app), kFailurePrefix + std::string(e.what()), false);
    KillWindowProcess(app.platform, &app.MainForm()->Window());
    throw;  // a main form that is already gone: nothing can run
  }
}

}  // namespace vx
