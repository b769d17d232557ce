#include "platform/live/web_browser.h"

#include <cmath>

#include "platform/live/dialog_answers.h"
#include "platform/live/web_address.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_forms.h"
#include "util/error.h"

namespace vx::live {

namespace {

// A decision WebKit waits for while the script decides; one the script
// never took (the pane or the presentation gone) keeps the pane where it is.
class PendingDecision {
 public:
  explicit PendingDecision(WebKitPolicyDecision* decision) : decision_(WEBKIT_POLICY_DECISION(g_object_ref(decision))) {}
  ~PendingDecision() {
    if (!decided_) webkit_policy_decision_ignore(decision_);
    g_object_unref(decision_);
  }
  PendingDecision(const PendingDecision&) = delete;
  PendingDecision& operator=(const PendingDecision&) = delete;
  void Take(bool use) {
    decided_ = true;
    if (use) webkit_policy_decision_use(decision_);
    else webkit_policy_decision_ignore(decision_);
  }

 private:
  WebKitPolicyDecision* decision_;
  bool decided_ = false;
};

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// The style sheets the user-interface flags stand for.
constexpr const char* kNoSelection = "* { -webkit-user-select: none !important; user-select: none !important; }";
constexpr const char* kNoScrollBars = "html, body { overflow: hidden !important; }";

}  // namespace

LiveBrowser::LiveBrowser(sim::SimWindow& window, platform::ControlListener* listener, sim::SimLog& log,
                         sim::SimLoop& loop, WebPanes& panes)
    : SimHostedControl(window, listener, log, "browser"), loop_(loop), panes_(panes) {
  content_ = webkit_user_content_manager_new();
  view_ = GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", panes_.Context(), "user-content-manager",
                                  content_, nullptr));
  g_object_ref_sink(view_);
  WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view_));
  webkit_settings_set_enable_developer_extras(settings, FALSE);
  // A pane is a small part of the window: drawn by the processor, it needs
  // no GL context per view and shows on every X server, Xvfb included.
  webkit_settings_set_hardware_acceleration_policy(settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
  g_signal_connect(view_, "load-changed", G_CALLBACK(OnLoadChanged), this);
  g_signal_connect(view_, "load-failed", G_CALLBACK(OnLoadFailed), this);
  g_signal_connect(view_, "notify::estimated-load-progress", G_CALLBACK(OnProgress), this);
  g_signal_connect(view_, "notify::title", G_CALLBACK(OnTitle), this);
  g_signal_connect(view_, "mouse-target-changed", G_CALLBACK(OnMouseTarget), this);
  g_signal_connect(view_, "context-menu", G_CALLBACK(OnContextMenu), this);
  g_signal_connect(view_, "create", G_CALLBACK(OnCreate), this);
  g_signal_connect(view_, "drag-motion", G_CALLBACK(OnDragMotion), this);
  g_signal_connect(view_, "drag-drop", G_CALLBACK(OnDragDrop), this);
  panes_.Add(*this);
}

LiveBrowser::~LiveBrowser() {
  g_signal_handlers_disconnect_by_data(view_, this);
  panes_.Remove(*this);
  webkit_web_view_stop_loading(WEBKIT_WEB_VIEW(view_));
  if (print_ != nullptr) g_object_unref(print_);
  gtk_widget_destroy(view_);
  g_object_unref(view_);
  g_object_unref(content_);
}

void LiveBrowser::Later(std::function<void()> work) {
  loop_.PostToMainThread([alive = std::weak_ptr<const int>(alive_), work = std::move(work)] {
    if (!alive.expired()) work();
  });
}

bool LiveBrowser::Allowed(const std::string& address, const std::string& targetFrame) {
  bool cancel = false;
  if (handlers_.beforeNavigate) {
    const platform::NavigationRequest request{address, "0", targetFrame, "", ""};
    loop_.Dispatch([&] { handlers_.beforeNavigate(request, cancel); });
  }
  if (cancel) Note("navigation to " + address + " cancelled");
  return !cancel;
}

void LiveBrowser::Load(const std::string& address) {
  if (!Permitted(address)) return;
  ++ownLoads_;
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view_), PageUriOf(address).c_str());
}

bool LiveBrowser::Permitted(const std::string& address) {
  switch (OutcomeOfNavigation(address, false, offline_)) {
    case NavigationOutcome::NotShowable:
      Note("navigation to " + address + " refused: not an address a page can show");
      return false;
    case NavigationOutcome::Offline:
      Note("navigation to " + address + " refused: offline");
      return false;
    default:
      Note("navigate " + address);
      return true;
  }
}

void LiveBrowser::Navigate(const std::string& address) {
  if (Allowed(address, "")) Load(address);
}

void LiveBrowser::GoBack() {
  // The control's own failure when there is nowhere to go.
  if (webkit_web_view_can_go_back(WEBKIT_WEB_VIEW(view_)) == FALSE) throw OsError("Unspecified error");
  webkit_web_view_go_back(WEBKIT_WEB_VIEW(view_));
}

void LiveBrowser::GoForward() {
  if (webkit_web_view_can_go_forward(WEBKIT_WEB_VIEW(view_)) == FALSE) throw OsError("Unspecified error");
  webkit_web_view_go_forward(WEBKIT_WEB_VIEW(view_));
}

void LiveBrowser::Refresh() {
  Note("refresh");
  if (webkit_web_view_get_uri(WEBKIT_WEB_VIEW(view_)) != nullptr) webkit_web_view_reload(WEBKIT_WEB_VIEW(view_));
}

void LiveBrowser::StopLoading() {
  Note("stop");
  webkit_web_view_stop_loading(WEBKIT_WEB_VIEW(view_));
}

void LiveBrowser::SetOffline(bool offline) {
  offline_ = offline;
  Note(std::string("offline ") + (offline ? "on" : "off"));
}

void LiveBrowser::SetUiFlags(unsigned flags) {
  uiFlags_ = flags;
  Note("ui flags " + std::to_string(flags));
  ApplyStyle();
}

void LiveBrowser::ApplyStyle() {
  webkit_user_content_manager_remove_all_style_sheets(content_);
  std::string css;
  if ((uiFlags_ & platform::kDisableTextSelect) != 0) css += kNoSelection;
  if ((uiFlags_ & platform::kDontUseScrollBars) != 0) css += kNoScrollBars;
  if (css.empty()) return;
  WebKitUserStyleSheet* sheet =
      webkit_user_style_sheet_new(css.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES, WEBKIT_USER_STYLE_LEVEL_USER,
                                  nullptr, nullptr);
  webkit_user_content_manager_add_style_sheet(content_, sheet);
  webkit_user_style_sheet_unref(sheet);
}

void LiveBrowser::SetOwnContextMenu(bool own) {
  ownMenu_ = own;
  Note(std::string("context menu ") + (own ? "own" : "none"));
}

void LiveBrowser::SetAcceptDroppedFiles(bool accept) {
  acceptDrop_ = accept;
  Note(std::string("accept dropped files ") + (accept ? "on" : "off"));
}

// WebKit's print operation with GTK's print dialog; the page setup chosen
// last is kept for the next print.
void LiveBrowser::RunPrint(bool dialog) {
  if (print_ == nullptr) print_ = webkit_print_operation_new(WEBKIT_WEB_VIEW(view_));
  if (dialog) webkit_print_operation_run_dialog(print_, panes_.Parent());
  else webkit_print_operation_print(print_);
}

void LiveBrowser::Print() {
  Note("print (prompt)");
  RunPrint(true);
}

// GTK's print dialog has no preview of WebKit's pages of its own: the dialog
// is the preview, as the person can print from it or cancel.
void LiveBrowser::PrintPreview() {
  Note("print preview");
  RunPrint(true);
}

void LiveBrowser::PageSetup() {
  Note("page setup (prompt)");
  if (print_ == nullptr) print_ = webkit_print_operation_new(WEBKIT_WEB_VIEW(view_));
  GtkPageSetup* setup = gtk_print_run_page_setup_dialog(panes_.Parent(), webkit_print_operation_get_page_setup(print_),
                                                        webkit_print_operation_get_print_settings(print_));
  webkit_print_operation_set_page_setup(print_, setup);
  g_object_unref(setup);
}

void LiveBrowser::PaintOn(sim::SimCanvas& canvas) { canvas.FillRect(bounds_, sim::kBrowserPageColor); }

void LiveBrowser::Follow(const Letterbox& box) {
  windowPlace_ = ToWindowRect(box, ScreenPlaceOf(*window_, visible_, bounds_));
  // The page scales with the virtual screen, as everything else does.
  if (box.scale > 0.0 && std::fabs(box.scale - zoom_) > 1e-3) {
    zoom_ = box.scale;
    webkit_web_view_set_zoom_level(WEBKIT_WEB_VIEW(view_), zoom_);
  }
}

void LiveBrowser::NewWindow(const std::string& address) {
  bool cancel = false;
  if (handlers_.newWindow) loop_.Dispatch([&] { handlers_.newWindow(cancel); });
  Note("new window " + address + (cancel ? " cancelled" : " opened in the pane"));
  if (!cancel && Allowed(address, "")) Load(address);
}

gboolean LiveBrowser::OnDecidePolicy(WebKitWebView* /*view*/, WebKitPolicyDecision* decision,
                                     WebKitPolicyDecisionType type, gpointer self) {
  auto* pane = static_cast<LiveBrowser*>(self);
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
    // What the view cannot show would become a download: refused.
    if (webkit_response_policy_decision_is_mime_type_supported(WEBKIT_RESPONSE_POLICY_DECISION(decision)) == FALSE) {
      pane->Note("download refused");
      webkit_policy_decision_ignore(decision);
      return TRUE;
    }
    return FALSE;
  }
  WebKitNavigationAction* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const std::string uri = Text(webkit_uri_request_get_uri(webkit_navigation_action_get_request(action)));
  const WebKitNavigationType how = webkit_navigation_action_get_navigation_type(action);
  if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
    webkit_policy_decision_ignore(decision);
    const std::string address = AddressOfPageUri(uri);
    pane->Later([pane, address] { pane->NewWindow(address); });
    return TRUE;
  }
  // The pane's own loads were allowed when they were asked for; a reload
  // and a redirect are no new navigation.
  if (pane->ownLoads_ > 0 && how == WEBKIT_NAVIGATION_TYPE_OTHER) {
    --pane->ownLoads_;
    return FALSE;
  }
  if (how == WEBKIT_NAVIGATION_TYPE_RELOAD || webkit_navigation_action_is_redirect(action) != FALSE) return FALSE;
  const std::string frame = Text(webkit_navigation_action_get_frame_name(action));
  std::string address = AddressOfPageUri(uri);
  if (uri.starts_with("file:")) {
    // A real file (a dropped one, a link a page wrote): the script sees it
    // where the runtime sees the real disk; it is never read directly.
    const std::optional<std::string> real = [&]() -> std::optional<std::string> {
      gchar* path = g_filename_from_uri(uri.c_str(), nullptr, nullptr);
      if (path == nullptr) return std::nullopt;
      std::string text = path;
      g_free(path);
      return text;
    }();
    webkit_policy_decision_ignore(decision);
    if (!real) return TRUE;
    const std::optional<std::string> seen = VirtualPathOfChosen(*real, pane->panes_.Places());
    if (!seen) return TRUE;
    pane->Later([pane, seen = *seen, frame] {
      if (pane->Allowed(seen, frame)) pane->Load(seen);
    });
    return TRUE;
  }
  auto pending = std::make_shared<PendingDecision>(decision);
  pane->Later([pane, pending, address, frame] {
    pending->Take(pane->Allowed(address, frame) && pane->Permitted(address));
  });
  return TRUE;
}

void LiveBrowser::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self) {
  if (event != WEBKIT_LOAD_FINISHED) return;
  auto* pane = static_cast<LiveBrowser*>(self);
  const std::string address = AddressOfPageUri(Text(webkit_web_view_get_uri(view)));
  pane->Later([pane, address] {
    pane->Note("navigate complete " + address);
    if (pane->handlers_.navigateComplete) pane->loop_.Dispatch([&] { pane->handlers_.navigateComplete(address); });
  });
}

gboolean LiveBrowser::OnLoadFailed(WebKitWebView* /*view*/, WebKitLoadEvent /*event*/, gchar* uri, GError* error,
                                   gpointer self) {
  if (g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) != FALSE ||
      g_error_matches(error, WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE) != FALSE)
    return FALSE;
  static_cast<LiveBrowser*>(self)->Note("cannot load " + AddressOfPageUri(Text(uri)) + ": " + Text(error->message));
  return FALSE;
}

void LiveBrowser::OnProgress(GObject* view, GParamSpec* /*property*/, gpointer self) {
  auto* pane = static_cast<LiveBrowser*>(self);
  const double done = webkit_web_view_get_estimated_load_progress(WEBKIT_WEB_VIEW(view));
  const int progress = ProgressPercent(done);
  pane->Later([pane, progress] {
    if (pane->handlers_.progress) pane->loop_.Dispatch([&] { pane->handlers_.progress(progress, 100); });
  });
}

void LiveBrowser::OnTitle(GObject* view, GParamSpec* /*property*/, gpointer self) {
  auto* pane = static_cast<LiveBrowser*>(self);
  const std::string title = Text(webkit_web_view_get_title(WEBKIT_WEB_VIEW(view)));
  pane->Later([pane, title] {
    pane->Note("title " + title);
    if (pane->handlers_.title) pane->loop_.Dispatch([&] { pane->handlers_.title(title); });
  });
}

// The system's browser tells the link under the pointer as its status text.
void LiveBrowser::OnMouseTarget(WebKitWebView* /*view*/, WebKitHitTestResult* hit, guint /*modifiers*/,
                                gpointer self) {
  auto* pane = static_cast<LiveBrowser*>(self);
  const std::string status = webkit_hit_test_result_context_is_link(hit) != FALSE
                                 ? AddressOfPageUri(Text(webkit_hit_test_result_get_link_uri(hit)))
                                 : std::string();
  if (status == pane->status_) return;
  pane->status_ = status;
  pane->Later([pane, status] {
    if (pane->handlers_.statusText) pane->loop_.Dispatch([&] { pane->handlers_.statusText(status); });
  });
}

gboolean LiveBrowser::OnContextMenu(WebKitWebView* /*view*/, WebKitContextMenu* /*menu*/, GdkEvent* /*event*/,
                                    WebKitHitTestResult* /*hit*/, gpointer self) {
  return static_cast<LiveBrowser*>(self)->ownMenu_ ? FALSE : TRUE;
}

GtkWidget* LiveBrowser::OnCreate(WebKitWebView* /*view*/, WebKitNavigationAction* action, gpointer self) {
  auto* pane = static_cast<LiveBrowser*>(self);
  const std::string address =
      AddressOfPageUri(Text(webkit_uri_request_get_uri(webkit_navigation_action_get_request(action))));
  pane->Later([pane, address] { pane->NewWindow(address); });
  return nullptr;
}

gboolean LiveBrowser::OnDragMotion(GtkWidget* /*view*/, GdkDragContext* context, gint /*x*/, gint /*y*/, guint time,
                                   gpointer self) {
  if (static_cast<LiveBrowser*>(self)->acceptDrop_) return FALSE;
  gdk_drag_status(context, static_cast<GdkDragAction>(0), time);
  return TRUE;
}

gboolean LiveBrowser::OnDragDrop(GtkWidget* /*view*/, GdkDragContext* context, gint /*x*/, gint /*y*/, guint time,
                                 gpointer self) {
  if (static_cast<LiveBrowser*>(self)->acceptDrop_) return FALSE;
  gtk_drag_finish(context, FALSE, FALSE, time);
  return TRUE;
}

}  // namespace vx::live
