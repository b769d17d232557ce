#pragma once
// Page records of the container: the "FORM" record that starts a page and
// fields 12-34 that set it up, then the placement of every page once the
// container is read.

#include <functional>
#include <string>

#include "host/container_target.h"

namespace vx {

class Application;
class TVXForm;
struct Project;

class PageLoader {
 public:
  // project is the one being read: its options and tables are final by the
  // first page record.
  PageLoader(Application& app, const Project& project);

  void PageStart(const std::string& name);
  void PageField(const ContainerField& field);
  // The last page's z-order and the placement of every page.
  void Finish();

  // The page being loaded (the main form before the first record).
  TVXForm& CurrentPage();
  int PageNumber() const;

  // Brings the objects of the page just finished to the front; the object
  // loader fills it in.
  std::function<void()> bringObjectsToFront;

 private:
  void Caption(const ContainerField& f);
  void Width(const ContainerField& f);
  void Height(const ContainerField& f);
  void Alpha(const ContainerField& f);
  void Filter(const ContainerField& f);
  void Cursor(const ContainerField& f);
  void Background(const ContainerField& f);
  void Flags(const ContainerField& f);
  void TransitionOptions(const ContainerField& f);
  void TransitionNumber(const ContainerField& f);
  void TransitionMask(const ContainerField& f);
  void Script(const ContainerField& f);

  Application& app_;
  const Project& project_;
  std::string transitionOptions_;
};

}  // namespace vx
