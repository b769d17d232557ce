#include "platform/live/typed_text.h"

#include "util/codepage.h"

namespace vx::live {

std::string TypedTextToPresentationBytes(std::string_view utf8) { return Utf8ToCp1256(utf8); }

}  // namespace vx::live
