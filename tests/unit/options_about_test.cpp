#include <gtest/gtest.h>

#include "options/links.h"
#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsAbout = OptionsTest;

TEST(LinkError, NamesTheProgramForTheKindOfLink) {
    EXPECT_EQ(LinkErrorText(2, "http://www.example.com/"),
              "Error 2 opening link to http://www.example.com/\r\nCheck that your browser is "
              "correctly installed.");
    EXPECT_EQ(LinkErrorText(31, "mailto:a@example.com?subject=x y"),
              "Error 31 opening link to mailto:a@example.com?subject=x y\r\nCheck that your mail "
              "client is correctly installed.");
    EXPECT_EQ(LinkErrorText(0, "HTTP://WWW.EXAMPLE.COM/"),
              "Error 0 opening link to HTTP://WWW.EXAMPLE.COM/\r\nCheck that your application "
              "handling those files is correctly installed.");
}

TEST_F(OptionsAbout, ActivationFillsTheTextsAndPlacesTheLinks) {
    Load();
    form.lblEEgg.caption = "left over";
    form.Form_Activate();
    EXPECT_EQ(form.lblEEgg.caption, "");
    EXPECT_EQ(form.szMailSubject, "Ostrel Screen Saver 1.4.6");
    EXPECT_EQ(form.lblVisit.caption, "visit the Ostrel Screen Saver");
    // 90 twips a character in the fake.
    EXPECT_EQ(form.lblVisit.width, 29 * 90);
    EXPECT_EQ(form.lblWebsite.left, form.lblVisit.left + 29 * 90 + 60);
    EXPECT_EQ(form.lblWebsite.top, form.lblVisit.top);
    EXPECT_EQ(form.lblEmail.left, form.lblCopyright.left + form.lblCopyright.width + 60);
    EXPECT_GT(form.lblCopyright.width, 0);
}

TEST_F(OptionsAbout, LinksOpenUnderTheBusyPointer) {
    Load();
    form.Form_Activate();
    form.lblWebsite_Click();
    form.lblEmail_Click();
    ASSERT_EQ(fake().shellOpened.size(), 2u);
    EXPECT_EQ(fake().shellOpened[0].rfind("http://", 0), 0u);
    EXPECT_NE(fake().shellOpened[0].find("/software/OstrelScreenSaver/"), std::string::npos);
    EXPECT_NE(fake().shellOpened[0].find("example."), std::string::npos);
    EXPECT_EQ(fake().shellOpened[1].rfind("mailto:", 0), 0u);
    EXPECT_NE(fake().shellOpened[1].find("?subject=Ostrel Screen Saver 1.4.6"), std::string::npos);
    EXPECT_EQ(fake().busyPointer, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(fake().optionsMessages.empty());

    fake().shellResult = 31;
    form.lblEmail_Click();
    ASSERT_EQ(fake().optionsMessages.size(), 1u);
    EXPECT_EQ(fake().optionsMessages[0].text, LinkErrorText(31, fake().shellOpened.back()));
    EXPECT_EQ(fake().optionsMessages[0].caption, "Ostrel Screen Saver");
    EXPECT_EQ(fake().optionsMessages[0].style, 48u);
    EXPECT_EQ(fake().busyPointer.back(), false);
    fake().shellResult = 33;
    form.lblWebsite_Click();
    EXPECT_EQ(fake().optionsMessages.size(), 1u);
}

TEST_F(OptionsAbout, HandPointerOverLinksOnly) {
    Load();
    form.Link_MouseMove();
    EXPECT_EQ(form.Pointer, MousePointer::Hand);
    form.Form_MouseMove();
    EXPECT_EQ(form.Pointer, MousePointer::Default);
}

TEST_F(OptionsAbout, SecretClickTogglesTheCommandLine) {
    Load("/c:4711");
    form.Form_Activate();
    form.Image_MouseDown(1, 3);  // Ctrl and Shift only
    form.Image_MouseDown(2, 7);  // not the left button
    EXPECT_EQ(form.lblEEgg.caption, "");
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "/c:4711");
    form.Form_Activate();  // empties it, the toggle stays on
    EXPECT_EQ(form.lblEEgg.caption, "");
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "");
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "/c:4711");
}

}  // namespace
}  // namespace ostrel
