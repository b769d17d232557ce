#pragma once
// New objects from the prototypes of the form template: one row per class,
// the new component with its class's own defaults and a temporary name.

#include <string_view>

namespace vx {

class Application;
class TVXForm;
class TVXObject;

// The prototype component of the form template for a class name, found
// without regard to case; nothing for a class the factory does not make.
struct PrototypeInfo {
  std::string_view prototype;      // "VEXORELLE_NEW_TEXT"
  std::string_view className;      // "TVXText"
  std::string_view temporaryName;  // "new_vexorelle_new_text"
};
const PrototypeInfo* FindPrototype(std::string_view className);

// Makes one new component of the prototype's class, owned by page and on
// top of its z-order, named with the temporary name; nothing is copied from
// the prototype but its wiring to the main form's event handlers. vx::Error
// for a class without a row.
TVXObject& CloneComponent(Application& app, TVXForm& page, std::string_view prototypeClass);

}  // namespace vx
