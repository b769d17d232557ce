#pragma once
// The object records of the container: each header makes a new object on
// the page being loaded, the fields after it set it up, its kind's last
// field places it on the page. At the end of every page the objects made
// for it are brought to the front in the order they were made.

#include <string>
#include <vector>

#include "host/container_target.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;
struct KindRecord;

class ObjectLoader {
 public:
  explicit ObjectLoader(Application& app);

  // The kinds this loader makes.
  static bool Takes(ObjectKind kind);

  void ObjectHeader(const ObjectHeaderRecord& header);
  void ObjectField(const ObjectKindInfo& kind, const ContainerField& field);
  // No object for this header: its fields belong to none.
  void SkipObject();
  // The z-order pass of the page just loaded; then its list is empty.
  void FinishPage();

  TVXObject* CurrentObject() const { return current_; }
  // The names of the objects made for the page being loaded, in order.
  const std::vector<std::string>& PageObjectNames() const { return names_; }
  int ImageCounter() const { return imageCounter_; }

 private:
  TVXForm& LoadingPage() const;

  Application& app_;
  TVXForm* listPage_ = nullptr;
  TVXObject* current_ = nullptr;
  const KindRecord* record_ = nullptr;
  std::vector<std::string> names_;
  int imageCounter_ = 0;
};

}  // namespace vx
