#include "platform/win32/win32_hosted.h"

#include <exdisp.h>
#include <exdispid.h>
#include <urlmon.h>

#include <cstdint>
#include <cstdio>

#include "platform/win32/win32_activex.h"
#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_guarded_call.h"
#include "platform/win32/win32_host_window.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_text.h"
#include "util/error.h"

namespace vx::win32 {

namespace {

// The Flash control's event interface and the dispatch identifiers used.
const IID kFlashEvents = {0xD27CDB6D, 0xAE6D, 0x11CF, {0x96, 0xB8, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr DISPID kFlashFSCommand = 150;
constexpr DISPID kFlashCall = 197;
constexpr DISPID kMovie = 102;
constexpr DISPID kQuality = 105;
constexpr DISPID kLoop = 106;
constexpr DISPID kFrameNum = 107;
constexpr DISPID kScaleMode = 120;
constexpr DISPID kMenu = 135;
constexpr DISPID kBGColor = 140;
constexpr DISPID kOffline = 550;

HWND PageHandle(platform::Window& window) {
  auto* page = dynamic_cast<Win32Window*>(&window);
  if (page == nullptr) throw OsError("Not a page of this player");
  return page->Handle();
}

VARIANT Long(long value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  return v;
}

VARIANT Bool(bool value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

// The argument at natural position k of an event with n of them.
const VARIANT& Arg(DISPPARAMS* p, UINT n, UINT k) { return p->rgvarg[n - 1 - k]; }

void SetByRefBool(const VARIANT& v, bool value) {
  if (V_VT(&v) == (VT_BOOL | VT_BYREF) && V_BOOLREF(&v) != nullptr)
    *V_BOOLREF(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

long LongOf(const VARIANT& v) {
  VARIANT n;
  VariantInit(&n);
  long result = 0;
  if (SUCCEEDED(VariantChangeType(&n, const_cast<VARIANT*>(&v), 0, VT_I4))) result = V_I4(&n);
  VariantClear(&n);
  return result;
}

class Win32FlashPlayer : public HostedControl<platform::FlashPlayer> {
 public:
  Win32FlashPlayer(HWND parent, Win32Loop& loop) : HostedControl(parent), loop_(loop) {
    site_ = new AxSite(host_.Handle(), kFlashEvents, [this](DISPID id, DISPPARAMS* p) { Event(id, p); });
    host_.onResize = [this](int w, int h) { site_->Resize(w, h); };
  }
  ~Win32FlashPlayer() override {
    site_->Close();
    site_->Release();
  }
  bool Create() { return site_->Create(L"ShockwaveFlash.ShockwaveFlash"); }

  void SetMovie(const std::string& path) override { PutProperty(site_->Control(), kMovie, TextVariant(path), "Movie"); }
  void SetQuality(int quality) override { PutProperty(site_->Control(), kQuality, Long(quality), "Quality"); }
  void SetLoop(bool loop) override { PutProperty(site_->Control(), kLoop, Bool(loop), "Loop"); }
  void SetFrameNum(int frame) override { PutProperty(site_->Control(), kFrameNum, Long(frame), "FrameNum"); }
  void SetScaleMode(int mode) override { PutProperty(site_->Control(), kScaleMode, Long(mode), "ScaleMode"); }
  void SetMenu(bool shown) override { PutProperty(site_->Control(), kMenu, Bool(shown), "Menu"); }
  void SetBackgroundColor(const std::string& rrggbb) override {
    PutProperty(site_->Control(), kBGColor, TextVariant(rrggbb), "BGColor");
  }
  void Play() override { Discard(CallMethod(site_->Control(), L"Play", nullptr, 0)); }
  void Stop() override { Discard(CallMethod(site_->Control(), L"Stop", nullptr, 0)); }
  void SetVariable(const std::string& name, const std::string& value) override {
    VARIANT args[2] = {TextVariant(name), TextVariant(value)};
    Discard(CallMethod(site_->Control(), L"SetVariable", args, 2));
  }
  std::string GetVariable(const std::string& name) override {
    VARIANT args[1] = {TextVariant(name)};
    VARIANT result = CallMethod(site_->Control(), L"GetVariable", args, 1);
    std::string text = VariantText(result);
    VariantClear(&result);
    return text;
  }
  void SetHandlers(platform::FlashHandlers handlers) override { handlers_ = std::move(handlers); }

 private:
  static void Discard(VARIANT v) { VariantClear(&v); }
  void Event(DISPID id, DISPPARAMS* p) {
    if (id == kFlashFSCommand && p->cArgs >= 2 && handlers_.fsCommand) {
      const std::string command = VariantText(Arg(p, p->cArgs, 0));
      const std::string args = VariantText(Arg(p, p->cArgs, 1));
      loop_.Dispatch([&] { handlers_.fsCommand(command, args); });
    } else if (id == kFlashCall && p->cArgs >= 1 && handlers_.flashCall) {
      const std::string request = VariantText(Arg(p, p->cArgs, 0));
      loop_.Dispatch([&] { handlers_.flashCall(request); });
    }
  }

  Win32Loop& loop_;
  AxSite* site_;
  platform::FlashHandlers handlers_;
};

class Win32Browser : public HostedControl<platform::WebBrowser> {
 public:
  Win32Browser(HWND parent, Win32Loop& loop) : HostedControl(parent), loop_(loop) {
    site_ = new AxSite(host_.Handle(), DIID_DWebBrowserEvents2, [this](DISPID id, DISPPARAMS* p) { Event(id, p); });
    site_->ownContextMenu = true;
    host_.onResize = [this](int w, int h) { site_->Resize(w, h); };
  }
  ~Win32Browser() override {
    if (browser_ != nullptr) browser_->Release();
    site_->Close();
    site_->Release();
  }
  bool Create() {
    if (!site_->Create(L"Shell.Explorer.2")) return false;
    return SUCCEEDED(site_->Control()->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)));
  }

  void Navigate(const std::string& address) override {
    BSTR url = SysAllocString(Widen(address).c_str());
    VARIANT empty;
    VariantInit(&empty);
    const HRESULT hr = browser_->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
    Check(hr, "Navigate");
  }
  void GoBack() override { Check(browser_->GoBack(), "GoBack"); }
  void GoForward() override { Check(browser_->GoForward(), "GoForward"); }
  void Refresh() override { Check(browser_->Refresh(), "Refresh"); }
  void StopLoading() override { Check(browser_->Stop(), "Stop"); }
  void SetOffline(bool offline) override { PutProperty(site_->Control(), kOffline, Bool(offline), "Offline"); }
  void SetUiFlags(unsigned flags) override { site_->hostFlags = flags; }
  unsigned UiFlags() const override { return site_->hostFlags; }
  void SetOwnContextMenu(bool own) override { site_->ownContextMenu = own; }
  void SetAcceptDroppedFiles(bool accept) override {
    site_->acceptDrop = accept;
    browser_->put_RegisterAsDropTarget(accept ? VARIANT_TRUE : VARIANT_FALSE);
  }
  void Print() override {
    WaitUntilComplete();
    Exec(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER, "Print");
  }
  void PrintPreview() override { Exec(OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_DONTPROMPTUSER, "PrintPreview"); }
  void PageSetup() override {
    WaitUntilComplete();
    Exec(OLECMDID_PAGESETUP, OLECMDEXECOPT_PROMPTUSER, "PageSetup");
  }
  void SetHandlers(platform::BrowserHandlers handlers) override { handlers_ = std::move(handlers); }

 private:
  static void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw OsError(std::string(what) + ": " + HresultText(hr));
  }
  // Without a document the control's own failure says nothing useful
  // (a browser without an HTML engine never gets one).
  void Exec(OLECMDID command, OLECMDEXECOPT option, const char* what) {
    if (!HasDocument()) throw OsError(std::string(what) + ": no page is loaded");
    Check(browser_->ExecWB(command, option, nullptr, nullptr), what);
  }
  bool HasDocument() const {
    IDispatch* document = nullptr;
    if (FAILED(browser_->get_Document(&document)) || document == nullptr) return false;
    document->Release();
    return true;
  }
  // A navigation that ended without a document (no HTML engine, an address
  // that failed) leaves the ready state short of complete for good.
  bool NothingLoading() const {
    VARIANT_BOOL busy = VARIANT_FALSE;
    if (FAILED(browser_->get_Busy(&busy)) || busy != VARIANT_FALSE) return false;
    return !HasDocument();
  }
  // Messages keep flowing while the document loads. Nothing to wait for
  // ends the wait at once; a document that never completes, after a minute.
  void WaitUntilComplete() {
    const DWORD start = GetTickCount();
    for (;;) {
      READYSTATE state = READYSTATE_UNINITIALIZED;
      if (FAILED(browser_->get_ReadyState(&state)) || state == READYSTATE_COMPLETE) return;
      if (NothingLoading() || GetTickCount() - start > 60000) return;
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
  }
  void Event(DISPID id, DISPPARAMS* p) {
    const UINT n = p->cArgs;
    switch (id) {
      case DISPID_BEFORENAVIGATE2:
        if (n >= 7 && handlers_.beforeNavigate) {
          platform::NavigationRequest r{VariantText(Arg(p, n, 1)), VariantText(Arg(p, n, 2)),
                                        VariantText(Arg(p, n, 3)), VariantText(Arg(p, n, 4)),
                                        VariantText(Arg(p, n, 5))};
          bool cancel = false;
          loop_.Dispatch([&] { handlers_.beforeNavigate(r, cancel); });
          SetByRefBool(Arg(p, n, 6), cancel);
        }
        break;
      case DISPID_NAVIGATECOMPLETE2:
        if (n >= 2 && handlers_.navigateComplete) {
          const std::string url = VariantText(Arg(p, n, 1));
          loop_.Dispatch([&] { handlers_.navigateComplete(url); });
        }
        break;
      case DISPID_NEWWINDOW2:
        if (n >= 2 && handlers_.newWindow) {
          bool cancel = false;
          loop_.Dispatch([&] { handlers_.newWindow(cancel); });
          SetByRefBool(Arg(p, n, 1), cancel);
        }
        break;
      case DISPID_PROGRESSCHANGE:
        if (n >= 2 && handlers_.progress) {
          const long progress = LongOf(Arg(p, n, 0));
          const long max = LongOf(Arg(p, n, 1));
          loop_.Dispatch([&] { handlers_.progress(static_cast<int>(progress), static_cast<int>(max)); });
        }
        break;
      case DISPID_STATUSTEXTCHANGE:
        if (n >= 1 && handlers_.statusText) {
          const std::string text = VariantText(Arg(p, n, 0));
          loop_.Dispatch([&] { handlers_.statusText(text); });
        }
        break;
      case DISPID_TITLECHANGE:
        if (n >= 1 && handlers_.title) {
          const std::string text = VariantText(Arg(p, n, 0));
          loop_.Dispatch([&] { handlers_.title(text); });
        }
        break;
      default: break;
    }
  }

  Win32Loop& loop_;
  AxSite* site_;
  IWebBrowser2* browser_ = nullptr;
  platform::BrowserHandlers handlers_;
};

class Win32PluginHost : public HostedControl<platform::PluginHost> {
 public:
  explicit Win32PluginHost(HWND parent) : HostedControl(parent) {}
  HWND Handle() const { return host_.Handle(); }
};

// The exports' types: every one cdecl, the caller removes the arguments.
using SetParentWindowFn = void(__cdecl*)(HWND);
using DrawFn = void(__cdecl*)(HDC, int, int, int, int);
using TextFn = void(__cdecl*)(const char*);
using NumberFn = void(__cdecl*)(std::int32_t);
using VoidFn = void(__cdecl*)();
using TextResultFn = const char*(__cdecl*)();
using NumberResultFn = std::int32_t(__cdecl*)();

class Win32PluginLibrary : public platform::PluginLibrary {
 public:
  explicit Win32PluginLibrary(HMODULE module) : module_(module), range_(RangeOf(module)) {}
  // Libraries stay loaded until the process ends.
  ~Win32PluginLibrary() override = default;

  bool HasExport(const std::string& name) const override {
    return module_ != nullptr && GetProcAddress(module_, name.c_str()) != nullptr;
  }
  void CallWithWindow(const std::string& name, platform::PluginHost& host) override {
    auto fn = Export<SetParentWindowFn>(name);
    auto* h = dynamic_cast<Win32PluginHost*>(&host);
    HWND window = h != nullptr ? h->Handle() : nullptr;
    Guarded(name, [&] { fn(window); });
  }
  void CallDraw(const std::string& name, platform::PluginHost* host, int x, int y, int width, int height) override {
    auto fn = Export<DrawFn>(name);
    auto* h = dynamic_cast<Win32PluginHost*>(host);
    if (h == nullptr) {
      Guarded(name, [&] { fn(nullptr, x, y, width, height); });
      return;
    }
    HDC dc = GetDC(h->Handle());
    ModuleFault fault;
    auto body = [&] { fn(dc, x, y, width, height); };
    const bool returned = CallGuarded(range_, body, fault);
    ReleaseDC(h->Handle(), dc);
    if (!returned) Faulted(name, fault);
  }
  void CallWithText(const std::string& name, const std::string& text) override {
    auto fn = Export<TextFn>(name);
    const char* chars = text.c_str();
    Guarded(name, [&] { fn(chars); });
  }
  void CallWithNumber(const std::string& name, std::int32_t number) override {
    auto fn = Export<NumberFn>(name);
    Guarded(name, [&] { fn(number); });
  }
  void Call(const std::string& name) override {
    auto fn = Export<VoidFn>(name);
    Guarded(name, [&] { fn(); });
  }
  std::string CallForText(const std::string& name) override {
    auto fn = Export<TextResultFn>(name);
    const char* text = nullptr;
    Guarded(name, [&] { text = fn(); });
    return text != nullptr ? std::string(text) : std::string();
  }
  std::int32_t CallForNumber(const std::string& name) override {
    auto fn = Export<NumberResultFn>(name);
    std::int32_t number = 0;
    Guarded(name, [&] { number = fn(); });
    return number;
  }
  void Unload() override {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
    range_ = {};
    Trace("plugin unloaded");
  }

 private:
  template <typename Fn>
  Fn Export(const std::string& name) const {
    FARPROC proc = module_ != nullptr ? GetProcAddress(module_, name.c_str()) : nullptr;
    if (proc == nullptr) throw OsError("The plug-in has no export " + name + ".");
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
  }
  // The export runs with nothing of ours in flight: a fault inside the
  // library comes back here as the call's error.
  template <typename Body>
  void Guarded(const std::string& name, Body&& body) {
    ModuleFault fault;
    if (!CallGuarded(range_, body, fault)) Faulted(name, fault);
  }
  [[noreturn]] void Faulted(const std::string& name, const ModuleFault& fault) const {
    char offset[32];
    std::snprintf(offset, sizeof offset, "+%llx", static_cast<unsigned long long>(fault.address - range_.begin));
    const std::string what = FaultName(fault.code) + " in " + name + " at " + offset;
    Trace("plugin fault: " + what);
    throw OsError("The plug-in failed: " + what + ".");
  }
  HMODULE module_;
  ModuleRange range_;
};

}  // namespace

std::unique_ptr<platform::FlashPlayer> Win32Hosted::CreateFlashPlayer(platform::Window& owner,
                                                                      platform::ControlListener*) {
  auto player = std::make_unique<Win32FlashPlayer>(PageHandle(owner), loop_);
  if (!player->Create()) return nullptr;
  Trace("flash player created");
  return player;
}

std::unique_ptr<platform::WebBrowser> Win32Hosted::CreateBrowser(platform::Window& owner,
                                                                 platform::ControlListener*) {
  auto browser = std::make_unique<Win32Browser>(PageHandle(owner), loop_);
  if (!browser->Create()) {
    Trace("browser control unavailable");
    return nullptr;
  }
  Trace("browser created");
  return browser;
}

std::unique_ptr<platform::PluginHost> Win32Hosted::CreatePluginHost(platform::Window& owner,
                                                                    platform::ControlListener*) {
  return std::make_unique<Win32PluginHost>(PageHandle(owner));
}

std::unique_ptr<platform::PluginLibrary> Win32Hosted::LoadPluginLibrary(const std::string& path) {
  // No box for a missing or foreign file: the host just stays empty.
  const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(Widen(path).c_str());
  SetErrorMode(old);
  Trace("plugin load " + path + (module != nullptr ? "" : " failed"));
  if (module == nullptr) return nullptr;
  return std::make_unique<Win32PluginLibrary>(module);
}

bool Win32Hosted::DownloadToFile(const std::string& address, const std::string& file) {
  const bool ok = SUCCEEDED(URLDownloadToFileW(nullptr, Widen(address).c_str(), Widen(file).c_str(), 0, nullptr));
  Trace("download " + address + " -> " + file + (ok ? "" : " failed"));
  return ok;
}

}  // namespace vx::win32
