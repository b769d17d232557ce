#pragma once
// A Flash movie of the native player: the Flash control of its page
// (bounds, visibility, tab order as the sim keeps them) played by the Ruffle
// web player in a web view over the virtual screen (flash_page.h). What the
// player offers is wired: the movie, play and stop, quality, scale mode,
// the menu, the background colour and FS commands. What it does not offer
// (going to a frame, turning looping off, the movie's variables, calls
// through the external interface) is told in the log and changes nothing.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/hosted.h"
#include "platform/live/flash_page.h"
#include "platform/live/web_panes.h"
#include "platform/sim/sim_hosted.h"
#include "platform/sim/sim_loop.h"

namespace vx::live {

class LiveFlash : public sim::SimHostedControl<platform::FlashPlayer>, public WebPane {
 public:
  LiveFlash(sim::SimWindow& window, platform::ControlListener* listener, sim::SimLog& log, sim::SimLoop& loop,
            WebPanes& panes);
  ~LiveFlash() override;

  void SetMovie(const std::string& path) override;
  void SetQuality(int quality) override;
  void SetLoop(bool loop) override;
  void SetFrameNum(int frame) override;
  void SetScaleMode(int mode) override;
  void SetMenu(bool shown) override;
  void SetBackgroundColor(const std::string& rrggbb) override;
  void Play() override;
  void Stop() override;
  void SetVariable(const std::string& name, const std::string& value) override;
  std::string GetVariable(const std::string& name) override;
  void SetHandlers(platform::FlashHandlers handlers) override { handlers_ = std::move(handlers); }
  void PaintOn(sim::SimCanvas& canvas) override;

  GtkWidget* View() const override { return view_; }
  void Follow(const Letterbox& box) override;
  const platform::Rect& WindowPlace() const override { return windowPlace_; }

 private:
  static void OnMessage(WebKitUserContentManager* manager, WebKitJavascriptResult* result, gpointer self);
  static gboolean OnContextMenu(WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                                WebKitHitTestResult* hit, gpointer self);
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                 gpointer self);
  void Message(const std::vector<std::string>& parts);
  // Runs in the player page when it is ready.
  void Run(const std::string& script);
  // The movie with the settings as they stand, playing or not.
  void Load();

  sim::SimLoop& loop_;
  WebPanes& panes_;
  GtkWidget* view_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  platform::FlashHandlers handlers_;
  FlashSettings settings_;
  std::string movie_;
  platform::Rect windowPlace_;
  double zoom_ = 1.0;
  bool ready_ = false;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace vx::live
