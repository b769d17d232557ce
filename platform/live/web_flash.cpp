#include "platform/live/web_flash.h"

#include <cmath>

#include "platform/live/web_address.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_forms.h"

namespace vx::live {

namespace {

// The parts of a message the page posts (an array of texts).
std::vector<std::string> PartsOf(WebKitJavascriptResult* result) {
  std::vector<std::string> parts;
  JSCValue* value = webkit_javascript_result_get_js_value(result);
  if (value == nullptr || jsc_value_is_array(value) == FALSE) return parts;
  for (guint i = 0; i < 8; ++i) {
    JSCValue* part = jsc_value_object_get_property_at_index(value, i);
    if (part == nullptr || jsc_value_is_undefined(part) != FALSE) {
      if (part != nullptr) g_object_unref(part);
      break;
    }
    gchar* text = jsc_value_to_string(part);
    parts.emplace_back(text != nullptr ? text : "");
    g_free(text);
    g_object_unref(part);
  }
  return parts;
}

}  // namespace

LiveFlash::LiveFlash(sim::SimWindow& window, platform::ControlListener* listener, sim::SimLog& log, sim::SimLoop& loop,
                     WebPanes& panes)
    : SimHostedControl(window, listener, log, "flash"), loop_(loop), panes_(panes) {
  content_ = webkit_user_content_manager_new();
  g_signal_connect(content_, "script-message-received::vx", G_CALLBACK(OnMessage), this);
  webkit_user_content_manager_register_script_message_handler(content_, "vx");
  view_ = GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", panes_.Context(), "user-content-manager",
                                  content_, nullptr));
  g_object_ref_sink(view_);
  WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view_));
  webkit_settings_set_enable_developer_extras(settings, FALSE);
  webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
  webkit_settings_set_hardware_acceleration_policy(settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  // The stage shows through where the movie leaves it.
  const GdkRGBA clear{0, 0, 0, 0};
  webkit_web_view_set_background_color(WEBKIT_WEB_VIEW(view_), &clear);
  g_signal_connect(view_, "context-menu", G_CALLBACK(OnContextMenu), this);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
  panes_.Add(*this);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view_), kFlashPlayerPageUri);
}

LiveFlash::~LiveFlash() {
  g_signal_handlers_disconnect_by_data(view_, this);
  g_signal_handlers_disconnect_by_data(content_, this);
  panes_.Remove(*this);
  webkit_web_view_stop_loading(WEBKIT_WEB_VIEW(view_));
  gtk_widget_destroy(view_);
  g_object_unref(view_);
  g_object_unref(content_);
}

void LiveFlash::Run(const std::string& script) {
  // Before the page is ready, its readiness loads the movie as it stands.
  if (!ready_) return;
  webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(view_), script.c_str(), static_cast<gssize>(script.size()),
                                      nullptr, nullptr, nullptr, nullptr, nullptr);
}

void LiveFlash::Load() {
  if (movie_.empty()) return;
  settings_.movieUri = PageUriOf(movie_);
  Run(FlashLoadScript(settings_));
}

void LiveFlash::SetMovie(const std::string& path) {
  movie_ = path;
  Note("movie " + path);
  Load();
}

// Quality, scale mode, menu and background are the player's load options:
// they apply from the next movie loaded.
void LiveFlash::SetQuality(int quality) {
  settings_.quality = quality;
  Note("quality " + std::to_string(quality));
}

void LiveFlash::SetScaleMode(int mode) {
  settings_.scaleMode = mode;
  Note("scale mode " + std::to_string(mode));
}

void LiveFlash::SetMenu(bool shown) {
  settings_.menu = shown;
  Note(std::string("menu ") + (shown ? "on" : "off"));
}

void LiveFlash::SetBackgroundColor(const std::string& rrggbb) {
  settings_.background = rrggbb;
  Note("background " + rrggbb);
}

void LiveFlash::SetLoop(bool loop) {
  Note(std::string("loop ") + (loop ? "on" : "off") + (loop ? "" : " (not offered by the web player: the movie loops)"));
}

void LiveFlash::SetFrameNum(int frame) {
  Note("frame " + std::to_string(frame) + " (not offered by the web player)");
}

void LiveFlash::Play() {
  settings_.play = true;
  Note("play");
  Run("window.vxPlayer && window.vxPlayer.ruffle().play();");
}

void LiveFlash::Stop() {
  settings_.play = false;
  Note("stop");
  Run("window.vxPlayer && window.vxPlayer.ruffle().pause();");
}

void LiveFlash::SetVariable(const std::string& name, const std::string& value) {
  Note("set " + name + " = " + value + " (not offered by the web player)");
}

std::string LiveFlash::GetVariable(const std::string& name) {
  Note("get " + name + " (not offered by the web player)");
  return {};
}

void LiveFlash::PaintOn(sim::SimCanvas& canvas) { canvas.FillRect(bounds_, sim::kFlashStageColor); }

void LiveFlash::Follow(const Letterbox& box) {
  windowPlace_ = ToWindowRect(box, ScreenPlaceOf(*window_, visible_, bounds_));
  if (box.scale > 0.0 && std::fabs(box.scale - zoom_) > 1e-3) {
    zoom_ = box.scale;
    webkit_web_view_set_zoom_level(WEBKIT_WEB_VIEW(view_), zoom_);
  }
}

void LiveFlash::Message(const std::vector<std::string>& parts) {
  if (parts.empty()) return;
  if (parts[0] == "ready") {
    // Also when WebKit made the page again (its web process restarted).
    ready_ = true;
    Load();
  } else if (parts[0] == "fs" && parts.size() >= 3) {
    const std::string command = parts[1];
    const std::string args = parts[2];
    loop_.PostToMainThread([this, alive = std::weak_ptr<const int>(alive_), command, args] {
      if (alive.expired()) return;
      Note("fscommand " + command + " " + args);
      if (handlers_.fsCommand) loop_.Dispatch([&] { handlers_.fsCommand(command, args); });
    });
  } else if (parts[0] == "error" && parts.size() >= 2) {
    Note("movie " + movie_ + " cannot play: " + parts[1]);
  }
}

void LiveFlash::OnMessage(WebKitUserContentManager* /*manager*/, WebKitJavascriptResult* result, gpointer self) {
  static_cast<LiveFlash*>(self)->Message(PartsOf(result));
}

gboolean LiveFlash::OnContextMenu(WebKitWebView* /*view*/, WebKitContextMenu* /*menu*/, GdkEvent* /*event*/,
                                  WebKitHitTestResult* /*hit*/, gpointer self) {
  return static_cast<LiveFlash*>(self)->settings_.menu ? FALSE : TRUE;
}

// The movie's page never goes anywhere else: links the movie opens are
// the player's to refuse (its open-URL mode), and nothing navigates the view.
gboolean LiveFlash::OnDecidePolicy(WebKitWebView* /*view*/, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, gpointer /*self*/) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  WebKitNavigationAction* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION && uri != nullptr && IsFlashPlayerPage(uri)) return FALSE;
  webkit_policy_decision_ignore(decision);
  return TRUE;
}

}  // namespace vx::live
