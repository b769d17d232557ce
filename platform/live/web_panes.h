#pragma once
// The browser panes of the native player share one web context: its data
// and cache folders lie inside the presentation's data folder, it serves the
// presentation's own files under the local-page scheme (read through the
// presentation's file system, only from the extraction folder and the
// executable's folder), and it refuses downloads. Each pane is a web view
// in the host window's overlay, moved with every frame to its page's place
// on the virtual screen, scaled as the letterbox scales it.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/live/dialog_answers.h"
#include "platform/live/letterbox.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_loop.h"
#include "platform/types.h"

namespace vx::live {

// A native view of the runtime's controls placed over the virtual screen.
class WebPane {
 public:
  virtual ~WebPane() = default;
  virtual GtkWidget* View() const = 0;
  // Follows the frame's letterbox: the view's place and its zoom.
  virtual void Follow(const Letterbox& box) = 0;
  // Where the view is in the host window; empty while hidden.
  virtual const platform::Rect& WindowPlace() const = 0;
};

// Where a control shows on the virtual screen: its bounds from its page's
// client origin; empty while it or its page is hidden.
platform::Rect ScreenPlaceOf(const sim::SimWindow& page, bool shown, platform::Rect bounds);

class WebPanes {
 public:
  // pageFolders: the Windows folders local pages may come from; places:
  // where real files meet the virtual disk (a file dropped on a pane).
  // flashFolder: the real folder of the Ruffle web player; empty or without
  // its ruffle.js, there is no Flash player.
  WebPanes(sim::SimLog& log, sim::SimLoop& loop, platform::Files& files, ChooserPlaces places,
           std::vector<std::string> pageFolders, std::string flashFolder = {});
  ~WebPanes();
  WebPanes(const WebPanes&) = delete;
  WebPanes& operator=(const WebPanes&) = delete;

  // The host window's overlay and the window dialogs belong to; panes made
  // before it is given show once it is.
  void Attach(GtkOverlay* overlay, GtkWindow* parent);
  // Every pane to its place for the letterbox of this frame.
  void Place(const Letterbox& box);

  WebKitWebContext* Context() const { return context_; }
  GtkWindow* Parent() const { return parent_; }
  sim::SimLoop& Loop() { return loop_; }
  bool HasFlashPlayer() const { return hasFlash_; }
  const ChooserPlaces& Places() const { return places_; }

  void Add(WebPane& pane);
  void Remove(WebPane& pane);

 private:
  static void OnLocalPage(WebKitURISchemeRequest* request, gpointer self);
  static gboolean OnChildPosition(GtkOverlay* overlay, GtkWidget* child, GdkRectangle* place, gpointer self);
  static void OnDownload(WebKitWebContext* context, WebKitDownload* download, gpointer self);
  void Serve(WebKitURISchemeRequest* request);
  void ServeFlash(WebKitURISchemeRequest* request, const std::string& uri);
  static void Finish(WebKitURISchemeRequest* request, const std::string& bytes, const std::string& type);

  sim::SimLog& log_;
  sim::SimLoop& loop_;
  platform::Files& files_;
  ChooserPlaces places_;
  std::vector<std::string> pageFolders_;
  std::string flashFolder_;
  bool hasFlash_ = false;
  WebKitWebsiteDataManager* data_ = nullptr;
  WebKitWebContext* context_ = nullptr;
  GtkOverlay* overlay_ = nullptr;
  GtkWindow* parent_ = nullptr;
  std::vector<WebPane*> panes_;
};

}  // namespace vx::live
