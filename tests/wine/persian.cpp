// The scenarios "persian" and "persian-demo": Persian presentations on a
// Western system (the prefix's code page is left at 1252). Window texts are
// asked with the wide calls, so they are what the system really holds.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

const std::wstring kVexorelle = L"\x0648\x06A9\x0633\x0648\x0631\x0644";
const std::wstring kShapes = L"\x0634\x06A9\x0644\x200C\x0647\x0627";
const std::wstring kBack = L"\x0628\x0627\x0632\x06AF\x0634\x062A";
const std::wstring kLetter = L"\x0646\x0627\x0645\x0647";
const std::wstring kHello = L"\x0633\x0644\x0627\x0645";
const std::wstring kFileName = L"\x0633\x0646\x062F.txt";
// The trace is UTF-8.
const std::string kLetterUtf8 = "\xD9\x86\xD8\xA7\xD9\x85\xD9\x87";
const std::string kHelloUtf8 = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85";
const std::string kHello1256 = "\xD3\xE1\xC7\xE3";

std::wstring WideText(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           2000, &length))
    return L"<no answer>";
  return std::wstring(text, length);
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Widened(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

struct Found {
  HWND window = nullptr;
  DWORD process = 0;
  std::wstring caption;
};

BOOL CALLBACK IfCalled(HWND w, LPARAM data) {
  auto* f = reinterpret_cast<Found*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != f->process || !IsWindowVisible(w) || WideText(w) != f->caption) return TRUE;
  f->window = w;
  return FALSE;
}

// The player's visible top-level window whose wide caption is caption.
HWND PageCalledWide(const Player& p, const std::wstring& caption) {
  Found found{nullptr, p.process.dwProcessId, caption};
  EnumWindows(IfCalled, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

std::set<std::wstring> ButtonTexts(HWND page) {
  std::set<std::wstring> texts;
  for (HWND b = FindWindowExW(page, nullptr, L"Button", nullptr); b != nullptr;
       b = FindWindowExW(page, b, L"Button", nullptr))
    texts.insert(WideText(b));
  return texts;
}

std::string Listed(const std::set<std::wstring>& texts) {
  std::string out;
  for (const auto& t : texts) out += " \"" + Utf8(t) + "\"";
  return out;
}

struct Ink {
  int dark = 0;
  int left = 1 << 30;
  int right = -1;
};

Ink InkOf(const std::function<Rgb(int, int)>& at, int width, int height) {
  Ink ink;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Rgb c = at(x, y);
      if (c.r < 0 || c.r + c.g + c.b >= 3 * 100) continue;
      ++ink.dark;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
    }
  return ink;
}

// The text as the driver itself draws it in the message font at the
// static's size, in the dialog's colours, left-aligned and wrapped as a
// message box's text.
Ink DrawnByUs(const std::wstring& text, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  // The player's font handle means nothing in this process: the message
  // font of the system, which message boxes use.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &all, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  const Ink ink = InkOf(
      [&](int x, int y) {
        const std::uint8_t* p = pixels + (static_cast<std::size_t>(y) * width + x) * 4;
        return Rgb{p[2], p[1], p[0]};
      },
      width, height);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
  if (font != nullptr) DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ink;
}

std::string Describe(const Ink& ink) {
  return std::to_string(ink.dark) + " dark pixels from x " + std::to_string(ink.left) + " to " +
         std::to_string(ink.right);
}

}  // namespace

void Persian(const std::string& exe, const std::string& workdir) {
  const std::wstring folder = Widened(workdir);
  DeleteFileW((folder + L"\\" + kFileName).c_str());
  // Beside the player: its script writes to its own folder.
  const std::string presentation = CopyOfPlayer(exe, workdir, "persian.exe");
  Player p = Start(presentation, workdir);

  HWND box = nullptr;
  Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }),
        "no message box appeared; trace:\n" + Joined(TraceLines(p)));
  Check(WideText(box) == kLetter, "the box is captioned \"" + Utf8(WideText(box)) + "\", not \"" + kLetterUtf8 + "\"");
  HWND text = nullptr;
  for (HWND c = FindWindowExW(box, nullptr, L"Static", nullptr); c != nullptr && text == nullptr;
       c = FindWindowExW(box, c, L"Static", nullptr))
    if (WideText(c) == kHello) text = c;
  Check(text != nullptr, "the box does not say \"" + kHelloUtf8 + "\" (the file's text read back)");

  // What the screen shows in the text's place against the same text drawn
  // here: a mojibake text has other letters, and another width.
  RECT place{};
  GetWindowRect(text, &place);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
  const int width = place.right - place.left, height = place.bottom - place.top;
  const Ink expected = DrawnByUs(kHello, width, height);
  Check(expected.dark > 8, "the driver's own drawing of the text has no ink: " + Describe(expected));
  Ink shown;
  Shot shot;
  const bool same = WaitFor(
      p,
      [&] {
        shot = Shot::OfClientArea(box);
        shown = InkOf([&](int x, int y) { return shot.At(place.left + x, place.top + y); }, width, height);
        return std::abs(shown.dark - expected.dark) * 3 <= expected.dark && std::abs(shown.left - expected.left) <= 3 &&
               std::abs(shown.right - expected.right) <= 3;
      },
      20000);
  const std::string file = workdir + "\\persian-box.bmp";
  Check(shot.Save(file), "cannot write " + file);
  std::printf("screenshot of the Persian message box: %s\n", HostPath(file).c_str());
  Check(same, "the box's text does not look like the Persian text: shown " + Describe(shown) + ", drawn " +
                  Describe(expected));

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  Check(WaitFor(p, [&] { return TraceHas(p, "msgbox [" + kLetterUtf8 + "] " + kHelloUtf8 + " -> 1"); }, 10000),
        "the trace lacks the box in UTF-8:\n" + Joined(TraceLines(p)));

  // The file under its Persian name in the Wine drive, holding the
  // presentation's bytes.
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder + L"\\*.txt").c_str(), &found);
  std::set<std::wstring> names;
  if (search != INVALID_HANDLE_VALUE) {
    do names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
  }
  Check(names.count(kFileName) == 1, "no file \"" + Utf8(kFileName) + "\" in the work folder; there are:" + Listed(names));
  const HANDLE written = CreateFileW((folder + L"\\" + kFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
  char bytes[64] = {};
  DWORD got = 0;
  if (written != INVALID_HANDLE_VALUE) {
    ReadFile(written, bytes, sizeof bytes, &got, nullptr);
    CloseHandle(written);
  }
  Check(std::string(bytes, got) == kHello1256, "the file does not hold the Windows-1256 text");

  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalledWide(p, kVexorelle)) != nullptr; }, 10000),
        "no page is captioned \"" + Utf8(kVexorelle) + "\"");
  Check(WaitFor(p, [&] { return ButtonTexts(page) == std::set<std::wstring>{kShapes}; }, 10000),
        "the button does not read \"" + Utf8(kShapes) + "\":" + Listed(ButtonTexts(page)));
  CloseAndExpectTheEnd(p, page);
}

void PersianDemo(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  HWND welcome = nullptr;
  Check(WaitFor(p, [&] { return (welcome = PageCalled(p, "Vexorelle - welcome")) != nullptr; }),
        "the welcome page did not show; trace:\n" + Joined(TraceLines(p)));
  HWND persianButton = FindWindowExW(welcome, nullptr, L"Button", L"Persian page");
  Check(persianButton != nullptr, "the welcome page has no button \"Persian page\"");
  RECT r{};
  GetWindowRect(persianButton, &r);
  SetForegroundWindow(welcome);
  // The welcome page may take its activation a moment after it shows (its
  // browser pane starts loading then), and a click that lands before is
  // lost; a lost click ran no script, so it is safe to click again.
  HWND box = nullptr;
  auto clicked = [&] {
    return (box = WindowOf(p, "#32770")) != nullptr || TraceHas(p, "script VEXORELLE_NEW_BUTTONClick");
  };
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (WaitFor(p, clicked, 3000)) break;
    std::printf("the click on \"Persian page\" ran nothing; clicking again\n");
  }
  Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }, 20000),
        "the question did not come; trace:\n" + Joined(TraceLines(p)));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));

  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalledWide(p, kVexorelle)) != nullptr; }, 20000),
        "no page is captioned \"" + Utf8(kVexorelle) + "\"; trace:\n" + Joined(TraceLines(p)));
  const std::set<std::wstring> expected{kBack, kShapes};
  Check(ButtonTexts(page) == expected, "the Persian page's buttons read" + Listed(ButtonTexts(page)) + ", not \"" +
                                           Utf8(kBack) + "\" and \"" + Utf8(kShapes) + "\"");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
