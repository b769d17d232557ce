#include "objects/page_objects.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace vx {

namespace {

constexpr char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Meets(platform::Rect a, platform::Rect b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

platform::Rect Common(platform::Rect a, platform::Rect b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  return {left, top, std::min(a.Right(), b.Right()) - left, std::min(a.Bottom(), b.Bottom()) - top};
}

bool Contains(platform::Rect outer, platform::Rect inner) {
  return outer.left <= inner.left && outer.top <= inner.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

}  // namespace

std::size_t PageObjects::FoldedHash::operator()(std::string_view name) const noexcept {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (const char c : name) h = (h ^ static_cast<unsigned char>(Folded(c))) * 1099511628211ull;
  return static_cast<std::size_t>(h);
}

bool PageObjects::SameFolded::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

PageObjects::PageObjects(platform::Window& window, std::function<int()> pageCursor)
    : window_(window), pageCursor_(std::move(pageCursor)) {}

// Native controls go before the window that holds them, the top one first;
// each is off the list (and the index) before it goes.
PageObjects::~PageObjects() {
  while (!objects_.empty()) {
    std::unique_ptr<TVXObject> last = std::move(objects_.back());
    objects_.pop_back();
    Unindex(*last);
    last->holder_ = nullptr;
    last.reset();
  }
  while (!retired_.empty()) retired_.pop_back();
}

void PageObjects::Index(TVXObject& object) { byName_.emplace(std::string_view(object.Name.Text()), &object); }

void PageObjects::Unindex(TVXObject& object) {
  auto [at, end] = byName_.equal_range(std::string_view(object.Name.Text()));
  for (; at != end; ++at)
    if (at->second == &object) {
      byName_.erase(at);
      return;
    }
}

TVXObject& PageObjects::Add(std::unique_ptr<TVXObject> object) {
  TVXObject& added = *object;
  added.zKey_ = ++topKey_;
  Index(added);
  try {
    objects_.push_back(std::move(object));
  } catch (...) {
    Unindex(added);
    throw;
  }
  added.holder_ = this;
  return added;
}

TVXObject* PageObjects::Find(std::string_view componentName) const {
  auto [at, end] = byName_.equal_range(componentName);
  TVXObject* found = nullptr;
  for (; at != end; ++at)
    if (found == nullptr || at->second->zKey_ < found->zKey_) found = at->second;
  return found;
}

void PageObjects::BringToFront(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return;
  std::rotate(at, at + 1, objects_.end());
  object.zKey_ = ++topKey_;
  object.Raised();
  if (object.Windowless() && object.Visible()) InvalidateArea(object.BoundsRect(), false);
}

void PageObjects::SendToBack(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return;
  std::rotate(objects_.begin(), at, at + 1);
  object.zKey_ = --bottomKey_;
  object.Lowered();
  if (object.Windowless() && object.Visible()) InvalidateArea(object.BoundsRect(), false);
}

std::unique_ptr<TVXObject> PageObjects::Take(TVXObject& object) {
  const auto at = std::find_if(objects_.begin(), objects_.end(), [&](const auto& o) { return o.get() == &object; });
  if (at == objects_.end()) return nullptr;
  const bool shown = object.Windowless() && object.Visible() && object.Placed();
  std::unique_ptr<TVXObject> owned = std::move(*at);
  objects_.erase(at);
  Unindex(*owned);
  owned->holder_ = nullptr;
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
  const platform::Rect area = canvas.PaintArea();
  const auto onCanvas = [&](platform::Rect r) { return platform::Rect{origin.x + r.left, origin.y + r.top, r.width, r.height}; };
  // What meets the area, bottom first, at the sizes their paints give them.
  std::vector<TVXObject*> meeting;
  for (const auto& object : objects_) {
    if (!object->Windowless() || !object->Visible() || !object->Placed()) continue;
    const platform::Rect r = object->BoundsRect();
    if (r.width <= 0 || r.height <= 0) continue;
    if (!Meets(onCanvas(r), area)) continue;
    object->Settle(canvas);
    meeting.push_back(object.get());
  }
  // From the top down: an object whose part in the area lies wholly under
  // an opaque one above it would be painted over, so it is not drawn. Only
  // the nearest opaque ones are asked, which keeps a full paint of a crowded
  // page linear.
  constexpr std::size_t kCoversAsked = 64;
  std::vector<platform::Rect> covers;
  std::vector<bool> drawn(meeting.size(), false);
  for (std::size_t i = meeting.size(); i-- > 0;) {
    const platform::Rect r = onCanvas(meeting[i]->BoundsRect());
    const platform::Rect seen = Common(r, area);
    if (seen.width <= 0 || seen.height <= 0) continue;
    const std::size_t first = covers.size() > kCoversAsked ? covers.size() - kCoversAsked : 0;
    if (std::any_of(covers.begin() + static_cast<std::ptrdiff_t>(first), covers.end(),
                    [&](platform::Rect c) { return Contains(c, seen); }))
      continue;
    drawn[i] = true;
    if (meeting[i]->Opaque()) covers.push_back(r);
  }
  for (std::size_t i = 0; i < meeting.size(); ++i) {
    if (!drawn[i]) continue;
    const platform::Rect r = meeting[i]->BoundsRect();
    canvas.SetOrigin({origin.x + r.left, origin.y + r.top});
    canvas.SetClip({0, 0, r.width, r.height});
    meeting[i]->Paint(canvas);
    canvas.ResetClip();
  }
  canvas.SetOrigin(origin);
}

void PageObjects::InvalidateArea(platform::Rect rect, bool now) {
  if (!now) {
    window_.Invalidate(rect);
    return;
  }
  // A hidden page paints when it is shown.
  if (window_.IsVisible()) window_.Repaint();
}

}  // namespace vx
