#include <gtest/gtest.h>

#include <tuple>

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

TEST_F(OptionsAbout, ActivationFillsTheTextsAndPlacesTheLinksAndTheImageHidesACommandLine) {
    Load("/c:4711");
    form.lblEEgg.caption = "left over";
    form.Form_Activate();
    EXPECT_EQ(std::tuple(form.lblEEgg.caption, form.szMailSubject, form.lblVisit.caption),
              std::tuple("", "Ostrel Screen Saver 1.4.6", "visit the Ostrel Screen Saver"));
    // 90 twips a character in the fake; a link follows its text after 60 twips.
    EXPECT_EQ(std::tuple(form.lblVisit.width, form.lblWebsite.left, form.lblWebsite.top),
              std::tuple(29 * 90, form.lblVisit.left + 29 * 90 + 60, form.lblVisit.top));
    EXPECT_GT(form.lblCopyright.width, 0);
    EXPECT_EQ(form.lblEmail.left, form.lblCopyright.left + form.lblCopyright.width + 60);
    // The hand pointer shows over the links only.
    form.Link_MouseMove();
    EXPECT_EQ(form.Pointer, MousePointer::Hand);
    form.Form_MouseMove();
    EXPECT_EQ(form.Pointer, MousePointer::Default);

    form.Image_MouseDown(1, 3);  // Ctrl and Shift only
    form.Image_MouseDown(2, 7);  // not the left button
    EXPECT_EQ(form.lblEEgg.caption, "");
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "/c:4711");
    form.Form_Activate();  // empties it, the toggle stays on
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "");
    form.Image_MouseDown(1, 7);
    EXPECT_EQ(form.lblEEgg.caption, "/c:4711");
}

TEST_F(OptionsAbout, LinksOpenUnderTheBusyPointerAndAFailureIsShown) {
    Load();
    form.Form_Activate();
    form.lblWebsite_Click();
    form.lblEmail_Click();
    const auto& opened = fake().shellOpened;
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(opened[0].starts_with("http://") &&
                opened[0].find("example.") != std::string::npos &&
                opened[0].ends_with("/software/OstrelScreenSaver/"))
        << opened[0];
    EXPECT_TRUE(opened[1].starts_with("mailto:") &&
                opened[1].ends_with("?subject=Ostrel Screen Saver 1.4.6"))
        << opened[1];
    EXPECT_EQ(fake().busyPointer, (std::vector<bool>{true, false, true, false}));

    fake().shellResult = 31;
    form.lblEmail_Click();
    fake().shellResult = 33;  // above 32: opened
    form.lblWebsite_Click();
    ASSERT_EQ(fake().optionsMessages.size(), 1u);
    const auto& m = fake().optionsMessages[0];
    EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
              std::tuple(LinkErrorText(31, opened[2]), "Ostrel Screen Saver", 48u));
    EXPECT_EQ(fake().busyPointer.back(), false);
}

}  // namespace
}  // namespace ostrel
