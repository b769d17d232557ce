#include "host/page_queries_impl.h"

#include "host/application.h"
#include "host/media_playback.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "objects/vx_media.h"
#include "util/code_tables.h"
#include "util/error.h"

namespace vx {

TVXForm& ApplicationPageQueries::CurrentPage() {
  const int n = vx::CurrentPageNumber(app_);
  if (n < 1 || static_cast<std::size_t>(n) > app_.forms.size()) throw Error("There is no current page.");
  return *app_.forms[static_cast<std::size_t>(n) - 1];
}

TVXObject& ApplicationPageQueries::CurrentPageObject(std::string_view objectName) {
  const std::string component = "OBJ" + std::string(objectName);
  TVXObject* object = CurrentPage().Components().Find(component);
  if (object == nullptr) throw Error("There is no object " + std::string(objectName) + " on the current page.");
  return *object;
}

int ApplicationPageQueries::CurrentPageNumber() { return vx::CurrentPageNumber(app_); }

platform::Size ApplicationPageQueries::PageClientSize(std::string_view pageName) {
  if (pageName.empty()) return CurrentPage().Window().ClientSize();
  const int n = PageNumberByName(app_, std::string(pageName));
  if (n < 1 || static_cast<std::size_t>(n) > app_.forms.size())
    throw Error("There is no page " + std::string(pageName) + ".");
  return app_.forms[static_cast<std::size_t>(n) - 1]->Window().ClientSize();
}

platform::Point ApplicationPageQueries::ScreenToCurrentPage(platform::Point screen) {
  const platform::Point origin = CurrentPage().Window().ClientOrigin();
  return {screen.x - origin.x, screen.y - origin.y};
}

platform::Point ApplicationPageQueries::CurrentPageOrigin() {
  const platform::Rect r = CurrentPage().Window().Bounds();
  return {r.left, r.top};
}

bool ApplicationPageQueries::ObjectVisible(std::string_view objectName) {
  return CurrentPageObject(objectName).Visible();
}

namespace {
platform::MediaGraph& MediaGraphOf(TVXForm& page, TVXObject& object, std::string_view objectName) {
  platform::MediaGraph* graph = GraphOf(page, object);
  if (graph == nullptr) throw Error("The object " + std::string(objectName) + " is no sound or video.");
  return *graph;
}
}  // namespace

int ApplicationPageQueries::MediaVolume(std::string_view objectName) {
  return MediaGraphOf(CurrentPage(), CurrentPageObject(objectName), objectName).Volume();
}

int ApplicationPageQueries::MediaStateCode(std::string_view objectName) {
  return MediaStateToCode(MediaGraphOf(CurrentPage(), CurrentPageObject(objectName), objectName).State(), 0);
}

std::string ApplicationPageQueries::FlashVariable(std::string_view objectName, std::string_view variable) {
  auto* flash = dynamic_cast<TVXFlash*>(&CurrentPageObject(objectName));
  if (flash == nullptr) throw Error("The object " + std::string(objectName) + " is no Flash movie.");
  return flash->Player().GetVariable(std::string(variable));
}

}  // namespace vx
