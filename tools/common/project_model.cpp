#include "tools/common/project_model.h"

namespace vx::tools {

namespace {
template <typename T>
T& Added(std::deque<ObjectModel>& objects, const std::string& objectName) {
  T object;
  object.name = objectName;
  return std::get<T>(objects.emplace_back(std::move(object)));
}
}  // namespace

TextModel& PageModel::AddText(const std::string& n) { return Added<TextModel>(objects, n); }
EditModel& PageModel::AddEdit(const std::string& n) { return Added<EditModel>(objects, n); }
ButtonModel& PageModel::AddButton(const std::string& n) { return Added<ButtonModel>(objects, n); }
PictureModel& PageModel::AddPicture(const std::string& n) { return Added<PictureModel>(objects, n); }
ShapeModel& PageModel::AddShape(const std::string& n) { return Added<ShapeModel>(objects, n); }
SoundModel& PageModel::AddSound(const std::string& n) { return Added<SoundModel>(objects, n); }
VideoModel& PageModel::AddVideo(const std::string& n) { return Added<VideoModel>(objects, n); }
FlashModel& PageModel::AddFlash(const std::string& n) { return Added<FlashModel>(objects, n); }
BrowserModel& PageModel::AddBrowser(const std::string& n) { return Added<BrowserModel>(objects, n); }
TimerModel& PageModel::AddTimer(const std::string& n) { return Added<TimerModel>(objects, n); }
PluginModel& PageModel::AddPlugin(const std::string& n) { return Added<PluginModel>(objects, n); }

PageModel& ProjectModel::AddPage(const std::string& pageName) {
  PageModel page;
  page.name = pageName;
  page.caption = pageName;
  // A presentation opens on page 1; the others wait for navigation.
  page.flags.hidden = !pages.empty();
  return pages.emplace_back(std::move(page));
}

EmbeddedFileModel& ProjectModel::AddEmbeddedFile(const std::string& fileName, const std::string& bytes) {
  return embeddedFiles.emplace_back(EmbeddedFileModel{fileName, bytes});
}

FunctionModel& ProjectModel::AddFunction(const std::string& functionName, const std::string& body) {
  FunctionModel f;
  f.name = functionName;
  f.body = body;
  return functions.emplace_back(std::move(f));
}

}  // namespace vx::tools
