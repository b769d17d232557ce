#pragma once
// Message boxes (and, later, the standard dialogs). Flags and results use the
// Win32 numbers, since scripts pass and read them as numbers.

#include <string>

namespace vx::platform {

namespace mb {
// Buttons
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned AbortRetryIgnore = 0x2;
constexpr unsigned YesNoCancel = 0x3;
constexpr unsigned YesNo = 0x4;
constexpr unsigned RetryCancel = 0x5;
constexpr unsigned CancelTryContinue = 0x6;
// Icons
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30;
constexpr unsigned IconInformation = 0x40;
// Modality
constexpr unsigned TaskModal = 0x2000;
// Results
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdAbort = 3;
constexpr int IdRetry = 4;
constexpr int IdIgnore = 5;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
constexpr int IdTryAgain = 10;
constexpr int IdContinue = 11;
}  // namespace mb

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button pressed (mb::Id...).
  virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

}  // namespace vx::platform
