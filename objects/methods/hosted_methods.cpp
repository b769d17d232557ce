// Methods of Flash movies (58-61, 80), browsers (49, 58, 62-64, 81-88) and
// plug-ins (65-67). The plug-in's Draw after code 8 is here too.

#include "host/application.h"
#include "host/hosted_objects.h"
#include "host/path_macros.h"
#include "objects/methods/families.h"
#include "objects/vx_hosted.h"
#include "platform/dialogs.h"

namespace vx {

void DrawPlugin(Application& app, TVXMPlugin& plugin) {
  platform::PluginLibrary* library = PluginLibraryOf(app, plugin);
  if (library == nullptr || !library->HasExport("Draw")) return;
  const platform::Rect r = plugin.BoundsRect();
  library->CallDraw("Draw", nullptr, 0, 0, r.width, r.height);
}

}  // namespace vx

namespace vx::methods {

namespace {

void Navigate(MethodCall& m);       // 49
void ContextMenu(MethodCall& m);    // 58
void Quality(MethodCall& m);        // 59
void ScaleMode(MethodCall& m);      // 60
void FrameNum(MethodCall& m);       // 61
void Offline(MethodCall& m);        // 62
void TextSelect(MethodCall& m);     // 63
void ScrollBars(MethodCall& m);     // 64
void SetFileOrData(MethodCall& m);  // 65
void CallExport(MethodCall& m);     // 66
void GetFileOrData(MethodCall& m);  // 67
void SetVariable(MethodCall& m);    // 80
void Back(MethodCall& m);           // 81
void Forward(MethodCall& m);        // 82
void Reload(MethodCall& m);         // 83
void StopLoading(MethodCall& m);    // 84
void Download(MethodCall& m);       // 85
void Print(MethodCall& m);          // 86
void PrintPreview(MethodCall& m);   // 87
void PageSetup(MethodCall& m);      // 88

constexpr MethodRow kRows[] = {
    {49, Navigate},      {58, ContextMenu}, {59, Quality},       {60, ScaleMode}, {61, FrameNum},
    {62, Offline},       {63, TextSelect},  {64, ScrollBars},    {65, SetFileOrData}, {66, CallExport},
    {67, GetFileOrData}, {80, SetVariable}, {81, Back},          {82, Forward},   {83, Reload},
    {84, StopLoading},   {85, Download},    {86, Print},         {87, PrintPreview}, {88, PageSetup},
};

platform::WebBrowser* BrowserOf(MethodCall& m) {
  auto* browser = As<TVXBrowser>(m.object);
  return browser != nullptr ? &browser->Browser() : nullptr;
}

platform::FlashPlayer* PlayerOf(MethodCall& m) {
  auto* flash = As<TVXFlash>(m.object);
  return flash != nullptr ? &flash->Player() : nullptr;
}

// The plug-in's library when it has the export; else nothing is called.
platform::PluginLibrary* ExportOf(MethodCall& m, const std::string& name) {
  auto* plugin = As<TVXMPlugin>(m.object);
  if (plugin == nullptr) return nullptr;
  platform::PluginLibrary* library = PluginLibraryOf(m.app, *plugin);
  return library != nullptr && library->HasExport(name) ? library : nullptr;
}

void Navigate(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->Navigate(ParsePathDirect(m.app, m.Text(1)));
}

void ContextMenu(MethodCall& m) {
  if (auto* p = PlayerOf(m)) p->SetMenu(m.Flag(1));
  else if (auto* b = BrowserOf(m)) b->SetOwnContextMenu(m.Flag(1));
}

void Quality(MethodCall& m) {
  if (auto* p = PlayerOf(m)) p->SetQuality(m.Int(1));
}

void ScaleMode(MethodCall& m) {
  if (auto* p = PlayerOf(m)) p->SetScaleMode(m.Int(1));
}

void FrameNum(MethodCall& m) {
  if (auto* p = PlayerOf(m)) p->SetFrameNum(m.Int(1));
}

void Offline(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->SetOffline(m.Flag(1));
}

void TextSelect(MethodCall& m) {
  if (auto* browser = As<TVXBrowser>(m.object)) browser->SetUiFlag(platform::kDisableTextSelect, !m.Flag(1));
}

void ScrollBars(MethodCall& m) {
  if (auto* browser = As<TVXBrowser>(m.object)) browser->SetUiFlag(platform::kDontUseScrollBars, !m.Flag(1));
}

// A text argument (starting with "$" or a double quote) is a file; anything
// else a number.
void SetFileOrData(MethodCall& m) {
  if (As<TVXMPlugin>(m.object) == nullptr) return;
  const std::string& arg = m.args[0];
  if (!arg.empty() && (arg.front() == '$' || arg.front() == '"')) {
    if (auto* library = ExportOf(m, "SetFile")) library->CallWithText("SetFile", m.Text(1));
  } else if (auto* library = ExportOf(m, "SetData")) {
    library->CallWithNumber("SetData", m.Int(1));
  }
}

void CallExport(MethodCall& m) {
  if (As<TVXMPlugin>(m.object) == nullptr) return;
  const std::string name = m.Text(1);
  if (auto* library = ExportOf(m, name)) library->Call(name);
}

// The first character picks the form, the rest names the variable as
// written.
void GetFileOrData(MethodCall& m) {
  if (As<TVXMPlugin>(m.object) == nullptr) return;
  const std::string& arg = m.args[0];
  const char form = arg.empty() ? '\0' : arg.front();
  const std::string variable = arg.empty() ? std::string() : arg.substr(1);
  if (form == '$') {
    if (auto* library = ExportOf(m, "GetFile")) m.app.values.SetStrVar(variable, library->CallForText("GetFile"));
  } else if (form == '#' || form == '!') {
    if (auto* library = ExportOf(m, "GetData"))
      m.app.values.SetNumVar(variable, static_cast<double>(library->CallForNumber("GetData")));
  } else {
    m.app.platform.dialogs.ShowMessageBox("Vexorelle Syntax Error: Excepted (! / $ / #)", "Syntax Error",
                                          platform::mb::IconError);
  }
}

void SetVariable(MethodCall& m) {
  if (auto* p = PlayerOf(m)) p->SetVariable(m.Text(1), m.Text(2));
}

void Back(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->GoBack();
}

void Forward(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->GoForward();
}

void Reload(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->Refresh();
}

void StopLoading(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->StopLoading();
}

void Download(MethodCall& m) {
  if (BrowserOf(m) == nullptr) return;
  // Whether it worked is not asked.
  (void)m.app.platform.hosted.DownloadToFile(m.Text(1), m.Text(2));
}

void Print(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->Print();
}

void PrintPreview(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->PrintPreview();
}

void PageSetup(MethodCall& m) {
  if (auto* b = BrowserOf(m)) b->PageSetup();
}

}  // namespace

std::span<const MethodRow> HostedMethods() { return kRows; }

}  // namespace vx::methods
