#pragma once
// Loading the presentation during the main form's creation: the real target
// of the container reader, and the start-up failure when anything goes wrong.

#include <memory>
#include <string>
#include <vector>

#include "host/container_target.h"
#include "host/object_loader.h"
#include "host/page_loader.h"
#include "host/recording_loader.h"

namespace vx {

class Application;

class ProjectLoader : public ContainerTarget {
 public:
  explicit ProjectLoader(Application& app) : app_(app), objects_(app) {}

  void BeginProject(const Project& project) override;
  void ResolutionRead() override;
  void SaveSystemSettings() override;
  void ChangeSystemSetting(platform::SystemSetting setting, bool on) override;
  void InstallFont(const std::string& path) override;
  void PageStart(const std::string& name) override;
  void PageField(const ContainerField& field) override;
  void ObjectHeader(const ObjectHeaderRecord& header) override;
  void ObjectField(const ObjectKindInfo& kind, const ContainerField& field) override;
  void EndOfContainer() override;
  void LoadAbandoned() override;

  // Records that no loader takes yet.
  const RecordingLoader& Pending() const { return pending_; }

 private:
  Application& app_;
  const Project* project_ = nullptr;
  std::unique_ptr<PageLoader> pages_;
  ObjectLoader objects_;
  std::vector<std::string> installedFonts_;
  RecordingLoader pending_;
};

// The presentation from the own executable's "PDATA" into app.project. On
// any error: the start-up failure box with the detailed error, then the end
// of the process.
void LoadProject(Application& app);

// The title boxes carry: the project's, else the executable's name.
std::string ApplicationTitle(const Application& app);

}  // namespace vx
