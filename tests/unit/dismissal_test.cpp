#include <gtest/gtest.h>

#include "fixture.h"
#include "startup/frm_main.h"

namespace ostrel {
namespace {

class Dismissal : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        fake().AddMonitor(platform::kDisplayDeviceAttachedToDesktop, {0, 0, 1024, 768});
        form.Form_Load("/s");
    }
    void MoveAt(double secondsSinceMidnight) {
        fake().secondsSinceMidnight = secondsSinceMidnight;
        form.Form_MouseMove();
    }
    bool Closed() const { return fake::Fake().saverDestroyed; }
    FrmMain form;
};

TEST_F(Dismissal, TenQuickMovesEndOnTheTenth) {
    for (int i = 0; i < 9; ++i) {
        MoveAt(1000 + i * 0.5);
    }
    EXPECT_FALSE(Closed());
    MoveAt(1005);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(fake().cursorCalls, (std::vector<bool>{false, true}));
}

TEST_F(Dismissal, NinePlusALateTenthStillEnds) {
    for (int i = 0; i < 9; ++i) {
        MoveAt(1000 + i);
    }
    MoveAt(1030);
    EXPECT_TRUE(Closed());
}

TEST_F(Dismissal, EightPlusALateNinthStartsAgain) {
    for (int i = 0; i < 8; ++i) {
        MoveAt(1000 + i);
    }
    MoveAt(1011);  // counted as the ninth, then the window of time expires
    EXPECT_FALSE(Closed());
    EXPECT_EQ(form.MoveEventCount, 0);
    EXPECT_EQ(form.FirstMoveTime, 0);
    for (int i = 0; i < 9; ++i) {
        MoveAt(1012 + i * 0.1);
    }
    EXPECT_FALSE(Closed());
    MoveAt(1013);
    EXPECT_TRUE(Closed());
}

TEST_F(Dismissal, AnnouncedMovesAreSwallowed) {
    G().IgnoreMouseMoves = 4;
    for (int i = 0; i < 4; ++i) {
        MoveAt(1000);
    }
    EXPECT_EQ(G().IgnoreMouseMoves, 0);
    EXPECT_EQ(form.MoveEventCount, 0);
    for (int i = 0; i < 9; ++i) {
        MoveAt(1000);
    }
    EXPECT_FALSE(Closed());
}

TEST_F(Dismissal, KeysAndClicksEnd) {
    form.Form_KeyDown();
    EXPECT_TRUE(Closed());
    fake::ResetFake();
    FrmMain other;
    other.Form_Load("/s");
    other.Form_MouseDown();
    EXPECT_TRUE(fake().saverDestroyed);
}

TEST_F(Dismissal, PreviewIgnoresEverything) {
    FrmMain preview;
    fake::ResetFake();
    preview.Form_Load("/p 77");
    G().IgnoreMouseMoves = 3;
    for (int i = 0; i < 20; ++i) {
        preview.Form_MouseMove();
    }
    preview.Form_KeyDown();
    preview.Form_MouseDown();
    EXPECT_FALSE(fake().saverDestroyed);
    EXPECT_EQ(preview.MoveEventCount, 0);
    EXPECT_EQ(G().IgnoreMouseMoves, 3);
}

TEST_F(Dismissal, WindowOfTimeExpiresAcrossMidnight) {
    for (int i = 0; i < 5; ++i) {
        MoveAt(86395 + i * 0.5);  // opened five seconds before midnight
    }
    MoveAt(20.0);  // 25 seconds later: the count starts again
    EXPECT_EQ(form.MoveEventCount, 0);
    EXPECT_EQ(form.FirstMoveTime, 0);
    // A window that is still open across midnight keeps counting.
    for (int i = 0; i < 5; ++i) {
        MoveAt(86398 + i * 0.1);
    }
    MoveAt(3.0);
    EXPECT_EQ(form.MoveEventCount, 6);
    EXPECT_FALSE(Closed());
}

TEST_F(Dismissal, FirstMoveJustAfterMidnightCountsAsUnset) {
    MoveAt(0.3);  // rounds to 0, which means "no window of time"
    EXPECT_EQ(form.FirstMoveTime, 0);
    MoveAt(5.0);
    EXPECT_EQ(form.FirstMoveTime, 5);
    EXPECT_EQ(form.MoveEventCount, 2);
    // A first time rounded up a little past now is no expiry.
    MoveAt(100.0);
    EXPECT_EQ(form.MoveEventCount, 0);
    MoveAt(99.6);
    EXPECT_EQ(form.FirstMoveTime, 100);
    MoveAt(99.7);
    EXPECT_EQ(form.MoveEventCount, 2);
}

}  // namespace
}  // namespace ostrel
