#include <gtest/gtest.h>

#include "TestSupport.h"
#include "pages/TForm1.h"
#include "pages/TForm2.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinCheckRadioBox.h"

// This program's options page carries a skin package that does not inflate.
TEST(DamagedSkin, ThePageStillOpensWithTheDefaultLooksAndInstalls)
{
    ApplicationSession session;
    TempFolder temp;
    TForm1& form1 = Application::Instance().CreatePage<TForm1>();
    EXPECT_TRUE(session.Messages.empty());
    EXPECT_TRUE(form1.bsSkinData1->Empty());
    form1.Show();
    Settle();
    for (const TbsSkinCheckRadioBox* box : {form1.bsSkinCheckRadioBox1, form1.bsSkinCheckRadioBox2,
                                            form1.bsSkinCheckRadioBox3, form1.bsSkinCheckRadioBox4}) {
        EXPECT_EQ(box->SkinControlIndex, -1);
        EXPECT_TRUE(box->Checked());
    }
    const TbsPngImage shot = Screenshot(form1.Handle());
    EXPECT_EQ(shot.Pixel(8 + 3, 360 + 12 - 7), GetSysColor(COLOR_BTNSHADOW)); // the drawn box

    form1.Edit1->SetText(temp.Path() + "Tavio");
    form1.Image2Click();
    ASSERT_NE(form1.ProgressPage(), nullptr);
    EXPECT_TRUE(PathExists(temp.Path() + "Tavio\\Tavio.7z"));
    EXPECT_EQ(form1.ProgressPage()->Install.Settings.DesktopShortcut, "1");
    EXPECT_TRUE(form1.ProgressPage()->TimerStartDownload->Enabled());
}
