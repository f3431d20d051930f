#include "ui/PageAccessible.h"

#include <oleacc.h>
#include <string>

#include "base/Com.h"
#include "base/EntryPoint.h"
#include "base/Handles.h"
#include "base/InterfacedObject.h"
#include "base/SystemLibrary.h"
#include "base/WinStrings.h"
#include "ui/ControlHost.h"
#include "ui/PageControl.h"

namespace {

// oleacc is no system library every process has loaded: it comes from the system
// folder, and only once a screen reader asks.
class Oleacc {
public:
    static const Oleacc& Get()
    {
        static const Oleacc library;
        return library;
    }
    decltype(&LresultFromObject) ResultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) CreateStandardObject = nullptr;

private:
    Oleacc() : module_(LoadSystemLibrary(L"oleacc.dll"))
    {
        ResultFromObject = BindEntry<decltype(ResultFromObject)>(module_.Get(), "LresultFromObject");
        CreateStandardObject = BindEntry<decltype(CreateStandardObject)>(module_.Get(), "CreateStdAccessibleObject");
    }
    ModuleHandle module_;
};

LONG RoleCode(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckButton: return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Link: return ROLE_SYSTEM_LINK;
    case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::ProgressBar: return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::None: break;
    }
    return ROLE_SYSTEM_CLIENT;
}

HRESULT ReturnText(const std::string& text, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = AllocateBstr(ToWide(text).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

// VT_EMPTY is zero: an empty variant needs no call into OLE automation, whose
// library is bound only when first needed.
VARIANT EmptyVariant() { return VARIANT{}; }

VARIANT ChildVariant(LONG id)
{
    VARIANT v = EmptyVariant();
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// The accessible object of a page, whose children are its controls as simple elements
// (child ids from 1), or of one windowed control of it (`self`). It holds windows,
// not objects: a screen reader may keep it after the page is gone, and then every
// call says so.
class PageAccessible final : public IAccessible, public TInterfacedObject {
public:
    PageAccessible(HWND page, HWND self) : page_(page), self_(self) {}

    TAVIO_IUNKNOWN_METHODS

    // IDispatch: screen readers call the vtable, never through Invoke.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        if (self_) return Create(page_, nullptr)->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(parent));
        const auto create = Oleacc::Get().CreateStandardObject;
        if (!create) return S_FALSE;
        return create(page_, OBJID_WINDOW, __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (!count) return E_POINTER;
        const ControlHost* page = ControlHost::FromHandle(page_);
        if (!page) return CO_E_OBJNOTCONNECTED;
        *count = self_ ? 0 : static_cast<LONG>(page->AccessibleControls().size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        PageControl* control = nullptr;
        const HRESULT found = Find(child, control);
        if (FAILED(found)) return found;
        return control ? S_FALSE : E_INVALIDARG; // every child is a simple element
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        if (control) return ReturnText(control->SpokenName(), name);
        wchar_t title[256] = L"";
        GetWindowTextW(page_, title, static_cast<int>(std::size(title)));
        return ReturnText(ToUtf8(title), name);
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        return ReturnText(control ? control->AccessibleValue() : std::string(), value);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return ReturnText({}, text); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return ReturnText({}, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override { return ReturnText({}, file); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return ReturnText({}, text); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override { return ReturnText({}, text); }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!role) return E_POINTER;
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        *role = ChildVariant(control ? RoleCode(control->Role) : ROLE_SYSTEM_CLIENT);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (!state) return E_POINTER;
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        const ControlHost& page = *ControlHost::FromHandle(page_);
        LONG flags = 0;
        if (control) {
            flags = static_cast<LONG>(control->AccessibleState());
            if (!control->Visible() || !page.WithinHeight(*control)) flags |= STATE_SYSTEM_INVISIBLE;
            if (!control->Enabled()) flags |= STATE_SYSTEM_UNAVAILABLE;
            if (control->TabStop()) flags |= STATE_SYSTEM_FOCUSABLE;
            if (page.FocusedControl() == control && page.HasKeyboard()) flags |= STATE_SYSTEM_FOCUSED;
        } else {
            flags = STATE_SYSTEM_FOCUSABLE;
            if (!page.Visible()) flags |= STATE_SYSTEM_INVISIBLE;
        }
        *state = ChildVariant(flags);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        if (!focus) return E_POINTER;
        *focus = EmptyVariant();
        const ControlHost* page = ControlHost::FromHandle(page_);
        if (!page) return CO_E_OBJNOTCONNECTED;
        if (!page->HasKeyboard()) return S_FALSE;
        const PageControl* control = page->FocusedControl();
        *focus = ChildVariant(control ? page->AccessibleChildId(*control) : CHILDID_SELF);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        if (!selection) return E_POINTER;
        *selection = EmptyVariant();
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        if (!(flags & SELFLAG_TAKEFOCUS) || !control || !control->TabStop()) return S_FALSE;
        ControlHost::FromHandle(page_)->FocusControl(*control);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        if (!left || !top || !width || !height) return E_POINTER;
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        RECT r{};
        if (control) r = control->Bounds();
        else GetClientRect(page_, &r);
        MapWindowPoints(page_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override
    {
        if (end) *end = EmptyVariant();
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        if (!child) return E_POINTER;
        *child = EmptyVariant();
        const ControlHost* page = ControlHost::FromHandle(page_);
        if (!page) return CO_E_OBJNOTCONNECTED;
        POINT p{x, y};
        ScreenToClient(page_, &p);
        RECT client;
        GetClientRect(page_, &client);
        if (!PtInRect(&client, p)) return S_FALSE;
        LONG id = CHILDID_SELF;
        if (!self_) {
            const auto controls = page->AccessibleControls();
            for (size_t i = 0; i < controls.size(); ++i) {
                const RECT r = controls[i]->Bounds();
                if (controls[i]->Visible() && PtInRect(&r, p)) id = static_cast<LONG>(i + 1); // the topmost wins
            }
        }
        *child = ChildVariant(id);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        PageControl* control = nullptr;
        if (const HRESULT found = Find(child, control); FAILED(found)) return found;
        if (!control || !control->Enabled()) return DISP_E_MEMBERNOTFOUND;
        // Later, from the page's own queue: the press may open a dialog or run the
        // install, and the screen reader must not wait for either.
        ControlHost::FromHandle(page_)->PressLater(*control);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    static ComPtr<PageAccessible> Create(HWND page, HWND self) { return ComPtr(new PageAccessible(page, self)); }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            return static_cast<IAccessible*>(this);
        return nullptr;
    }

private:
    bool Alive() const { return ControlHost::FromHandle(page_) && (!self_ || PageControl::FromWindow(self_)); }

    // The control a child id names: null for the object itself.
    HRESULT Find(const VARIANT& child, PageControl*& control) const
    {
        control = nullptr;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (self_) {
            if (child.lVal != CHILDID_SELF) return E_INVALIDARG;
            control = PageControl::FromWindow(self_);
            return S_OK;
        }
        if (child.lVal == CHILDID_SELF) return S_OK;
        const auto controls = ControlHost::FromHandle(page_)->AccessibleControls();
        if (child.lVal < 1 || static_cast<size_t>(child.lVal) > controls.size()) return E_INVALIDARG;
        control = controls[static_cast<size_t>(child.lVal) - 1];
        return S_OK;
    }

    HWND page_, self_;
};

} // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam)
{
    const auto resultFromObject = Oleacc::Get().ResultFromObject;
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !resultFromObject) return 0;
    const bool isPage = ControlHost::FromHandle(window) != nullptr;
    if (!isPage && !PageControl::FromWindow(window)) return 0;
    // The object is marshalled to the screen reader's process, which takes an apartment:
    // the first page enters none of its own.
    EnterComApartment();
    const ComPtr<PageAccessible> object = PageAccessible::Create(isPage ? window : GetParent(window), isPage ? nullptr : window);
    // The result holds its own reference until the screen reader takes the object.
    return resultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object.Get()));
}
