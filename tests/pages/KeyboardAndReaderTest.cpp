// The pages from the keyboard, whose keys go into the queue as the system puts them
// there and reach the page through the application's message loop, and from a screen
// reader's side of the accessibility interface.
#include <gtest/gtest.h>

#include <oleacc.h>
#include <optional>
#include <tuple>

#include "TestSupport.h"
#include "base/InterfacedObject.h"
#include "pages/TForm1.h"
#include "pages/TForm2.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinLinkLabel.h"

namespace {

void Press(WORD key)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 1 | 0xC0000000);
    Application::Instance().ProcessMessages();
}

// Shift held, as the thread's keyboard state tells it, while the scope lasts.
struct ShiftHeld {
    BYTE saved[256]{};
    ShiftHeld()
    {
        GetKeyboardState(saved);
        BYTE held[256];
        std::copy(std::begin(saved), std::end(saved), held);
        held[VK_SHIFT] = 0x80;
        SetKeyboardState(held);
    }
    ~ShiftHeld() { SetKeyboardState(saved); }
};

std::string NameOf(const PageControl* control)
{
    const auto* component = dynamic_cast<const TComponent*>(control);
    return component ? component->Name : "(none)";
}

// The options page shown, its folder in a temporary folder and its folder choice
// recorded instead of asked.
struct OptionsPage {
    ApplicationSession session;
    TempFolder temp;
    TForm1& form1 = Application::Instance().CreatePage<TForm1>();
    std::vector<std::string> picked; // titles of folder choices asked for

    OptionsPage()
    {
        form1.Edit1->SetText(temp.Path() + "Tavio\\");
        form1.PickFolder = [this](std::string_view title, std::string&) {
            picked.emplace_back(title);
            return false;
        };
        form1.Show();
        Application::Instance().ProcessMessages();
    }
    std::string Focused() const { return NameOf(form1.FocusedControl()); }
    void Focus(std::string_view name) { form1.FocusControl(form1.Get<PageControl>(name)); }
};

struct OptionsKeys : ::testing::Test, OptionsPage {};

std::vector<std::tuple<DWORD, HWND, LONG>> heard; // WinEvents, while a hook listens

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT) heard.emplace_back(event, window, child);
}

} // namespace

TEST_F(OptionsKeys, TabGoesRoundTheControlsTheHeightShows)
{
    EXPECT_EQ(Focused(), "Image2"); // the install button, from the start
    const std::vector<std::string> collapsed{"bsSkinCheckRadioBox1", "bsSkinLinkLabel1", "bsSkinLinkLabel2", "Image2"};
    const std::vector<std::string> expanded{"Button1", "bsSkinCheckRadioBox4", "bsSkinCheckRadioBox3",
                                            "bsSkinCheckRadioBox2", "bsSkinCheckRadioBox1", "bsSkinLinkLabel1",
                                            "bsSkinLinkLabel2", "Image2"};
    struct Case {
        bool Expand, Backward;
        std::vector<std::string> Order;
    } cases[] = {
        {false, false, collapsed},
        {false, true, {"bsSkinLinkLabel2", "bsSkinLinkLabel1", "bsSkinCheckRadioBox1", "Image2"}},
        {true, false, expanded},
        {true, true, {"bsSkinLinkLabel2", "bsSkinLinkLabel1", "bsSkinCheckRadioBox1", "bsSkinCheckRadioBox2",
                      "bsSkinCheckRadioBox3", "bsSkinCheckRadioBox4", "Button1", "Image2"}},
    };
    for (const Case& c : cases) {
        if (c.Expand != (form1.Height() == 550)) form1.bsPngImageView1Click();
        Focus("Image2");
        std::vector<std::string> order;
        for (size_t i = 0; i < c.Order.size(); ++i) {
            std::optional<ShiftHeld> shift;
            if (c.Backward) shift.emplace();
            Press(VK_TAB);
            order.push_back(Focused());
        }
        EXPECT_EQ(order, c.Order) << "expanded " << c.Expand << ", backward " << c.Backward;
    }
}

TEST(OptionsKeyEach, EnterInstallsUnlessTheControlTakesItSpacePressesTheFocusedOne)
{
    enum Outcome { Installs, Browses, Nothing, Toggles, Unchecks };
    struct Case {
        const char* Control;
        WORD Key;
        Outcome Expected;
    } cases[] = {
        {"Image2", VK_RETURN, Installs},
        {"Image2", VK_SPACE, Installs},
        {"bsSkinCheckRadioBox4", VK_RETURN, Installs},
        {"bsSkinCheckRadioBox1", VK_RETURN, Installs},
        {"bsSkinCheckRadioBox4", VK_SPACE, Unchecks},
        {"Button1", VK_RETURN, Browses},
        {"bsSkinLinkLabel1", VK_RETURN, Nothing},
        {"bsSkinLinkLabel2", VK_RETURN, Toggles},
        {"bsSkinLinkLabel2", VK_SPACE, Toggles},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Control) + (c.Key == VK_RETURN ? " Enter" : " Space"));
        OptionsPage page;
        page.form1.bsPngImageView1Click(); // expanded: every control is in reach
        page.Focus(c.Control);
        ASSERT_EQ(page.Focused(), c.Control);
        Press(c.Key);
        EXPECT_EQ(page.form1.ProgressPage() != nullptr, c.Expected == Installs);
        EXPECT_EQ(page.picked.size(), c.Expected == Browses ? 1u : 0u);
        EXPECT_EQ(page.form1.Height(), c.Expected == Toggles ? 400 : 550);
        EXPECT_EQ(page.form1.bsSkinCheckRadioBox4->Checked(), c.Expected != Unchecks);
        if (c.Expected != Installs) {
            EXPECT_EQ(page.Focused(), c.Control);
        }
    }
}

TEST_F(OptionsKeys, EscIsTheCloseMark)
{
    Press(VK_ESCAPE);
    EXPECT_TRUE(Application::Instance().Terminated());
    EXPECT_EQ(form1.ProgressPage(), nullptr);
}

TEST_F(OptionsKeys, ScreenReadersHearOfFocusStateAndValueChanges)
{
    heard.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto toggle = form1.AccessibleChildId(*form1.bsSkinLinkLabel2);
    const auto licence = form1.AccessibleChildId(*form1.bsSkinLinkLabel1);
    Press(VK_TAB); // the agreement box, a window of its own
    Press(VK_SPACE);
    Press(VK_TAB); // the licence link, a picture its page stands for
    Press(VK_TAB);
    Press(VK_RETURN);
    form1.Edit1->SetText("D:\\Tavio\\");
    Application::Instance().ProcessMessages();
    UnhookWinEvent(hook);
    const auto has = [&](DWORD event, HWND window, LONG child) {
        return std::ranges::count(heard, std::tuple(event, window, child)) > 0;
    };
    const HWND page = form1.Handle(), box = form1.bsSkinCheckRadioBox1->Handle();
    EXPECT_TRUE(has(EVENT_OBJECT_FOCUS, box, CHILDID_SELF));
    EXPECT_TRUE(has(EVENT_OBJECT_STATECHANGE, box, CHILDID_SELF));
    EXPECT_TRUE(has(EVENT_OBJECT_FOCUS, page, licence));
    EXPECT_TRUE(has(EVENT_OBJECT_FOCUS, page, toggle));
    EXPECT_TRUE(has(EVENT_OBJECT_STATECHANGE, page, toggle));
    EXPECT_TRUE(has(EVENT_OBJECT_VALUECHANGE, page, form1.AccessibleChildId(*form1.Edit1)));
}

TEST(ProgressKeys, EscAndAltF4AskTheCloseQuestion)
{
    ApplicationSession session(IDNO);
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    form2.Show();
    Application::Instance().ProcessMessages();
    Press(VK_ESCAPE);
    SendMessageW(form2.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); // what Alt+F4 sends
    Application::Instance().ProcessMessages();
    ASSERT_EQ(session.Messages.size(), 2u);
    for (const ShownMessage& message : session.Messages) {
        EXPECT_EQ(message.Text, "正在安装塔维欧播放器，确定要退出吗？");
        EXPECT_EQ(message.Caption, "警告");
    }
    EXPECT_FALSE(Application::Instance().Terminated()); // answered No
    EXPECT_TRUE(form2.Visible());
}

TEST(ProgressReader, HearsTheBarInPercentAndPressesTheCloseMarkLater)
{
    ApplicationSession session(IDNO);
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    form2.Show();
    form2.ProgressBar1->SetMax(400);
    form2.ProgressBar1->SetPosition(100);
    ComPtr<IAccessible> page;
    ASSERT_EQ(AccessibleObjectFromWindow(form2.Handle(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(page.Put())),
              S_OK);
    const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), VARIANT child) {
        BSTR value = nullptr;
        std::string result = SUCCEEDED((page.Get()->*get)(child, &value)) && value ? ToUtf8(value) : "";
        SysFreeString(value);
        return result;
    };
    LONG count = 0;
    ASSERT_EQ(page->get_accChildCount(&count), S_OK);
    std::vector<std::string> heard;
    VARIANT closeMark{};
    for (LONG id = 1; id <= count; ++id) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = id;
        VARIANT role{};
        page->get_accRole(child, &role);
        heard.push_back(std::to_string(role.lVal) + " " + text(&IAccessible::get_accName, child) + " " +
                        text(&IAccessible::get_accValue, child));
        if (text(&IAccessible::get_accName, child) == "关闭") closeMark = child;
    }
    EXPECT_EQ(heard, (std::vector<std::string>{std::to_string(ROLE_SYSTEM_PUSHBUTTON) + " 最小化 ",
                                               std::to_string(ROLE_SYSTEM_PUSHBUTTON) + " 关闭 ",
                                               std::to_string(ROLE_SYSTEM_PROGRESSBAR) + " 安装进度 25%"}));
    ASSERT_EQ(page->accDoDefaultAction(closeMark), S_OK);
    EXPECT_TRUE(session.Messages.empty()); // the reader does not wait for the question
    Application::Instance().ProcessMessages();
    EXPECT_EQ(session.Messages.size(), 1u);
}
