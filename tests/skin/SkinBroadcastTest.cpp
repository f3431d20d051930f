#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/FileBytes.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "ui/Application.h"
#include "ui/Page.h"

namespace {

struct Heard {
    const Page* page;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool emptyThen;
};

// A page that notes the skin announcements it receives.
class ListeningPage : public Page {
public:
    ListeningPage(PageOwner& owner, std::vector<Heard>& log) : Page(owner, 100, 80), log_(log) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= SkinMessage::LoadBegins && message <= SkinMessage::SkinnableFormChanged) {
            const auto* data = reinterpret_cast<TbsSkinData*>(wParam);
            log_.push_back({this, message, wParam, lParam, data->Empty()});
            return 0;
        }
        return Page::HandleMessage(message, wParam, lParam);
    }

private:
    std::vector<Heard>& log_;
};

} // namespace

TEST(SkinBroadcast, ReachesTheOwningPageFirstThenEveryOther)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    std::vector<Heard> log;
    auto& first = application.CreatePage<ListeningPage>(log);
    auto& owner = application.CreatePage<ListeningPage>(log);
    auto& third = application.CreatePage<ListeningPage>(log);
    auto skin = std::make_unique<TbsCompressedStoredSkin>();
    skin->SetCompressedData(ReadFileBytes(TEST_SKIN_PACKAGE));
    auto dataHolder = std::make_unique<TbsSkinData>();
    TbsSkinData& data = *dataHolder;
    owner.Adopt(std::move(skin));
    owner.Adopt(std::move(dataHolder));

    data.LoadCompressedStoredSkin(owner.Get<TbsCompressedStoredSkin>(""));
    ASSERT_EQ(log.size(), 9u);
    const Page* order[] = {&owner, &first, &third};
    const UINT messages[] = {1225, 1226, 1227};
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].page, order[i % 3]) << i;
        EXPECT_EQ(log[i].message, messages[i / 3]) << i;
        EXPECT_EQ(log[i].wParam, reinterpret_cast<WPARAM>(&data));
        EXPECT_EQ(log[i].lParam, 1000);
        EXPECT_EQ(log[i].emptyThen, i < 3) << "forms see the complete skin from 1226 on";
    }
    // The packed skin the build made is the one the options page will carry.
    EXPECT_EQ(data.GetControlIndex("checkbox"), 3);
    EXPECT_EQ(data.ActivePictures.at(4).Width(), 120);

    log.clear();
    data.SetSkinnableForm(false);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].message, 1294u);
    EXPECT_EQ(log[0].page, &owner);
}
