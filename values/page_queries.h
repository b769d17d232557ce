#pragma once
// What the evaluators ask about pages and objects. The page and object layer
// implements it; every query about a page or an object that does not exist
// throws vx::Error, which fails the evaluation that asked.

#include <string>
#include <string_view>

#include "platform/types.h"

namespace vx {

class PageQueries {
 public:
  virtual ~PageQueries() = default;

  // The current page's number ("@14%").
  virtual int CurrentPageNumber() = 0;
  // Client size of the page PageNumberByName finds; an empty name names the
  // current page ("@6%", "@7%").
  virtual platform::Size PageClientSize(std::string_view pageName) = 0;
  // A screen point in the current page's client coordinates ("@64%", "@65%").
  virtual platform::Point ScreenToCurrentPage(platform::Point screen) = 0;
  // The current page's left and top edge on the screen ("@66%", "@67%").
  virtual platform::Point CurrentPageOrigin() = 0;

  // The object "OBJ" + name on the current page.
  virtual bool ObjectVisible(std::string_view objectName) = 0;  // "@45%"
  virtual int MediaVolume(std::string_view objectName) = 0;     // "@46%", 0 to 10000
  virtual int MediaStateCode(std::string_view objectName) = 0;  // "@47%", MediaStateToCode
  // A variable of the Flash movie object (text function 32).
  virtual std::string FlashVariable(std::string_view objectName, std::string_view variable) = 0;
};

}  // namespace vx
