#include "objects/component_name.h"

#include <utility>

#include "objects/page_objects.h"
#include "objects/vx_object.h"

namespace vx {

ComponentName& ComponentName::operator=(std::string text) {
  PageObjects* holder = owner_.Holder();
  if (holder != nullptr) holder->Unindex(owner_);
  text_ = std::move(text);
  if (holder != nullptr) holder->Index(owner_);
  return *this;
}

}  // namespace vx
