#pragma once
// The page and object questions of the evaluators, answered from the pages
// of the application.

#include "values/page_queries.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;

class ApplicationPageQueries : public PageQueries {
 public:
  explicit ApplicationPageQueries(Application& app) : app_(app) {}

  int CurrentPageNumber() override;
  platform::Size PageClientSize(std::string_view pageName) override;
  platform::Point ScreenToCurrentPage(platform::Point screen) override;
  platform::Point CurrentPageOrigin() override;
  bool ObjectVisible(std::string_view objectName) override;
  int MediaVolume(std::string_view objectName) override;
  int MediaStateCode(std::string_view objectName) override;
  std::string FlashVariable(std::string_view objectName, std::string_view variable) override;

 private:
  TVXForm& CurrentPage();
  TVXObject& CurrentPageObject(std::string_view objectName);

  Application& app_;
};

}  // namespace vx
