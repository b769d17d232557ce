#include "objects/vx_edit.h"

namespace vx {

TVXEdit::TVXEdit(platform::Window& page) : TVXNativeControl(ObjectKind::Edit) {
  edit_ = page.AddEditBox(this);
  bounds_ = {0, 0, 121, 21};
  SetColor(0xFFFFFF);
  edit_->SetAutoSelect(autoSelect_);
}

TVXEdit::~TVXEdit() = default;

void TVXEdit::SetAutoSize(bool on) {
  autoSize_ = on;
  FitHeight();
}

void TVXEdit::SetBounds(platform::Rect bounds) {
  if (autoSize_) bounds.height = edit_->OneLineHeight();
  TVXNativeControl::SetBounds(bounds);
}

// The font, border or bevel changed what one line needs.
void TVXEdit::FitHeight() {
  if (autoSize_) SetBounds(bounds_);
}

void TVXEdit::SetAutoSelect(bool on) {
  autoSelect_ = on;
  edit_->SetAutoSelect(on);
}

void TVXEdit::SetBevelInner(platform::BevelCut cut) {
  bevelInner_ = cut;
  edit_->SetBevel(bevelInner_, bevelOuter_, bevelKind_);
  FitHeight();
}

void TVXEdit::SetBevelOuter(platform::BevelCut cut) {
  bevelOuter_ = cut;
  edit_->SetBevel(bevelInner_, bevelOuter_, bevelKind_);
  FitHeight();
}

void TVXEdit::SetBevelKind(platform::BevelKind kind) {
  bevelKind_ = kind;
  edit_->SetBevel(bevelInner_, bevelOuter_, bevelKind_);
  FitHeight();
}

void TVXEdit::SetCharCase(platform::CharCase charCase) {
  charCase_ = charCase;
  edit_->SetCharCase(charCase);
}

void TVXEdit::SetBorderStyle(platform::EditBorderStyle border) {
  border_ = border;
  edit_->SetBorder(border_, ctl3D_);
  FitHeight();
}

void TVXEdit::SetCtl3D(bool on) {
  ctl3D_ = on;
  edit_->SetBorder(border_, ctl3D_);
  FitHeight();
}

}  // namespace vx
