#include <gtest/gtest.h>

#include <tuple>

#include "options/links.h"
#include "options_fixture.h"

namespace ostrel {
namespace {

using OptionsAbout = OptionsTest;

TEST(LinkError, NamesTheProgramForTheKindOfLink) {
    // The mail client's text is the one the email link's failure shows.
    EXPECT_EQ(LinkErrorText(2, "http://www.example.com/"),
              "Error 2 opening link to http://www.example.com/\r\nCheck that your browser is "
              "correctly installed.");
    EXPECT_EQ(LinkErrorText(0, "HTTP://WWW.EXAMPLE.COM/"),
              "Error 0 opening link to HTTP://WWW.EXAMPLE.COM/\r\nCheck that your application "
              "handling those files is correctly installed.");
}

TEST_F(OptionsAbout, ActivationFillsTheTextsAndPlacesTheLinksAndTheImageHidesACommandLine) {
    Load("/c:4711");
    dialog->OnActivate();
    // 90 twips a character in the fake; a link follows its text after 60 twips.
    const TextLabel& visit = dialog->visitLabel;
    const TextLabel& copyright = dialog->copyrightLabel;
    EXPECT_EQ(std::tuple(visit.caption, visit.width, dialog->websiteLink.left,
                         dialog->websiteLink.top, dialog->websiteLink.width, copyright.width > 0,
                         dialog->emailLink.left, dialog->emailLink.width),
              std::tuple("visit the Ostrel Screen Saver", 29 * 90, visit.left + 29 * 90 + 60,
                         visit.top, 7 * 90, true, copyright.left + copyright.width + 60, 12 * 90));

    // Only a left click with Shift, Ctrl and Alt held toggles the command line.
    const auto click = [&](int button, int shift) {
        dialog->OnIconMouseDown(button, shift);
        return dialog->commandLineLabel.caption;
    };
    EXPECT_EQ((std::vector{click(1, 3), click(2, 7), click(1, 7), click(1, 7), click(1, 7)}),
              (std::vector<std::string>{"", "", "/c:4711", "", "/c:4711"}));
    dialog->OnActivate();  // empties it; the toggle stays on, so the next click hides
    EXPECT_EQ((std::vector{dialog->commandLineLabel.caption, click(1, 7), click(1, 7)}),
              (std::vector<std::string>{"", "", "/c:4711"}));
}

TEST_F(OptionsAbout, LinksOpenUnderTheBusyPointerAndAFailureIsShown) {
    Load();
    dialog->OnActivate();
    dialog->OnWebsiteLink();
    dialog->OnEmailLink();
    shell().openResult = {false, 32};
    dialog->OnEmailLink();
    shell().openResult = {true, 0};
    dialog->OnWebsiteLink();
    const std::string web = "http://www.example.com/software/OstrelScreenSaver/";
    const std::string mail = "mailto:alex@example.com?subject=Ostrel Screen Saver 1.4.6";
    EXPECT_EQ(std::tuple(shell().opened, dlg().busyPointer),
              std::tuple(std::vector{web, mail, mail, web},
                         std::vector<bool>{true, false, true, false, true, false, true, false}));
    const auto& m = dlg().messages.at(0);
    EXPECT_EQ(std::tuple(m.text, m.caption, m.icon, dlg().messages.size()),
              std::tuple("Error 32 opening link to " + mail +
                             "\r\nCheck that your mail client is correctly installed.",
                         "Ostrel Screen Saver", platform::MessageIcon::Exclamation, 1u));
}

}  // namespace
}  // namespace ostrel
