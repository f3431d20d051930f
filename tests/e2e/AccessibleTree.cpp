// What a screen reader learns of the installer's page through oleacc, from another
// process: one line per child of the shown page's accessible object,
//   role <TAB> name <TAB> states <TAB> value
// and the page's focused child last as "focus <TAB> name". Exit code 1 when no page
// is shown or it gives no accessible object. With "press NAME" it then presses the
// child of that name as a reader's command does (its default action), and exit code 1
// says it found none or the press was refused.
#include <windows.h>

#include <cstdio>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released()
    {
        if (p) p->Release();
    }
};

struct Variant {
    VARIANT v;
    Variant() { VariantInit(&v); }
    ~Variant() { VariantClear(&v); }
};

std::string Utf8(const wchar_t* text)
{
    if (!text) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible& object, VARIANT child)
{
    BSTR text = nullptr;
    if (FAILED((object.*get)(child, &text)) || !text) return {};
    std::string result = Utf8(text);
    SysFreeString(text);
    return result;
}

const char* RoleName(LONG role)
{
    switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON: return "pushbutton";
    case ROLE_SYSTEM_CHECKBUTTON: return "checkbutton";
    case ROLE_SYSTEM_LINK: return "link";
    case ROLE_SYSTEM_TEXT: return "text";
    case ROLE_SYSTEM_PROGRESSBAR: return "progressbar";
    case ROLE_SYSTEM_CLIENT: return "client";
    default: return "other";
    }
}

std::string States(LONG state)
{
    static constexpr std::pair<LONG, const char*> names[] = {
        {STATE_SYSTEM_CHECKED, "checked"},     {STATE_SYSTEM_MIXED, "mixed"},
        {STATE_SYSTEM_EXPANDED, "expanded"},   {STATE_SYSTEM_COLLAPSED, "collapsed"},
        {STATE_SYSTEM_FOCUSED, "focused"},     {STATE_SYSTEM_FOCUSABLE, "focusable"},
        {STATE_SYSTEM_INVISIBLE, "invisible"}, {STATE_SYSTEM_UNAVAILABLE, "unavailable"}};
    std::string out;
    for (const auto& [flag, name] : names)
        if (state & flag) out += (out.empty() ? "" : ",") + std::string(name);
    return out.empty() ? "-" : out;
}

BOOL CALLBACK FindPage(HWND window, LPARAM found)
{
    wchar_t name[32];
    RECT r;
    if (IsWindowVisible(window) && GetClassNameW(window, name, 32) && std::wstring(name) == L"TavioWindow" &&
        GetWindowRect(window, &r) && r.right - r.left > 1) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::string press = argc == 3 && std::wstring(argv[1]) == L"press" ? Utf8(argv[2]) : std::string();
    bool pressed = press.empty();
    CoInitialize(nullptr);
    HWND page = nullptr;
    EnumWindows(FindPage, reinterpret_cast<LPARAM>(&page));
    Released<IAccessible> object;
    if (!page || FAILED(AccessibleObjectFromWindow(page, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object.p))) ||
        !object.p) {
        std::puts("no accessible page");
        return 1;
    }
    LONG count = 0;
    object.p->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    LONG obtained = 0;
    if (count > 0 && FAILED(AccessibleChildren(object.p, 0, count, children.data(), &obtained))) obtained = 0;
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<size_t>(i)];
        // A child with an object of its own answers as itself; a simple element through its parent.
        Released<IAccessible> own;
        IAccessible* asker = object.p;
        Variant self;
        self.v.vt = VT_I4;
        self.v.lVal = CHILDID_SELF;
        VARIANT id = child;
        if (child.vt == VT_DISPATCH && child.pdispVal &&
            SUCCEEDED(child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&own.p)))) {
            asker = own.p;
            id = self.v;
        }
        Variant role, state;
        asker->get_accRole(id, &role.v);
        asker->get_accState(id, &state.v);
        const std::string name = Text(&IAccessible::get_accName, *asker, id);
        std::printf("%s\t%s\t%s\t%s\n", RoleName(role.v.vt == VT_I4 ? role.v.lVal : 0), name.c_str(),
                    States(state.v.vt == VT_I4 ? state.v.lVal : 0).c_str(), Text(&IAccessible::get_accValue, *asker, id).c_str());
        if (!pressed && name == press) {
            pressed = asker->accDoDefaultAction(id) == S_OK;
            std::printf("%s\t%s\n", pressed ? "pressed" : "refused", name.c_str());
        }
        VariantClear(&child);
    }
    Variant focus;
    if (object.p->get_accFocus(&focus.v) == S_OK && focus.v.vt == VT_I4)
        std::printf("focus\t%s\n", Text(&IAccessible::get_accName, *object.p, focus.v).c_str());
    std::fflush(stdout);
    object.p->Release();
    object.p = nullptr;
    CoUninitialize();
    return pressed ? 0 : 1;
}
