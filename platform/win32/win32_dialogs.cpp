// The standard dialogs: comdlg32's open, save, colour and font dialogs and
// the shell's folder browser, set up from the page's dialog settings.

#include "platform/win32/win32_common.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>

#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"
#include "util/conversions.h"

namespace vx::win32 {

namespace {

HWND OwnerOf(platform::Window* owner) {
  if (auto* window = dynamic_cast<Win32Window*>(owner)) return window->Handle();
  return GetActiveWindow();
}

// "Text|*.txt|All|*.*" as the dialogs want it: NUL separated, two NULs at
// the end.
std::wstring FilterPairs(const std::string& filter) {
  std::wstring out = Widen(filter);
  for (wchar_t& c : out)
    if (c == L'|') c = L'\0';
  out.append(2, L'\0');
  return out;
}

// The buffer of a confirmed dialog: one full path, or with several files
// the folder followed by each name, NUL separated.
std::vector<std::string> ChosenFiles(const std::wstring& buffer) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at < buffer.size() && buffer[at] != L'\0') {
    const std::size_t end = buffer.find(L'\0', at);
    parts.push_back(Narrow(std::wstring_view(buffer).substr(at, end - at)));
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  std::vector<std::string> files;
  for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

bool ShowFileDialog(platform::Window* owner, platform::FileDialogState& state, bool save) {
  const std::wstring filter = FilterPairs(state.filter);
  const std::wstring initialFolder = Widen(state.initialFolder);
  const std::wstring defaultExtension = Widen(state.defaultExtension);
  std::wstring buffer(64 * 1024, L'\0');
  const std::wstring preset = Widen(state.fileName);
  preset.copy(buffer.data(), std::min(preset.size(), buffer.size() - 2));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerOf(owner);
  ofn.lpstrFilter = state.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  ofn.Flags = OFN_EXPLORER;
  if (state.readOnlyBox) ofn.Flags |= OFN_READONLY;
  if (state.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (state.sizing) ofn.Flags |= OFN_ENABLESIZING;
  if (state.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (state.multiSelect && !save) ofn.Flags |= OFN_ALLOWMULTISELECT;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) {
    Trace(std::string(save ? "save" : "open") + " dialog cancelled");
    return false;
  }
  state.files = ChosenFiles(buffer);
  if (state.files.empty()) return false;
  state.fileName = state.files.front();
  std::string shown;
  for (const std::string& f : state.files) shown += (shown.empty() ? "" : " | ") + f;
  Trace(std::string(save ? "save" : "open") + " dialog -> " + shown);
  return true;
}

int CALLBACK FolderCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data) {
  auto* state = reinterpret_cast<platform::FolderDialogState*>(data);
  if (message == BFFM_INITIALIZED) {
    if (!state->caption.empty()) SetWindowTextOf(dialog, state->caption);
    if (!state->folder.empty())
      SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(Widen(state->folder).c_str()));
  } else if (message == BFFM_SELCHANGED && state->statusLine) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(parameter), path))
      SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
  }
  return 0;
}

}  // namespace

bool Win32Dialogs::ShowOpenDialog(platform::Window* owner, platform::FileDialogState& state) {
  return ShowFileDialog(owner, state, false);
}

bool Win32Dialogs::ShowSaveDialog(platform::Window* owner, platform::FileDialogState& state) {
  return ShowFileDialog(owner, state, true);
}

bool Win32Dialogs::ShowFolderDialog(platform::Window* owner, platform::FolderDialogState& state) {
  wchar_t display[MAX_PATH] = {};
  const std::wstring title = Widen(state.text);
  BROWSEINFOW info{};
  info.hwndOwner = OwnerOf(owner);
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = 0;
  if (state.foldersOnly) info.ulFlags |= BIF_RETURNONLYFSDIRS;
  if (state.listFiles) info.ulFlags |= BIF_BROWSEINCLUDEFILES;
  // The new-style dialog has the new-folder button (and no status line);
  // the old style has neither button nor a way to add one.
  if (state.newFolderButton)
    info.ulFlags |= BIF_NEWDIALOGSTYLE;
  else if (state.statusLine)
    info.ulFlags |= BIF_STATUSTEXT;
  info.lpfn = FolderCallback;
  info.lParam = reinterpret_cast<LPARAM>(&state);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (chosen == nullptr) {
    Trace("folder dialog cancelled");
    return false;
  }
  wchar_t path[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!ok) return false;
  state.folder = Narrow(path);
  Trace("folder dialog -> " + state.folder);
  return true;
}

bool Win32Dialogs::ShowColorDialog(platform::Window* owner, platform::ColorDialogState& state) {
  static std::array<COLORREF, 16> custom{};  // kept for the run, as the dialog does
  for (COLORREF& c : custom)
    if (c == 0) c = RGB(255, 255, 255);
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = OwnerOf(owner);
  cc.rgbResult = state.color;
  cc.lpCustColors = custom.data();
  cc.Flags = CC_RGBINIT | (state.fullOpen ? CC_FULLOPEN : 0);
  if (!ChooseColorW(&cc)) {
    Trace("color dialog cancelled");
    return false;
  }
  state.color = cc.rgbResult;
  Trace("color dialog -> " + ColorToHex(state.color));
  return true;
}

bool Win32Dialogs::ShowFontDialog(platform::Window* owner, platform::FontDialogState& state) {
  const HWND hwnd = OwnerOf(owner);
  LOGFONTW lf{};
  HDC screen = GetDC(nullptr);
  lf.lfHeight = -MulDiv(state.font.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  lf.lfWeight = state.font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = state.font.italic ? TRUE : FALSE;
  lf.lfUnderline = state.font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = state.font.strikeOut ? TRUE : FALSE;
  lf.lfCharSet = state.font.charset;
  Widen(state.font.name).copy(lf.lfFaceName, LF_FACESIZE - 1);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = hwnd;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = state.color;
  if (!ChooseFontW(&cf)) {
    Trace("font dialog cancelled");
    return false;
  }
  state.font.name = Narrow(lf.lfFaceName);
  state.font.size = cf.iPointSize / 10;
  state.font.charset = lf.lfCharSet;
  state.font.bold = lf.lfWeight >= FW_BOLD;
  state.font.italic = lf.lfItalic != 0;
  state.font.underline = lf.lfUnderline != 0;
  state.font.strikeOut = lf.lfStrikeOut != 0;
  state.color = cf.rgbColors;
  Trace("font dialog -> " + state.font.name + " " + std::to_string(state.font.size));
  return true;
}

}  // namespace vx::win32
