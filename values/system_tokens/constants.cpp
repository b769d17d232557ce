// Constant system tokens of the mouse, the screen, the clipboard, memory
// and the current page.

#include "values/drives.h"
#include "values/script_values.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {

std::string Signed32(std::uint64_t value) {
  return IntText(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

platform::Point PageCursor(const Evaluator& ev) {
  return Pages(ev.ctx).ScreenToCurrentPage(ev.ctx.platform.input.CursorPos());
}

}  // namespace

std::string CursorX(const Evaluator& ev) { return IntText(ev.ctx.platform.input.CursorPos().x); }
std::string CursorY(const Evaluator& ev) { return IntText(ev.ctx.platform.input.CursorPos().y); }
std::string LeftButton(const Evaluator& ev) { return FlagText(ev.ctx.platform.input.IsKeyDown(platform::vk::LButton)); }
std::string RightButton(const Evaluator& ev) { return FlagText(ev.ctx.platform.input.IsKeyDown(platform::vk::RButton)); }
std::string MiddleButton(const Evaluator& ev) { return FlagText(ev.ctx.platform.input.IsKeyDown(platform::vk::MButton)); }
std::string ScreenWidth(const Evaluator& ev) { return IntText(ev.ctx.platform.display.ScreenSize().width); }
std::string ScreenHeight(const Evaluator& ev) { return IntText(ev.ctx.platform.display.ScreenSize().height); }
std::string WorkWidth(const Evaluator& ev) { return IntText(ev.ctx.platform.display.WorkArea().width); }
std::string WorkHeight(const Evaluator& ev) { return IntText(ev.ctx.platform.display.WorkArea().height); }
std::string CurrentPage(const Evaluator& ev) { return IntText(Pages(ev.ctx).CurrentPageNumber()); }
std::string ClipboardValue(const Evaluator& ev) { return ev.ctx.platform.clipboard.Text(); }
std::string DriveCount(const Evaluator& ev) { return IntText(CountDrives(ev.ctx.platform.files)); }
std::string TotalMemory(const Evaluator& ev) { return Signed32(ev.ctx.platform.process.QueryMemory().totalPhysical); }
std::string AvailableMemory(const Evaluator& ev) { return Signed32(ev.ctx.platform.process.QueryMemory().availablePhysical); }
std::string PageCursorX(const Evaluator& ev) { return IntText(PageCursor(ev).x); }
std::string PageCursorY(const Evaluator& ev) { return IntText(PageCursor(ev).y); }
std::string PageLeft(const Evaluator& ev) { return IntText(Pages(ev.ctx).CurrentPageOrigin().x); }
std::string PageTop(const Evaluator& ev) { return IntText(Pages(ev.ctx).CurrentPageOrigin().y); }
std::string Online(const Evaluator& ev) { return FlagText(ev.ctx.platform.process.IsOnline()); }

}  // namespace vx::eval
