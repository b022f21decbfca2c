// Accessible names through WM_GETOBJECT: the system's own object of the control, wrapped so that
// only its name changes. Windows and Wine both ask the window for it before making their own.
#include "tools/brelaedit/accessible_name_win.h"

#include <commctrl.h>
#include <oleacc.h>

namespace {

constexpr UINT_PTR NAMING_SUBCLASS = 0x4E414D45;

// Every call goes to the system's object, but the name of the control itself.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* system, const std::wstring& name) : system_(system), name_(name) {}

  // IUnknown: the wrapper is the object for the interfaces it implements, the system's for others.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return system_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return system_->get_accName(child, name);
    *name = SysAllocString(name_.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return system_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return system_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return system_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong) override {
    return system_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
  }

  // The rest of IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return system_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return system_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return system_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return system_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return system_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return system_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return system_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return system_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return system_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return system_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return system_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return system_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
    return system_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return system_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return system_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return system_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() { system_->Release(); }

  IAccessible* system_;  // owned: one reference
  std::wstring name_;
  LONG references_ = 1;
};

// The answer to WM_GETOBJECT for the control's client area; 0 to let the system answer.
LRESULT NamedObject(HWND control, WPARAM flags, const std::wstring& name) {
  IAccessible* system = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system)))) {
    return 0;
  }
  NamedAccessible* named = new NamedAccessible(system, name);
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, named);
  named->Release();  // the result holds its own reference
  return result;
}

LRESULT CALLBACK NamingProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
  const std::wstring* name = reinterpret_cast<const std::wstring*>(data);
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    if (const LRESULT object = NamedObject(control, wParam, *name)) return object;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, NamingProc, NAMING_SUBCLASS);
    delete name;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\u00A0' || c == L'\u202F'; }

}  // namespace

void SetAccessibleName(HWND control, const std::wstring& name) {
  SetWindowSubclass(control, NamingProc, NAMING_SUBCLASS,
                    reinterpret_cast<DWORD_PTR>(new std::wstring(name)));
}

std::wstring NameOfLabel(const std::wstring& label) {
  std::wstring name = label;
  const std::size_t mnemonic = name.find(L'&');
  if (mnemonic != std::wstring::npos) name.erase(mnemonic, 1);
  if (!name.empty() && name.back() == L':') name.pop_back();
  while (!name.empty() && IsSpace(name.back())) name.pop_back();
  return name;
}
