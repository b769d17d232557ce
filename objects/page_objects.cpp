#include "objects/page_objects.h"

#include <algorithm>
#include <utility>


namespace vx {

namespace {
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}
}  // namespace

PageObjects::PageObjects(platform::Window& window, std::function<int()> pageCursor)
    : window_(window), pageCursor_(std::move(pageCursor)) {}

// Native controls go before the window that holds them.
PageObjects::~PageObjects() {
  while (!objects_.empty()) objects_.pop_back();
  while (!retired_.empty()) retired_.pop_back();
}

TVXObject& PageObjects::Add(std::unique_ptr<TVXObject> object) {
  objects_.push_back(std::move(object));
  return *objects_.back();
}

TVXObject* PageObjects::Find(std::string_view componentName) const {
  for (const auto& object : objects_)
    if (SameName(object->Name, componentName)) return object.get();
  return nullptr;
}

void PageObjects::BringToFront(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return;
  std::rotate(at, at + 1, objects_.end());
  object.Raised();
  if (object.Windowless() && object.Visible()) InvalidateArea(object.BoundsRect(), false);
}

void PageObjects::SendToBack(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return;
  std::rotate(objects_.begin(), at, at + 1);
  object.Lowered();
  if (object.Windowless() && object.Visible()) InvalidateArea(object.BoundsRect(), false);
}

std::unique_ptr<TVXObject> PageObjects::Take(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return nullptr;
  const bool shown = object.Windowless() && object.Visible() && object.Placed();
  std::unique_ptr<TVXObject> owned = std::move(*at);
  objects_.erase(at);
  owned->Unplace();
  if (shown) InvalidateArea(owned->BoundsRect(), false);
  return owned;
}

void PageObjects::Retire(TVXObject& object) {
  std::unique_ptr<TVXObject> owned = Take(object);
  if (owned) retired_.push_back(std::move(owned));
}

void PageObjects::FreeRetired() {
  // Moved out first: a destructor that reaches back here finds the list empty.
  std::vector<std::unique_ptr<TVXObject>> going = std::move(retired_);
  retired_.clear();
  going.clear();
}

namespace {
bool Holds(platform::Rect r, platform::Point p) {
  return p.x >= r.left && p.x < r.left + r.width && p.y >= r.top && p.y < r.top + r.height;
}
}  // namespace

TVXObject* PageObjects::WindowlessAt(platform::Point at, bool allowDisabled) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    TVXObject& o = **it;
    if (!o.Windowless() || !o.Visible() || !o.Placed() || (!allowDisabled && !o.Enabled())) continue;
    if (Holds(o.BoundsRect(), at)) return &o;
  }
  return nullptr;
}

TVXObject* PageObjects::NativeAt(platform::Point at) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    TVXObject& o = **it;
    if (o.Windowless() || !o.Visible() || !o.Placed() || !o.Enabled()) continue;
    if (Holds(o.BoundsRect(), at)) return &o;
  }
  return nullptr;
}

void PageObjects::Paint(platform::Canvas& canvas) const {
  const platform::Point origin = canvas.Origin();
  for (const auto& object : objects_) {
    if (!object->Windowless() || !object->Visible() || !object->Placed()) continue;
    const platform::Rect r = object->BoundsRect();
    if (r.width <= 0 || r.height <= 0) continue;
    canvas.SetOrigin({origin.x + r.left, origin.y + r.top});
    canvas.SetClip({0, 0, r.width, r.height});
    object->Paint(canvas);
    canvas.ResetClip();
  }
  canvas.SetOrigin(origin);
}

void PageObjects::InvalidateArea(platform::Rect, bool) {
  // A hidden page paints when it is shown.
  if (window_.IsVisible()) window_.Repaint();
}

}  // namespace vx
