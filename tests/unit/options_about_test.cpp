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
    dialog.commandLineLabel.caption = "left over";
    dialog.OnActivate();
    EXPECT_EQ(
        std::tuple(dialog.commandLineLabel.caption, dialog.mailSubject, dialog.visitLabel.caption),
        std::tuple("", "Ostrel Screen Saver 1.4.6", "visit the Ostrel Screen Saver"));
    // 90 twips a character in the fake; a link follows its text after 60 twips.
    EXPECT_EQ(std::tuple(dialog.visitLabel.width, dialog.websiteLink.left, dialog.websiteLink.top),
              std::tuple(29 * 90, dialog.visitLabel.left + 29 * 90 + 60, dialog.visitLabel.top));
    EXPECT_GT(dialog.copyrightLabel.width, 0);
    EXPECT_EQ(dialog.emailLink.left, dialog.copyrightLabel.left + dialog.copyrightLabel.width + 60);
    // The hand pointer shows over the links only.
    dialog.OnPointerOverLink();
    EXPECT_EQ(dialog.pointer, MousePointer::Hand);
    dialog.OnPointerOverBackground();
    EXPECT_EQ(dialog.pointer, MousePointer::Default);

    dialog.OnIconMouseDown(1, 3);  // Ctrl and Shift only
    EXPECT_EQ(dialog.commandLineLabel.caption, "");
    dialog.OnIconMouseDown(2, 7);  // not the left button
    EXPECT_EQ(dialog.commandLineLabel.caption, "");
    dialog.OnIconMouseDown(1, 7);
    EXPECT_EQ(dialog.commandLineLabel.caption, "/c:4711");
    dialog.commandLineLabel.caption = "shown";
    dialog.OnIconMouseDown(1, 7);  // off again: the activation's texts come back
    EXPECT_EQ(std::tuple(dialog.commandLineLabel.caption, dialog.visitLabel.caption),
              std::tuple("", "visit the Ostrel Screen Saver"));
    dialog.OnIconMouseDown(1, 7);
    EXPECT_EQ(dialog.commandLineLabel.caption, "/c:4711");
    dialog.OnActivate();  // empties it, the toggle stays on
    dialog.OnIconMouseDown(1, 7);
    EXPECT_EQ(dialog.commandLineLabel.caption, "");
    dialog.OnIconMouseDown(1, 7);
    EXPECT_EQ(dialog.commandLineLabel.caption, "/c:4711");
}

TEST_F(OptionsAbout, LinksOpenUnderTheBusyPointerAndAFailureIsShown) {
    Load();
    dialog.OnActivate();
    dialog.OnWebsiteLink();
    dialog.OnEmailLink();
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

    fake().shellResult = 32;  // the highest error number
    dialog.OnEmailLink();
    fake().shellResult = 33;  // above 32: opened
    dialog.OnWebsiteLink();
    ASSERT_EQ(fake().optionsMessages.size(), 1u);
    const auto& m = fake().optionsMessages[0];
    EXPECT_EQ(std::tuple(m.text, m.caption, m.style),
              std::tuple("Error 32 opening link to " + opened[2] +
                             "\r\nCheck that your mail client is correctly installed.",
                         "Ostrel Screen Saver", 48u));
    EXPECT_EQ(fake().busyPointer.back(), false);
}

}  // namespace
}  // namespace ostrel
