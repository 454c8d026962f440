#include <gtest/gtest.h>

#include <optional>

#include <tuple>

#include "fixture.h"
#include "startup/saver_window.h"

namespace ostrel {
namespace {

// A burst of pointer movements: the first at a time, their count, the seconds
// between them.
using Burst = std::tuple<double, int, double>;

class Dismissal : public PlatformTest {
  protected:
    void SetUp() override {
        ResetFakes();
        saver.emplace(fakes->services());
        saver->Load(Request(platform::RunMode::FullScreen));
    }
    void Move(const std::vector<Burst>& bursts) {
        for (const auto& [from, count, step] : bursts) {
            for (int i = 0; i < count; ++i) {
                sys().secondsSinceMidnight = from + i * step;
                saver->OnMouseMove();
            }
        }
    }
    std::optional<SaverWindow> saver;
};

TEST_F(Dismissal, TenthCountedMoveWithinTenSecondsEnds) {
    // The movements, those announced beforehand; whether the saver ended, the
    // count and the time of the first counted movement after them.
    const std::tuple<std::vector<Burst>, std::int16_t, bool, int, int> cases[] = {
        {{{1000, 9, 0.5}}, 0, false, 9, 1000},               // nine quick
        {{{1000, 9, 0.5}, {1005, 1, 0}}, 0, true, 0, 1000},  // ten quick
        {{{1000, 9, 1}, {1030, 1, 0}}, 0, true, 0, 1000},    // nine and a late tenth
        {{{1000, 13, 0}}, 4, false, 9, 1000},                // four announced: swallowed
        // A late ninth is counted, then the time runs out: counting starts again.
        {{{1000, 8, 1}, {1011, 1, 0}}, 0, false, 0, 0},
        {{{1000, 8, 1}, {1011, 1, 0}, {1012, 9, 0.1}, {1013, 1, 0}}, 0, true, 0, 1012},
        // Opened five seconds before midnight: 25 seconds later it starts again.
        {{{86395, 5, 0.5}, {20, 1, 0}}, 0, false, 0, 0},
        {{{86398, 5, 0.1}, {3, 1, 0}}, 0, false, 6, 86398},  // still open across midnight
        // 0.3 rounds to 0, "no window of time": the next movement opens one.
        {{{0.3, 1, 0}, {5, 1, 0}}, 0, false, 2, 5},
        {{{99.6, 1, 0}, {99.7, 1, 0}}, 0, false, 2, 100},   // a first time rounded up: no expiry
        {{{1000, 1, 0}, {1010, 1, 0}}, 0, false, 2, 1000},  // ten seconds exactly: still open
        {{{1000, 1, 0}, {1010.01, 1, 0}}, 0, false, 0, 0},  // just past them: closed
    };
    for (const auto& [moves, announced, closed, count, first] : cases) {
        SetUp();
        saver->ignoredMouseMoves.set(announced);
        Move(moves);
        EXPECT_EQ(std::tuple(win().saverDestroyed, saver->countedMoves, saver->firstMoveSecond,
                             saver->ignoredMouseMoves.count()),
                  std::tuple(closed, count, first, 0))
            << std::get<0>(moves[0]) << " " << moves.size();
    }
}

TEST_F(Dismissal, WhereTheSystemReportsNoMovesOfTheBlockTheUsersFirstMoveCounts) {
    // Random sliding centres on its first tick and slides: four announced.
    for (const bool reports : {true, false}) {
        SetUp();
        win().reportsBlockMoves = reports;
        saver->animation = Animation(1, 0);
        saver->OnTick();
        Move({{1000, 1, 0}});
        EXPECT_EQ(std::tuple(saver->ignoredMouseMoves.count(), saver->countedMoves),
                  reports ? std::tuple(3, 0) : std::tuple(0, 1));
    }
}

TEST_F(Dismissal, AKeyOrAClickEndsButAPreviewIgnoresEverything) {
    win().clientRects[77] = {0, 0, 152, 112};
    saver.emplace(fakes->services());
    saver->Load(Request(platform::RunMode::Preview, 77));
    saver->ignoredMouseMoves.set(3);
    Move({{1000, 20, 0}});
    saver->OnKeyDown();
    saver->OnMouseDown();
    EXPECT_EQ(
        std::tuple(win().saverDestroyed, saver->countedMoves, saver->ignoredMouseMoves.count()),
        std::tuple(false, 0, 3));

    for (const auto end : {&SaverWindow::OnKeyDown, &SaverWindow::OnMouseDown}) {
        SetUp();
        ((*saver).*end)();
        EXPECT_TRUE(win().saverDestroyed);
    }
}

}  // namespace
}  // namespace ostrel
