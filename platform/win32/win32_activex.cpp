#include "platform/win32/win32_activex.h"

#include "platform/win32/win32_text.h"
#include "util/error.h"

namespace vx::win32 {

namespace {

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw OsError(std::string(what) + ": " + HresultText(hr));
}

}  // namespace

AxSite::AxSite(HWND host, IID eventsIid, AxEvent onEvent)
    : host_(host), eventsIid_(eventsIid), onEvent_(std::move(onEvent)) {}

bool AxSite::Create(const wchar_t* progId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(progId, &clsid))) return false;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&object_))) ||
      object_ == nullptr)
    return false;
  object_->SetClientSite(this);
  if (IPersistStreamInit* init = nullptr;
      SUCCEEDED(object_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&init)))) {
    init->InitNew();
    init->Release();
  }
  RECT r;
  GetClientRect(host_, &r);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, host_, &r))) {
    Close();
    return false;
  }
  object_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
  IConnectionPointContainer* container = nullptr;
  if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    if (SUCCEEDED(container->FindConnectionPoint(eventsIid_, &point_)) && point_ != nullptr)
      point_->Advise(static_cast<IDispatch*>(this), &cookie_);
    container->Release();
  }
  return dispatch_ != nullptr;
}

void AxSite::Close() {
  onEvent_ = nullptr;
  if (point_ != nullptr) {
    point_->Unadvise(cookie_);
    point_->Release();
    point_ = nullptr;
  }
  if (dispatch_ != nullptr) {
    dispatch_->Release();
    dispatch_ = nullptr;
  }
  if (object_ != nullptr) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_->Release();
    object_ = nullptr;
  }
}

void AxSite::Resize(int width, int height) {
  if (object_ == nullptr) return;
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
    RECT r{0, 0, width, height};
    inPlace->SetObjectRects(&r, &r);
    inPlace->Release();
  }
}

STDMETHODIMP AxSite::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
    *object = static_cast<IOleClientSite*>(this);
  else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame))
    *object = static_cast<IOleInPlaceFrame*>(this);
  else if (IsEqualIID(riid, IID_IDocHostUIHandler))
    *object = static_cast<IDocHostUIHandler*>(this);
  else if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, eventsIid_))
    *object = static_cast<IDispatch*>(this);
  if (*object == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) AxSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) AxSite::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP AxSite::GetContainer(IOleContainer** container) {
  if (container != nullptr) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP AxSite::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = host_;
  return S_OK;
}

STDMETHODIMP AxSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame != nullptr) {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
  }
  if (document != nullptr) *document = nullptr;
  if (position != nullptr) GetClientRect(host_, position);
  if (clip != nullptr) GetClientRect(host_, clip);
  if (info != nullptr) {
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

STDMETHODIMP AxSite::OnPosRectChange(LPCRECT position) {
  if (object_ == nullptr || position == nullptr) return S_OK;
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
    inPlace->SetObjectRects(position, position);
    inPlace->Release();
  }
  return S_OK;
}

// S_OK: the host handled it, so the document shows no menu.
STDMETHODIMP AxSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  return ownContextMenu ? S_FALSE : S_OK;
}

STDMETHODIMP AxSite::GetHostInfo(DOCHOSTUIINFO* info) {
  if (info == nullptr) return E_POINTER;
  info->dwFlags = hostFlags;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return S_OK;
}

STDMETHODIMP AxSite::GetDropTarget(IDropTarget* offered, IDropTarget** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  // E_NOTIMPL keeps the document's own target; refusing files gives none.
  (void)offered;
  return acceptDrop ? E_NOTIMPL : S_OK;
}

STDMETHODIMP AxSite::GetExternal(IDispatch** external) {
  if (external != nullptr) *external = nullptr;
  return S_FALSE;
}

STDMETHODIMP AxSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

STDMETHODIMP AxSite::FilterDataObject(IDataObject*, IDataObject** out) {
  if (out != nullptr) *out = nullptr;
  return S_FALSE;
}

STDMETHODIMP AxSite::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return S_OK;
}

STDMETHODIMP AxSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  // The site may be closed from inside the event; keep it alive meanwhile.
  AddRef();
  if (onEvent_ && params != nullptr) {
    const AxEvent call = onEvent_;
    call(id, params);
  }
  Release();
  return S_OK;
}

// ---------------------------------------------------------------------------

void PutProperty(IDispatch* control, DISPID id, VARIANT value, const char* what) {
  if (control == nullptr) throw OsError(std::string(what) + ": the control is gone");
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  const HRESULT hr =
      control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  VariantClear(&value);
  Check(hr, what);
}

VARIANT GetProperty(IDispatch* control, DISPID id, const char* what) {
  if (control == nullptr) throw OsError(std::string(what) + ": the control is gone");
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  Check(control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
        what);
  return result;
}

VARIANT CallMethod(IDispatch* control, const wchar_t* name, VARIANT* args, UINT count) {
  std::string what = Narrow(name);
  if (control == nullptr) throw OsError(what + ": the control is gone");
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  Check(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), what.c_str());
  // Invoke takes the arguments last first.
  VARIANT reversed[4];
  for (UINT i = 0; i < count && i < 4; ++i) reversed[i] = args[count - 1 - i];
  DISPPARAMS params{count > 0 ? reversed : nullptr, nullptr, count, 0};
  VARIANT result;
  VariantInit(&result);
  const HRESULT hr =
      control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
  for (UINT i = 0; i < count; ++i) VariantClear(&args[i]);
  Check(hr, what.c_str());
  return result;
}

std::string VariantText(const VARIANT& value) {
  const VARIANT* v = &value;
  if (V_VT(v) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(v) != nullptr) v = V_VARIANTREF(v);
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(v), 0, VT_BSTR))) return {};
  std::string result = V_BSTR(&text) != nullptr ? Narrow(std::wstring_view(V_BSTR(&text), SysStringLen(V_BSTR(&text))))
                                                : std::string();
  VariantClear(&text);
  return result;
}

VARIANT TextVariant(const std::string& text) {
  VARIANT v;
  VariantInit(&v);
  const std::wstring wide = Widen(text);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return v;
}

}  // namespace vx::win32
