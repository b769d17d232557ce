#include "platform/live/host_window.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/input.h"
#include "platform/live/key_map.h"

namespace vx::live {

namespace {

constexpr int kF11 = 0x7A;

std::optional<platform::MouseButton> ButtonOf(guint button) {
  switch (button) {
    case 1: return platform::MouseButton::Left;
    case 2: return platform::MouseButton::Middle;
    case 3: return platform::MouseButton::Right;
    default: return std::nullopt;
  }
}

// The key value the same physical key gives on the first layout.
guint GroupZeroKeyval(const GdkEventKey* event) {
  guint keyval = event->keyval;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, static_cast<GdkModifierType>(0), 0, &keyval,
                                      nullptr, nullptr, nullptr);
  return keyval;
}

}  // namespace

HostWindow::HostWindow(const std::string& title, platform::Size initialSize, VirtualUser& user,
                       std::function<RgbaImage()> screen)
    : user_(user), screen_(std::move(screen)) {
  window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window_), title.c_str());
  gtk_window_set_default_size(GTK_WINDOW(window_), initialSize.width, initialSize.height);
  area_ = gtk_drawing_area_new();
  gtk_widget_set_can_focus(area_, TRUE);
  gtk_widget_add_events(area_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                   GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK);
  overlay_ = gtk_overlay_new();
  gtk_container_add(GTK_CONTAINER(overlay_), area_);
  gtk_container_add(GTK_CONTAINER(window_), overlay_);
  im_ = gtk_im_multicontext_new();
  g_signal_connect(area_, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(area_, "button-press-event", G_CALLBACK(OnButton), this);
  g_signal_connect(area_, "button-release-event", G_CALLBACK(OnButton), this);
  g_signal_connect(area_, "motion-notify-event", G_CALLBACK(OnMotion), this);
  g_signal_connect(area_, "scroll-event", G_CALLBACK(OnScroll), this);
  g_signal_connect(area_, "key-press-event", G_CALLBACK(OnKey), this);
  g_signal_connect(area_, "key-release-event", G_CALLBACK(OnKey), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
  g_signal_connect(window_, "window-state-event", G_CALLBACK(OnWindowState), this);
  g_signal_connect(im_, "commit", G_CALLBACK(OnCommit), this);
}

HostWindow::~HostWindow() {
  g_object_unref(im_);
  if (window_ != nullptr) gtk_widget_destroy(window_);
}

void HostWindow::Show() {
  gtk_widget_show_all(window_);
  gtk_widget_grab_focus(area_);
  gtk_im_context_set_client_window(im_, gtk_widget_get_window(area_));
  gtk_im_context_focus_in(im_);
}

void HostWindow::Invalidate() { gtk_widget_queue_draw(area_); }

void HostWindow::ToggleFullScreen() {
  if (fullScreen_) gtk_window_unfullscreen(GTK_WINDOW(window_));
  else gtk_window_fullscreen(GTK_WINDOW(window_));
}

Letterbox HostWindow::CurrentBox() const {
  const platform::Size window{gtk_widget_get_allocated_width(area_), gtk_widget_get_allocated_height(area_)};
  return FitKeepingAspect(lastScreen_, window);
}

void HostWindow::Paint(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  const RgbaImage image = screen_();
  lastScreen_ = {image.Width(), image.Height()};
  const Letterbox box = CurrentBox();
  if (image.Empty() || box.scale <= 0.0) return;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.Width(), image.Height());
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const Rgba* from = image.Row(y);
    for (int x = 0; x < image.Width(); ++x)
      row[x] = (std::uint32_t{from[x].r} << 16) | (std::uint32_t{from[x].g} << 8) | from[x].b;
  }
  cairo_surface_mark_dirty(surface);
  cairo_save(cr);
  cairo_translate(cr, box.left, box.top);
  cairo_scale(cr, box.scale, box.scale);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), box.scale == 1.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_rectangle(cr, 0, 0, image.Width(), image.Height());
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

gboolean HostWindow::OnDraw(GtkWidget* /*widget*/, cairo_t* cr, gpointer self) {
  static_cast<HostWindow*>(self)->Paint(cr);
  return TRUE;
}

gboolean HostWindow::OnButton(GtkWidget* widget, GdkEventButton* event, gpointer self) {
  auto* host = static_cast<HostWindow*>(self);
  gtk_widget_grab_focus(widget);
  const auto button = ButtonOf(event->button);
  if (!button) return FALSE;
  const Letterbox box = host->CurrentBox();
  if (event->type == GDK_BUTTON_PRESS) {
    // A press in the bars is off the virtual screen: nobody hears it.
    const auto at = ToScreen(box, event->x, event->y);
    if (!at) return TRUE;
    host->user_.MoveTo(*at);
    host->user_.Press(*button);
  } else if (event->type == GDK_BUTTON_RELEASE) {
    host->user_.MoveTo(ToScreenClamped(box, event->x, event->y));
    host->user_.Release(*button);
  }
  return TRUE;
}

gboolean HostWindow::OnMotion(GtkWidget* /*widget*/, GdkEventMotion* event, gpointer self) {
  auto* host = static_cast<HostWindow*>(self);
  host->user_.MoveTo(ToScreenClamped(host->CurrentBox(), event->x, event->y));
  return TRUE;
}

gboolean HostWindow::OnScroll(GtkWidget* /*widget*/, GdkEventScroll* event, gpointer self) {
  auto* host = static_cast<HostWindow*>(self);
  if (event->direction == GDK_SCROLL_UP) host->user_.Wheel(true);
  else if (event->direction == GDK_SCROLL_DOWN) host->user_.Wheel(false);
  return TRUE;
}

gboolean HostWindow::OnKey(GtkWidget* /*widget*/, GdkEventKey* event, gpointer self) {
  auto* host = static_cast<HostWindow*>(self);
  if (event->type == GDK_KEY_PRESS) host->KeyPressed(event);
  else host->KeyReleased(event);
  return TRUE;
}

void HostWindow::KeyPressed(GdkEventKey* event) {
  const int key = VirtualKeyOfKeyval(event->keyval, GroupZeroKeyval(event));
  const bool used = key >= 0 && user_.KeyDown(key);
  // The presentation's own shortcut on these keys wins.
  const bool alt = (event->state & GDK_MOD1_MASK) != 0;
  if (!used && (key == kF11 || (key == platform::vk::Return && alt))) {
    ToggleFullScreen();
    return;
  }
  if (used) return;
  if (gtk_im_context_filter_keypress(im_, event)) return;
  // Keys the input method leaves alone that still edit the text.
  if (event->keyval == GDK_KEY_BackSpace) user_.Type("\b");
}

void HostWindow::KeyReleased(GdkEventKey* event) {
  gtk_im_context_filter_keypress(im_, event);
  const int key = VirtualKeyOfKeyval(event->keyval, GroupZeroKeyval(event));
  if (key >= 0) user_.KeyUp(key);
}

void HostWindow::OnCommit(GtkIMContext* /*context*/, const gchar* text, gpointer self) {
  auto* host = static_cast<HostWindow*>(self);
  // Control characters come as keys, not text.
  std::string typed;
  for (const char* c = text; *c != '\0'; ++c)
    if (static_cast<unsigned char>(*c) >= 0x20 && *c != 0x7F) typed += *c;
  if (!typed.empty()) host->user_.Type(typed);
}

gboolean HostWindow::OnDelete(GtkWidget* /*widget*/, GdkEvent* /*event*/, gpointer self) {
  // The presentation ends itself; the window goes with the session.
  static_cast<HostWindow*>(self)->user_.CloseRequested();
  return TRUE;
}

gboolean HostWindow::OnWindowState(GtkWidget* /*widget*/, GdkEventWindowState* event, gpointer self) {
  static_cast<HostWindow*>(self)->fullScreen_ = (event->new_window_state & GDK_WINDOW_STATE_FULLSCREEN) != 0;
  return FALSE;
}

}  // namespace vx::live
