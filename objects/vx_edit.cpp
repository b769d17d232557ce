#include "objects/vx_edit.h"

namespace vx {

TVXEdit::TVXEdit(platform::Window& page) : TVXNativeControl(ObjectKind::Edit) {
  edit_ = page.AddEditBox(this);
  bounds_ = {0, 0, 121, 21};
  SetColor(0xFFFFFF);
}

TVXEdit::~TVXEdit() = default;

void TVXEdit::SetCharCase(platform::CharCase charCase) {
  charCase_ = charCase;
  edit_->SetCharCase(charCase);
}

void TVXEdit::SetBorderStyle(platform::EditBorderStyle border) {
  border_ = border;
  edit_->SetBorder(border_, ctl3D_);
}

void TVXEdit::SetCtl3D(bool on) {
  ctl3D_ = on;
  edit_->SetBorder(border_, ctl3D_);
}

}  // namespace vx
