#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "install/Upgrade.h"
#include "ui/Edit.h"
#include "ui/Page.h"
#include "ui/Picture.h"
#include "ui/PushButton.h"

class TForm2;
class TbsCompressedStoredSkin;
class TbsPngImageList;
class TbsPngImageView;
class TbsSkinCheckRadioBox;
class TbsSkinData;
class TbsSkinLinkLabel;

// The options page: the install button, the agreement box, the licence link and the
// custom-options toggle, which expands the page to the install folder and the three
// option boxes. In silent mode its creation clicks the install button itself.
class TForm1 : public Page {
public:
    explicit TForm1(PageOwner& owner);

    Picture* Image1 = nullptr;     // background; dragging it moves the page
    Picture* Image2 = nullptr;     // install button
    Picture* ImageClose = nullptr; // ends the application
    Picture* ImageMin = nullptr;   // minimises the application
    TbsSkinLinkLabel* bsSkinLinkLabel1 = nullptr; // "许可协议": does nothing
    TbsSkinLinkLabel* bsSkinLinkLabel2 = nullptr; // "自定义选项": the toggle's text
    TbsPngImageView* bsPngImageView1 = nullptr;   // the toggle's icon
    TbsSkinCheckRadioBox* bsSkinCheckRadioBox1 = nullptr; // "阅读并同意": consulted by nothing
    TbsSkinCheckRadioBox* bsSkinCheckRadioBox2 = nullptr; // "开机自动启动"
    TbsSkinCheckRadioBox* bsSkinCheckRadioBox3 = nullptr; // "添加到快速启动栏"
    TbsSkinCheckRadioBox* bsSkinCheckRadioBox4 = nullptr; // "生成桌面快捷方式"
    Edit* Edit1 = nullptr;         // install folder
    PushButton* Button1 = nullptr; // browse
    TbsSkinData* bsSkinData1 = nullptr;
    TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
    TbsPngImageList* bsPngImageList1 = nullptr;

    // The install launch: folder, payload files, progress page, settings, start timer.
    void Image2Click();
    void Button1Click();
    void bsPngImageView1Click();
    void bsPngImageView1MouseEnter();
    void ImageCloseClick();
    void ImageMinClick();

    // Asks for a folder with the given title; false when the person cancels. The
    // shell's folder browser by default, a stand-in in tests.
    std::function<bool(std::string_view title, std::string& folder)> PickFolder;

    // The progress page once the launch has created it.
    TForm2* ProgressPage() const { return progressPage_; }

private:
    void FormCreate();

    // False when the person, asked, keeps a newer install, or a silent run refuses
    // to replace one (it then ends with exitcode::NewerInstalled).
    bool MayReplaceEarlierInstall() const;

    TForm2* progressPage_ = nullptr;
    std::optional<EarlierInstall> earlier_; // found when the page was made
};
