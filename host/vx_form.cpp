#include "host/vx_form.h"

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/page_background.h"
#include "host/pages.h"
#include "host/terminate.h"
#include "objects/page_objects.h"
#include "objects/vx_native.h"
#include "util/error.h"
#include "util/services.h"

namespace vx {

TVXForm::TVXForm(Application& app) : app_(app) {
  platform::WindowOptions options;
  options.listener = this;
  window_ = app.platform.forms.OpenWindow(options);
  window_->SetFrameStyle(platform::FrameStyle::None);
  const platform::Size screen = app.platform.display.ScreenSize();
  window_->SetBounds({screen.width, screen.height, 1, 1});
  showevent_ = app.platform.loop.CreateTimer(1, [this] { showeventTimer(); });
  noSnap_ = app.platform.loop.CreateTimer(1, [this] { NoSnapTimer(); });
  enterLeave_ = app.platform.loop.CreateTimer(1, [this] { EnterLeaveTimer(); });
  enterLeave_->SetEnabled(true);
  components_ = std::make_unique<PageObjects>(*window_, [this] { return page.cursor; });
  transition_ = std::make_unique<PageTransition>(app.platform, *window_,
                                                 [this](platform::Canvas& canvas) { PaintContent(canvas); },
                                                 app.options.transitionPixelLimit);
}

TVXForm::~TVXForm() = default;

bool TVXForm::IsMainForm() const { return app_.MainForm() == this; }

ObjectEvents& TVXForm::Events() {
  TVXForm* main = app_.MainForm();
  if (main != nullptr && main != this) return main->Events();
  if (!events_) events_ = std::make_unique<ObjectEvents>(app_);
  return *events_;
}

void TVXForm::FocusObject(const std::string& objectName) {
  TVXObject* object = components_->Find("OBJ" + objectName);
  if (object == nullptr) throw Error(kMissingObjectMessage);
  auto* control = dynamic_cast<TVXNativeControl*>(object);
  if (control == nullptr || !control->Visible() || !control->Enabled() || !window_->IsVisible() ||
      !window_->IsEnabled())
    throw Error("Cannot focus a disabled or invisible window");
  control->Focus();
}

void TVXForm::OnShown() {
  showevent_->SetEnabled(true);
  CurrentPageNumber(app_);
  if (page.transition.effect != 0) transition_->Start(page.transition);
}

void TVXForm::OnPaint(platform::Canvas& canvas) {
  if (!transition_->Paint(canvas)) PaintContent(canvas);
}

void TVXForm::PaintContent(platform::Canvas& canvas) {
  PaintPageBackground(canvas, page, window_->ClientSize(), background_);
  components_->Paint(canvas);
}

void TVXForm::OnHidden() {
  transition_->Stop();
  app_.values.SetBoolVar("close", false);
  RunPageScript("FormHide", PageHideScript);
}

void TVXForm::OnResized() {
  try {
    RunPageScript("FormResize", PageResizeScript);
  } catch (const std::exception&) {
    // A resize script's error is never reported.
  }
}

void TVXForm::OnCloseRequested() {
  try {
    app_.values.SetBoolVar("close", true);
    TVXForm* main = app_.MainForm();
    if (main == nullptr) return;
    bool ends = IsMainForm();
    if (!ends) {
      int visible = 0;
      for (platform::Window* w : app_.platform.forms.TopLevelWindows())
        if (w->IsVisible()) ++visible;
      // Object scripts run on the main form, so their navigation marks it
      // rather than the page; either counts, or the last page's close would
      // leave an invisible process behind.
      ends = visible == 1 && (PageNavigated || main->PageNavigated);
    }
    if (ends) {
      TerminateApp(app_);
      KillWindowProcess(app_.platform, &main->Window());
    }
  } catch (const std::exception&) {
    // A close must never be refused because of a failing clean-up.
  }
}

void TVXForm::showeventTimer() {
  showevent_->SetEnabled(false);
  if (showevent_->Interval() == 2) {
    if (TVXForm* main = app_.MainForm()) KillWindowProcess(app_.platform, &main->Window());
    return;
  }
  window_->ClearFocus();
  RunPageScript("showeventTimer", PageShowScript);
}

}  // namespace vx
