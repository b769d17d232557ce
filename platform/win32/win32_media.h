#pragma once
// Sound and video through DirectShow: one filter graph manager per media
// graph (its control, seeking, event and basic-audio interfaces), the video
// window of its renderer owned by the page. The graph events arrive as a
// message of a hidden window, on the main thread.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/media.h"
#include "platform/win32/win32_common.h"

namespace vx::win32 {

class Win32Loop;
class Win32MediaGraph;

// The graph events' message to the media window.
inline constexpr UINT kMediaEventMessage = WM_APP + 2;

class Win32Media : public platform::Media {
 public:
  explicit Win32Media(Win32Loop& loop);
  ~Win32Media() override;
  Win32Media(const Win32Media&) = delete;
  Win32Media& operator=(const Win32Media&) = delete;

  std::unique_ptr<platform::MediaGraph> CreateGraph() override;
  std::unique_ptr<platform::VideoWindow> CreateVideoWindow(platform::Window& page,
                                                           platform::MediaGraph& graph) override;

 private:
  friend class Win32MediaGraph;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  Win32Loop& loop_;
  HWND hwnd_ = nullptr;
  std::set<Win32MediaGraph*> graphs_;
};

}  // namespace vx::win32
