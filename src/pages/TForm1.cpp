#include "pages/TForm1.h"

#include <cmath>
#include <shlobj.h>

#include "base/PathText.h"
#include "base/SpecialFolder.h"
#include "install/DefaultFolder.h"
#include "install/Product.h"
#include "install/RunMode.h"
#include "pages/FolderBrowser.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/PngImageList.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinComponents.h"
#include "skinctrls/SkinLinkLabel.h"
#include "ui/Application.h"
#include "ui/PageLoader.h"

namespace {
constexpr int CollapsedHeight = 400, ExpandedHeight = 550;
} // namespace

TForm1::TForm1(PageOwner& owner) : Page(owner, 588, CollapsedHeight)
{
    PickFolder = [](std::string_view title, std::string& folder) { return BrowseForFolder(title, {}, folder); };
    // Whatever the creation handler meets is shown and the page still opens.
    AddHandler("FormCreate", NotifyEvent([this] { Application::Instance().Guard([this] { FormCreate(); }); }));
    AddHandler("Image2Click", NotifyEvent([this] { Image2Click(); }));
    AddHandler("Button1Click", NotifyEvent([this] { Button1Click(); }));
    AddHandler("bsPngImageView1Click", NotifyEvent([this] { bsPngImageView1Click(); }));
    AddHandler("bsPngImageView1MouseEnter", NotifyEvent([this] { bsPngImageView1MouseEnter(); }));
    AddHandler("ImageCloseClick", NotifyEvent([this] { ImageCloseClick(); }));
    AddHandler("ImageMinClick", NotifyEvent([this] { ImageMinClick(); }));
    const MouseEvent drag = [this](MouseButton, unsigned keys, int, int) {
        if (keys & MK_LBUTTON) Drag();
    };
    AddHandler("Image1MouseDown", drag);
    AddHandler("FormMouseDown", drag);
    Bind("Image1", Image1);
    Bind("Image2", Image2);
    Bind("ImageClose", ImageClose);
    Bind("ImageMin", ImageMin);
    Bind("bsSkinLinkLabel1", bsSkinLinkLabel1);
    Bind("bsSkinLinkLabel2", bsSkinLinkLabel2);
    Bind("bsPngImageView1", bsPngImageView1);
    Bind("bsSkinCheckRadioBox1", bsSkinCheckRadioBox1);
    Bind("bsSkinCheckRadioBox2", bsSkinCheckRadioBox2);
    Bind("bsSkinCheckRadioBox3", bsSkinCheckRadioBox3);
    Bind("bsSkinCheckRadioBox4", bsSkinCheckRadioBox4);
    Bind("Edit1", Edit1);
    Bind("Button1", Button1);
    Bind("bsSkinData1", bsSkinData1);
    Bind("bsCompressedStoredSkin1", bsCompressedStoredSkin1);
    Bind("bsPngImageList1", bsPngImageList1);
    LoadPage(*this, "options.page", SkinComponents());
}

void TForm1::FormCreate()
{
    SetSize(588, CollapsedHeight);
    ImageClose->SetBounds(Image1->Width() - 15, 5, 11, 11);
    ImageMin->SetBounds(ImageClose->Left() - 15, 10, 10, 2);
    Image2->SetBounds(static_cast<int>(std::lrint((Width() - 197) / 2.0)), Image2->Top(), 197, 47); // 195.5 -> 196
    Edit1->SetBounds(Image2->Left() - 20, Edit1->Top(), Image2->Width() + 40, Edit1->Height());
    earlier_ = FindEarlierInstall();
    const auto given = CommandLineSwitches().Folder;
    Edit1->SetText(OfferedFolder(given, earlier_, DefaultInstallFolder));
    if (given) {
        // A refused folder stays in the box as given: the person reads why at once and
        // may correct it; the launch refuses it for an unattended run.
        const FolderChoice choice = CheckInstallFolder(*given);
        if (choice.Error.empty()) Edit1->SetText(choice.Folder);
        else if (!IsSilentMode()) ShowMessage(choice.Error);
    }
    Button1->SetTop(Edit1->Top());
    for (TbsSkinCheckRadioBox* box : {bsSkinCheckRadioBox1, bsSkinCheckRadioBox2, bsSkinCheckRadioBox3, bsSkinCheckRadioBox4})
        box->SetChecked(true);
    bsSkinLinkLabel2->SetExpanded(false);
    if (IsSilentMode()) {
        const LPARAM point = MAKELPARAM(5, 5);
        Image2->Perform(WM_LBUTTONDOWN, 0, point);
        Image2->Perform(WM_LBUTTONUP, 0, point);
    }
}

void TForm1::bsPngImageView1Click()
{
    const bool collapsed = bsPngImageView1->ImageIndex() == 0 || bsPngImageView1->ImageIndex() == 1;
    const int height = collapsed ? ExpandedHeight : CollapsedHeight;
    SetSize(Width(), height);
    // The bottom row stays on the bottom edge.
    bsSkinCheckRadioBox1->SetBounds(bsSkinCheckRadioBox1->Left(), height - 30, bsSkinCheckRadioBox1->Width(),
                                    bsSkinCheckRadioBox1->Height());
    bsSkinLinkLabel1->SetTop(height - 25);
    bsPngImageView1->SetTop(height - 25);
    bsSkinLinkLabel2->SetTop(height - 25);
    bsPngImageView1->SetImageIndex(collapsed ? 2 : 0);
    bsSkinLinkLabel2->SetExpanded(collapsed); // what a screen reader says of the toggle
}

void TForm1::bsPngImageView1MouseEnter()
{
    const int index = bsPngImageView1->ImageIndex();
    if (index == 0 || index == 2) bsPngImageView1->SetImageIndex(index + 1);
}

void TForm1::Button1Click()
{
    std::string folder;
    if (!PickFolder(product::BrowseTitle, folder) || folder.empty()) return;
    Edit1->SetText(IncludeTrailingBackslash(folder) + product::DefaultFolderName);
}

void TForm1::ImageCloseClick() { Application::Instance().Terminate(); }

void TForm1::ImageMinClick() { Application::Instance().Minimize(); }
