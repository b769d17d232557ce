#pragma once
// The scenarios that need more than a few lines, one file each.

#include <string>

namespace vxe2e {

// tests/wine/page-look: the frame, the page colour and the background
// picture of page 1, kept as page1.bmp in the work folder.
void PageLook(const std::string& exe, const std::string& workdir);

// tests/wine/controls: the controls drawn and placed, typing into the edit
// box, Tab and Shift+Tab in tab order, a shortcut while a button has the
// focus, and Enter clicking the default button; kept as controls.bmp.
void Controls(const std::string& exe, const std::string& workdir);

// tests/wine/message-box: a message box asked by a show script is painted
// (its question and both buttons), and its answer reaches the script; kept
// as message-box.bmp.
void MessageBoxLook(const std::string& exe, const std::string& workdir);
// tests/wine/window-look: a caption, translucency and a colour key set by
// the page's show script, read back from the window's styles and layered
// attributes and from the screen; kept as window.bmp.
void WindowLook(const std::string& exe, const std::string& workdir);

// tests/wine/system-services: registry and INI values written and read back,
// a file written, copied and deleted, and 107 on a copy of the presentation,
// which then still starts with the new trailer.
void SystemServices(const std::string& exe, const std::string& workdir);

// tests/wine/media: a WAV tone starts with page 1 and its finish script
// shows page 2, whose AVI plays in its window; kept as media.bmp.
void Media(const std::string& exe, const std::string& workdir);

// tests/wine/persian on a Western system: a file with a Persian name written
// and read back, the text shown in a Persian message box (compared with the
// text drawn by the driver), the page's caption and button as Unicode.
void Persian(const std::string& exe, const std::string& workdir);

// examples/demo: its Persian page's caption and buttons as Unicode.
void PersianDemo(const std::string& exe, const std::string& workdir);

// tests/wine/plugin with testplugin.dll: the plug-in's start sequence with
// the host's window, its drawing in the host, and codes 65, 66, 67 and 8;
// kept as plugin-start.bmp and plugin.bmp.
void Plugin(const std::string& exe, const std::string& workdir);
// tests/wine/plugin-fault with testplugin.dll faulting in SetParentWindow:
// the library unloaded, what the presentation changed put back, exit code 1.
void PluginFault(const std::string& exe, const std::string& workdir);
// tests/wine/plugin with testplugin.dll faulting in GetData: the method's
// error box, the library kept, the player goes on.
void PluginFaultLater(const std::string& exe, const std::string& workdir);
// tests/wine/plugin-bad: a missing plug-in, a file that is no library and a
// library without the exports load as nothing; their methods have no effect.
void PluginBad(const std::string& exe, const std::string& workdir);

// tests/wine/flash-missing: the missing-player box, then the end.
void FlashMissing(const std::string& exe, const std::string& workdir);
// tests/wine/flash-ignored: the page loads without its movie; kept as
// flash-ignored.bmp.
void FlashIgnored(const std::string& exe, const std::string& workdir);

// tests/wine/browser without an HTML engine: the control is made, the start
// page reaches the before-navigate script, a "vx:" link its script, print
// fails at once, and the page goes on.
void Browser(const std::string& exe, const std::string& workdir);

}  // namespace vxe2e
