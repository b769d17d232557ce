#pragma once
// The presentation source folder: project.yaml (UTF-8) with media files
// beside it. See docs/project-source.md.

#include <cstdint>
#include <string>

#include "tools/common/project_model.h"

namespace vx::tools {

struct SourceProject {
  ProjectModel model;
  std::int8_t key = 7;
  bool splash = false;
};

// Throws vx::Error naming the manifest line of what it could not use.
SourceProject ReadSourceFolder(const std::string& folder);

}  // namespace vx::tools
