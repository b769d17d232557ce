#pragma once
// An edit box: a native edit control on its page.

#include <memory>

#include "objects/vx_native.h"
#include "platform/widget_settings.h"

namespace vx {

class TVXEdit : public TVXNativeControl {
 public:
  explicit TVXEdit(platform::Window& page);
  ~TVXEdit() override;

  std::string Text() const { return edit_->Text(); }
  void SetText(const std::string& text) { edit_->SetText(text); }
  void SetPasswordChar(char c) { edit_->SetPasswordChar(c); }
  char PasswordChar() const { return edit_->PasswordChar(); }
  void SetMaxLength(int length) { edit_->SetMaxLength(length); }
  int MaxLength() const { return edit_->MaxLength(); }
  void SetReadOnly(bool on) { edit_->SetReadOnly(on); }
  bool ReadOnly() const { return edit_->ReadOnly(); }
  void SetCharCase(platform::CharCase charCase);
  platform::CharCase CharCase() const { return charCase_; }
  void SetBorderStyle(platform::EditBorderStyle border);
  platform::EditBorderStyle BorderStyle() const { return border_; }
  void SetCtl3D(bool on);
  bool Ctl3D() const { return ctl3D_; }

  // Select the whole text when the focus arrives by the keyboard.
  void SetAutoSelect(bool on);
  bool AutoSelect() const { return autoSelect_; }
  // The bevel the toolkit draws around the box (nothing while kind is None).
  void SetBevelInner(platform::BevelCut cut);
  void SetBevelOuter(platform::BevelCut cut);
  void SetBevelKind(platform::BevelKind kind);
  platform::BevelCut BevelInner() const { return bevelInner_; }
  platform::BevelCut BevelOuter() const { return bevelOuter_; }
  platform::BevelKind BevelKind() const { return bevelKind_; }

  // A one-line box of automatic size takes the height its font, border and
  // bevel need (EditBox::OneLineHeight), whatever height it is given.
  void SetAutoSize(bool on);
  bool AutoSize() const { return autoSize_; }
  void SetBounds(platform::Rect bounds) override;

  // Stored for the scripts and the event routing.
  platform::Color ColorNormal = 0xFFFFFF;  // background colours
  platform::Color ColorHover = 0xFFFFFF;
  platform::Color ColorEnter = 0xFFFFFF;
  platform::Color ColorNormalF = 0;  // font colours
  platform::Color ColorHoverF = 0;
  platform::Color ColorEnterF = 0;
  bool ColorEvents = false;
  LineList evntCH;

  platform::EditBox& Box() const { return *edit_; }

 protected:
  platform::Control& NativeControl() const override { return *edit_; }
  void LookChanged() override { FitHeight(); }

 private:
  void FitHeight();

  std::unique_ptr<platform::EditBox> edit_;
  bool autoSize_ = true;
  platform::CharCase charCase_ = platform::CharCase::Normal;
  platform::EditBorderStyle border_ = platform::EditBorderStyle::Single;
  bool ctl3D_ = true;
  bool autoSelect_ = true;
  platform::BevelCut bevelInner_ = platform::BevelCut::Raised;
  platform::BevelCut bevelOuter_ = platform::BevelCut::Lowered;
  platform::BevelKind bevelKind_ = platform::BevelKind::None;
};

}  // namespace vx
