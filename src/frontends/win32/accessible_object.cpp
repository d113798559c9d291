#include "frontends/win32/accessible_object.h"

#include <oleacc.h>

#include <string>

#include "forms/accessibility.h"
#include "forms/control.h"
#include "frontends/win32/control_view.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32 {

namespace {

long roleOf(forms::ControlKind kind) {
  switch (kind) {
    case forms::ControlKind::Button:
      return ROLE_SYSTEM_PUSHBUTTON;
    case forms::ControlKind::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case forms::ControlKind::RadioGroup:
    case forms::ControlKind::Panel:
      return ROLE_SYSTEM_GROUPING;
    case forms::ControlKind::Edit:
    case forms::ControlKind::Memo:
      return ROLE_SYSTEM_TEXT;
    case forms::ControlKind::ScrollBar:
      return ROLE_SYSTEM_SCROLLBAR;
    case forms::ControlKind::Label:
      return ROLE_SYSTEM_STATICTEXT;
    case forms::ControlKind::Picture:
      return ROLE_SYSTEM_GRAPHIC;
    case forms::ControlKind::ProgressBar:
      return ROLE_SYSTEM_PROGRESSBAR;
  }
  return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// COM interfaces have no virtual destructor: Release ends the object, never a delete through
// the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The system's object with the control's name and role for the window itself; everything
// else, children included, is the system's. The control is looked up at every question: a
// screen reader may keep the object after the window is gone.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(HWND window, IAccessible* system) : window_(window), system_(system) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // Further interfaces (IEnumVARIANT for the children) are the system object's own.
    return system_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      system_->Release();
      delete this;  // COM's own lifetime rule: the object ends with its last reference
    }
    return left;
  }

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
                                   UINT* argumentError) override {
    return system_->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return system_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return system_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return system_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    const forms::Control* control = isSelf(child) ? this->control() : nullptr;
    if (control == nullptr) return system_->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    const std::wstring text = widen(forms::accessibleName(*control));
    *name = text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return text.empty() ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return system_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return system_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const forms::Control* control = isSelf(child) ? this->control() : nullptr;
    if (control == nullptr) return system_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = roleOf(forms::accessibleKind(*control));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return system_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
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
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return system_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
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
  ~NamedAccessible() = default;

  const forms::Control* control() const {
    const ControlView* widget = ControlView::of(window_);
    return widget != nullptr && widget->hwnd() == window_ ? &widget->control() : nullptr;
  }

  HWND window_;
  IAccessible* system_;
  ULONG references_ = 1;
};

#pragma GCC diagnostic pop

}  // namespace

LRESULT accessibleObject(HWND window, WPARAM flags) {
  IAccessible* system = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system)))) {
    return 0;
  }
  auto* named = new NamedAccessible(window, system);  // owned by its COM references
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, named);
  named->Release();
  return result;
}

}  // namespace tavi::frontends::win32
