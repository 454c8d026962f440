#include <gtest/gtest.h>

#include <tuple>

#include "fixture.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

using platform::RunMode;
using platform::RunRequest;
using Rect = platform::PixelRect;

class StartUp : public PlatformTest {
  protected:
    // Also called again by tests that start several times in a row.
    void SetUp() override {
        ResetFakes();
        saver = std::make_unique<SaverWindow>(fakes->services());
    }
    bool Closed() const { return fakes->windowing.saverDestroyed; }
    auto Bounds() const {
        const MovementArea& b = saver->movementArea;
        return std::tuple(b.leftTwips, b.rightTwips, b.topTwips, b.bottomTwips);
    }
    std::unique_ptr<SaverWindow> saver;
};

TEST_F(StartUp, FullScreenCoversEveryMonitorAndTheOptionNarrowsOnlyTheArea) {
    // Twips per pixel 15 across, 12 down. The area is in the window's
    // coordinates (left, right, top, bottom), which start at the top-left
    // corner of all monitors.
    const std::tuple<Rect, Rect, std::int32_t, std::tuple<int, int, int, int>> cases[] = {
        // monitors left of, above and right of the primary: all of them
        {{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}, 0, {0, 53760, 0, 21504}},
        // the primary: 1280 pixels across and 1024 down the window
        {{-1280, -1024, 2304, 768}, {0, 0, 1024, 768}, 1, {19200, 34560, 12288, 21504}},
        // only right of the primary: the area is what it always was
        {{0, 0, 2048, 900}, {0, 0, 1024, 768}, 1, {0, 15360, 0, 9216}},
    };
    for (const auto& [all, primary, constrain, area] : cases) {
        SetUp();
        win().layout = {all, primary};
        Store("Options", constrain);
        saver->Load(Request(RunMode::FullScreen));
        EXPECT_EQ(std::tuple(win().covered, Bounds(), win().saverCaption, win().pointerVisible,
                             win().tickIntervalMs,
                             Closed() || saver->previewMode || saver->infoLabel.visible ||
                                 saver->networkLabel.visible || saver->cpuSampler == nullptr),
                  std::tuple(all, area, "OstrelSS", std::vector<bool>{false}, 100, false))
            << all.left << " " << constrain;
    }
}

TEST_F(StartUp, AnAreaTooWideForItsNumbersIsCriticalBeforeTheWindowCovers) {
    win().layout = {{INT32_MIN, 0, 100, 768}, {0, 0, 100, 768}};
    saver->Load(Request(RunMode::FullScreen));
    EXPECT_EQ(
        std::tuple(win().covered.has_value(), win().messages.at(0).text, Closed()),
        std::tuple(false, "Critical Error encountered while loading screen saver: \rOverflow [6]",
                   true));
}

TEST_F(StartUp, OtherModesDoTheirOneJobAndClose) {
    // Each case: the request, the options dialog shown, the owner of a
    // password change asked for (-1: none). Another full-screen instance runs
    // throughout: only the full screen looks for it.
    const std::tuple<RunRequest, int, platform::WindowHandle> cases[] = {
        {Request(RunMode::Options), 1, -1},
        {Request(RunMode::ChangePassword, 1234), 0, 1234},
        {Request(RunMode::ChangePassword, 0), 0, 0},
        {Request(RunMode::FullScreen), 0, -1},
        {Request(RunMode::None, 1234), 0, -1}};
    for (const auto& [request, options, password] : cases) {
        SetUp();
        win().windowsByTitle["OstrelSS"] = 0x2222;
        saver->Load(request);
        using Owners = std::vector<platform::WindowHandle>;
        EXPECT_EQ(std::tuple(Closed(), win().programEnded, win().covered.has_value(),
                             win().messages.size(), win().saverCaption, saver->cpuSampler.get(),
                             win().tickIntervalMs, dlg().windowShown, shell().passwordChanges,
                             win().pointerVisible),
                  std::tuple(true, false, false, 0u, "", nullptr, std::nullopt, options,
                             password < 0 ? Owners{} : Owners{password},
                             std::vector<bool>{true}))  // the pointer shown again on closing
            << static_cast<int>(request.mode);
    }
}

TEST_F(StartUp, TheOptionsDialogShowsTheArgumentsOverTheRecordTheSaverLoaded) {
    Store("FontName", std::string("Arial"));
    saver->Load(Request(RunMode::Options, 0, std::nullopt, "/c:1234"));
    ASSERT_NE(saver->optionsDialog, nullptr);
    EXPECT_EQ(
        std::tuple(dlg().createdFor, saver->optionsDialog->settings,
                   saver->optionsDialog->commandLine, saver->optionsDialog->fontSample.font.name),
        std::tuple(saver->optionsDialog.get(), &saver->settings, "/c:1234", "Arial"));
}

TEST_F(StartUp, EveryModeFirstSeedsItsDrawsAndTakesTheNameTheColoursAndWhatItCanOfTheFont) {
    // 2160 points is the largest size a font takes. A face or a size the
    // system refuses leaves the design-time one, and the rest is still taken.
    // Both start at the same time of day, so both draw the same numbers.
    std::vector<float> firstDraws;
    for (const auto& [face, size, shownFace, shownSize] :
         {std::tuple("Tahoma", 2160, "Tahoma", 2160.0f),
          std::tuple("No Such Face", 2161, "Verdana", 9.75f)}) {
        SetUp();
        Store("FontName", std::string(face));
        Store("FontSize", size);
        Store("FontSettings", 11);  // bold, italic and underlined
        Store("FontColour", 0x00FF00);
        Store("BgColour", 255);
        saver->Load(Request(RunMode::Options));
        firstDraws.push_back(saver->random.Draw());
        for (const Label* l : {&saver->infoLabel, &saver->networkLabel}) {
            const TextFont& f = l->font;
            EXPECT_EQ(std::tuple(saver->computerName, win().saverBackground, saver->backColour,
                                 win().messages.size(), f.name, f.sizePoints, f.bold, f.italic,
                                 f.strikethrough, f.underline, l->foreColour),
                      std::tuple("TESTBOX", 255u, 255u, 0u, shownFace, shownSize, true, true, false,
                                 true, 0x00FF00u))
                << face;
        }
    }
    EXPECT_EQ(firstDraws[0], firstDraws[1]);
    SetUp();
    sys().computerName.reset();
    saver->Load(Request(RunMode::None));
    EXPECT_EQ(saver->computerName, "");
}

TEST_F(StartUp, FailuresWhileLoadingAreCriticalInEveryModeAndNeverTick) {
    const auto expectCritical = [&](RunRequest request, const std::string& error) {
        saver->Load(request);
        const auto& m = win().messages.at(0);
        EXPECT_EQ(
            std::tuple(win().messages.size(), m.text, m.caption, m.icon, Closed(),
                       win().programEnded, dlg().windowShown, shell().passwordChanges.size(),
                       win().tickIntervalMs.has_value()),
            std::tuple(1u, "Critical Error encountered while loading screen saver: \r" + error,
                       "Ostrel Screen Saver", platform::MessageIcon::Critical, true, true, 0, 0u,
                       false));
        SetUp();
    };
    shell().passwordFailure =
        Failure{453, "Can't find DLL entry point PwdChangePasswordA in mpr", ""};
    expectCritical(Request(RunMode::ChangePassword),
                   "Can't find DLL entry point PwdChangePasswordA in mpr [453]");
    // An owner whose number could not be read fails before the dialog shows.
    expectCritical(Request(RunMode::ChangePassword, 0, Failure{6, "Overflow", ""}), "Overflow [6]");
    Store("DisplayItems", 40000);
    expectCritical(Request(RunMode::FullScreen), "Overflow [6]");
    sys().processorFiguresAvailable = false;
    expectCritical(Request(RunMode::Options), "Can't get the Windows version [-2147213503]");
}

TEST_F(StartUp, CloseHandlerRunsOnceHoweverTheWindowEnds) {
    for (bool fromOutside : {false, true}) {
        SetUp();
        saver->Load(Request(RunMode::FullScreen));
        fromOutside ? saver->OnDestroyed() : saver->OnKeyDown();
        const std::vector<bool> afterFirst = win().pointerVisible;  // shown again at once
        fromOutside ? saver->Close() : saver->OnDestroyed();
        EXPECT_EQ(std::tuple(afterFirst, win().pointerVisible, saver->cpuSampler.get()),
                  std::tuple(std::vector<bool>{false, true}, afterFirst, nullptr))
            << fromOutside;
    }
}

TEST_F(StartUp, PreviewEmbedsInItsHostWithAQuarterOfTheFont) {
    // The font size rounds half to even. A host that names no window (the
    // only one is elsewhere) ends the preview after its set-up: nothing else
    // ever would.
    for (const auto& [size, points, host] :
         {std::tuple(10, 2.0f, true), std::tuple(14, 4.0f, false)}) {
        SetUp();
        Store("FontSize", size);
        win().clientRects[host ? 1234 : 99] = {0, 0, 152, 112};
        saver->Load(Request(RunMode::Preview, 1234));
        EXPECT_EQ(std::tuple(saver->infoLabel.font.sizePoints, saver->networkLabel.font.sizePoints,
                             saver->previewMode, saver->previewHost, win().embedded, Closed(),
                             win().tickIntervalMs.has_value(), win().messages.empty(),
                             saver->infoLabel.visible || saver->networkLabel.visible),
                  std::tuple(points, points, true, 1234,
                             fake::Embedding{1234, host ? 152 : 0, host ? 112 : 0}, !host, host,
                             true, false))
            << size;
        EXPECT_EQ(Bounds(), std::tuple(0, host ? 2280 : 0, 0, host ? 1344 : 0));
    }
}

TEST_F(StartUp, AFailedPreviewSetUpIsReportedAndEndsEvenWithAHost) {
    // A host whose number could not be read, and fonts a quarter of which
    // no label takes (too large, below zero).
    const std::tuple<RunRequest, std::int32_t, const char*> cases[] = {
        {Request(RunMode::Preview, 0, Failure{6, "Overflow", ""}), 10,
         "Failed to setup preview mode:\r\n[6] Overflow"},
        {Request(RunMode::Preview, 1234), 10000,
         "Failed to setup preview mode:\r\n[380] Invalid property value"},
        {Request(RunMode::Preview, 1234), -8,  // a quarter is -2 points
         "Failed to setup preview mode:\r\n[380] Invalid property value"}};
    for (const auto& [request, size, text] : cases) {
        SetUp();
        win().clientRects[1234] = {0, 0, 152, 112};
        win().clientRects[0] = {0, 0, 152, 112};
        Store("FontSize", size);
        saver->Load(request);
        const auto& m = win().messages.at(0);
        EXPECT_EQ(
            std::tuple(win().messages.size(), m.text, m.caption, m.icon,
                       saver->previewMode && Closed() && !win().tickIntervalMs && !win().embedded),
            std::tuple(1u, text, "Ostrel Screen Saver", platform::MessageIcon::None, true));
    }
}

}  // namespace
}  // namespace ostrel
