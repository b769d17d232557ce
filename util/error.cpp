#include "util/error.h"

namespace vx {

ConvertError NotAnInteger(const std::string& text) {
  return ConvertError("'" + text + "' is not a valid integer value");
}

}  // namespace vx
