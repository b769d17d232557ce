#include "platform/live/web_panes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/live/flash_page.h"
#include "platform/live/system_code_page.h"
#include "platform/live/web_address.h"
#include "util/error.h"

namespace vx::live {

platform::Rect ScreenPlaceOf(const sim::SimWindow& page, bool shown, platform::Rect bounds) {
  if (!shown || !page.IsVisible()) return {};
  const platform::Point origin = page.ClientOrigin();
  return {origin.x + bounds.left, origin.y + bounds.top, bounds.width, bounds.height};
}

WebPanes::WebPanes(sim::SimLog& log, sim::SimLoop& loop, platform::Files& files, ChooserPlaces places,
                   std::vector<std::string> pageFolders, std::string flashFolder)
    : log_(log),
      loop_(loop),
      files_(files),
      places_(std::move(places)),
      pageFolders_(std::move(pageFolders)),
      flashFolder_(std::move(flashFolder)) {
  std::error_code missing;
  hasFlash_ = !flashFolder_.empty() && std::filesystem::is_regular_file(flashFolder_ + "/ruffle.js", missing);
  // Cookies, storage and caches of the pages stay with the presentation.
  const std::string web = places_.dataFolder + "/toolkit/web";
  std::error_code ignored;
  std::filesystem::create_directories(web, ignored);
  data_ = webkit_website_data_manager_new("base-data-directory", (web + "/data").c_str(), "base-cache-directory",
                                          (web + "/cache").c_str(), nullptr);
  context_ = webkit_web_context_new_with_website_data_manager(data_);
  webkit_web_context_set_cache_model(context_, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
  // Without it a page is told the C locale's language, which Intl cannot
  // parse (the Flash player's own code fails on it).
  const std::string language =
      LanguageTagOfLocale(LocaleOfEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
  const gchar* languages[] = {language.c_str(), nullptr};
  webkit_web_context_set_preferred_languages(context_, languages);
  webkit_web_context_register_uri_scheme(context_, kLocalPageScheme, OnLocalPage, this, nullptr);
  g_signal_connect(context_, "download-started", G_CALLBACK(OnDownload), this);
}

WebPanes::~WebPanes() {
  if (overlay_ != nullptr) g_signal_handlers_disconnect_by_data(overlay_, this);
  g_signal_handlers_disconnect_by_data(context_, this);
  g_object_unref(context_);
  g_object_unref(data_);
}

void WebPanes::Attach(GtkOverlay* overlay, GtkWindow* parent) {
  overlay_ = overlay;
  parent_ = parent;
  g_signal_connect(overlay_, "get-child-position", G_CALLBACK(OnChildPosition), this);
  // The host window goes before the panes do when the presentation ends.
  g_signal_connect(overlay_, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer self) {
                     static_cast<WebPanes*>(self)->overlay_ = nullptr;
                   }),
                   this);
  for (WebPane* pane : panes_) {
    gtk_overlay_add_overlay(overlay_, pane->View());
    gtk_widget_set_no_show_all(pane->View(), TRUE);
  }
}

void WebPanes::Add(WebPane& pane) {
  panes_.push_back(&pane);
  if (overlay_ == nullptr) return;
  gtk_overlay_add_overlay(overlay_, pane.View());
  gtk_widget_set_no_show_all(pane.View(), TRUE);
}

void WebPanes::Remove(WebPane& pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), &pane), panes_.end());
  if (overlay_ != nullptr && gtk_widget_get_parent(pane.View()) == GTK_WIDGET(overlay_))
    gtk_container_remove(GTK_CONTAINER(overlay_), pane.View());
}

void WebPanes::Place(const Letterbox& box) {
  if (overlay_ == nullptr) return;
  bool moved = false;
  for (WebPane* pane : panes_) {
    const platform::Rect before = pane->WindowPlace();
    const bool wasShown = gtk_widget_get_visible(pane->View()) != FALSE;
    pane->Follow(box);
    const platform::Rect& now = pane->WindowPlace();
    const bool shown = now.width > 0 && now.height > 0;
    if (shown != wasShown) gtk_widget_set_visible(pane->View(), shown ? TRUE : FALSE);
    if (now.left != before.left || now.top != before.top || now.width != before.width || now.height != before.height)
      moved = true;
  }
  if (moved) gtk_widget_queue_resize(GTK_WIDGET(overlay_));
}

gboolean WebPanes::OnChildPosition(GtkOverlay* /*overlay*/, GtkWidget* child, GdkRectangle* place, gpointer self) {
  for (WebPane* pane : static_cast<WebPanes*>(self)->panes_) {
    if (pane->View() != child) continue;
    const platform::Rect& at = pane->WindowPlace();
    *place = {at.left, at.top, std::max(at.width, 1), std::max(at.height, 1)};
    return TRUE;
  }
  return FALSE;
}

void WebPanes::OnLocalPage(WebKitURISchemeRequest* request, gpointer self) {
  static_cast<WebPanes*>(self)->Serve(request);
}

// Only files of the folders pages come from, read through the presentation's
// file system: an extracted page exists only on its virtual disk, and a page
// must not reach the rest of it (the data it keeps) or the real disk.
void WebPanes::Serve(WebKitURISchemeRequest* request) {
  const std::string uri = webkit_uri_scheme_request_get_uri(request);
  if (hasFlash_ && (IsFlashPlayerPage(uri) || FlashFileOfUri(uri))) return ServeFlash(request, uri);
  const std::optional<std::string> path = WindowsPathOfPageUri(uri);
  std::string failure;
  if (!path || !InsideFolders(*path, pageFolders_)) {
    failure = "not a page of the presentation";
  } else {
    try {
      if (files_.FileExists(*path)) {
        Finish(request, platform::ReadWholeFile(files_, *path), MediaTypeOf(*path));
        return;
      }
      failure = "no such file";
    } catch (const Error& e) {
      failure = e.what();
    }
  }
  log_.Add("browser cannot load " + AddressOfPageUri(uri) + ": " + failure);
  GError* error = g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, failure.c_str());
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

void WebPanes::Finish(WebKitURISchemeRequest* request, const std::string& bytes, const std::string& type) {
  GBytes* copy = g_bytes_new(bytes.data(), bytes.size());
  GInputStream* stream = g_memory_input_stream_new_from_bytes(copy);
  g_bytes_unref(copy);
  webkit_uri_scheme_request_finish(request, stream, static_cast<gint64>(bytes.size()), type.c_str());
  g_object_unref(stream);
}

// The Flash player's page and the player's own files (a real folder the
// installation made, read only).
void WebPanes::ServeFlash(WebKitURISchemeRequest* request, const std::string& uri) {
  if (IsFlashPlayerPage(uri)) return Finish(request, FlashPlayerPage(), "text/html");
  const std::string name = *FlashFileOfUri(uri);
  std::ifstream in(flashFolder_ + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  if (in.is_open() && (bytes << in.rdbuf())) return Finish(request, bytes.str(), MediaTypeOf(name));
  log_.Add("flash player file missing: " + name);
  GError* error = g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "no such file");
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

// A page's own downloads would write wherever WebKit chooses: refused, the
// presentation downloads through its scripts only.
void WebPanes::OnDownload(WebKitWebContext* /*context*/, WebKitDownload* download, gpointer self) {
  WebKitURIRequest* request = webkit_download_get_request(download);
  const char* uri = request != nullptr ? webkit_uri_request_get_uri(request) : nullptr;
  static_cast<WebPanes*>(self)->log_.Add(std::string("browser download refused: ") + (uri != nullptr ? uri : ""));
  webkit_download_cancel(download);
}

}  // namespace vx::live
