#pragma once
// A browser pane of the native player: the browser control of its page
// (bounds, visibility, tab order as the sim keeps them) shown by a WebKit
// web view over the virtual screen. The view's own signals reach the
// runtime through the virtual loop's queue, so scripts run where every other
// event runs; a navigation waits for its before-navigate script there
// (WebKit lets a policy decision wait). Navigations a script asks for ask
// the script at once, as the system's control does.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/hosted.h"
#include "platform/live/web_panes.h"
#include "platform/sim/sim_hosted.h"
#include "platform/sim/sim_loop.h"

namespace vx::live {

class LiveBrowser : public sim::SimHostedControl<platform::WebBrowser>, public WebPane {
 public:
  LiveBrowser(sim::SimWindow& window, platform::ControlListener* listener, sim::SimLog& log, sim::SimLoop& loop,
              WebPanes& panes);
  ~LiveBrowser() override;

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Refresh() override;
  void StopLoading() override;
  void SetOffline(bool offline) override;
  void SetUiFlags(unsigned flags) override;
  unsigned UiFlags() const override { return uiFlags_; }
  void SetOwnContextMenu(bool own) override;
  void SetAcceptDroppedFiles(bool accept) override;
  void Print() override;
  void PrintPreview() override;
  void PageSetup() override;
  void SetHandlers(platform::BrowserHandlers handlers) override { handlers_ = std::move(handlers); }
  void PaintOn(sim::SimCanvas& canvas) override;

  GtkWidget* View() const override { return view_; }
  void Follow(const Letterbox& box) override;
  const platform::Rect& WindowPlace() const override { return windowPlace_; }

 private:
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                 gpointer self);
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
  static gboolean OnLoadFailed(WebKitWebView* view, WebKitLoadEvent event, gchar* uri, GError* error, gpointer self);
  static void OnProgress(GObject* view, GParamSpec* property, gpointer self);
  static void OnTitle(GObject* view, GParamSpec* property, gpointer self);
  static void OnMouseTarget(WebKitWebView* view, WebKitHitTestResult* hit, guint modifiers, gpointer self);
  static gboolean OnContextMenu(WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                                WebKitHitTestResult* hit, gpointer self);
  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer self);
  static gboolean OnDragMotion(GtkWidget* view, GdkDragContext* context, gint x, gint y, guint time, gpointer self);
  static gboolean OnDragDrop(GtkWidget* view, GdkDragContext* context, gint x, gint y, guint time, gpointer self);

  // Runs on the virtual loop, unless the pane is gone by then.
  void Later(std::function<void()> work);
  // Asks the before-navigate script; true when the navigation may go on.
  bool Allowed(const std::string& address, const std::string& targetFrame);
  // Loads an address the script allowed; a page that may not be loaded
  // fails with a log line.
  void Load(const std::string& address);
  // Whether an allowed address may load (its log line either way).
  bool Permitted(const std::string& address);
  // A new window the page asks for: the script may cancel it; else the
  // address opens in this pane.
  void NewWindow(const std::string& address);
  void ApplyStyle();
  void RunPrint(bool dialog);

  sim::SimLoop& loop_;
  WebPanes& panes_;
  GtkWidget* view_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  WebKitPrintOperation* print_ = nullptr;
  platform::BrowserHandlers handlers_;
  platform::Rect windowPlace_;
  double zoom_ = 1.0;
  std::string status_;
  int ownLoads_ = 0;  // loads this pane started, already allowed
  unsigned uiFlags_ = 0;
  bool offline_ = false;
  bool ownMenu_ = true;
  bool acceptDrop_ = false;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace vx::live
