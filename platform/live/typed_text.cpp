#include "platform/live/typed_text.h"

#include "util/codepage.h"

namespace vx::live {

std::string TypedTextToPresentationBytes(std::string_view utf8, unsigned codePage) {
  return Utf8ToCodePage(utf8, codePage);
}

}  // namespace vx::live
