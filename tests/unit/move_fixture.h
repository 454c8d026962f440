#pragma once
// Animation tests: a fresh movement engine, a block of known size in an area
// of known size, and either scripted or seeded random draws.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "common/random.h"
#include "fixture.h"
#include "movement/move.h"

namespace ostrel {

using Animation = void (*)(Panel&, std::uint8_t);

class MoveTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        ResetMoveState();
        Area(15360, 11520);
        block.widthTwips = 3000;
        block.heightTwips = 1200;
    }

    void Area(std::int32_t right, std::int32_t bottom) { G().bounds = {0, right, 0, bottom}; }
    // A preview window of 152 x 112 pixels with a block to match.
    void Preview(std::int32_t right = 2280) {
        Area(right, 1680);
        block.widthTwips = 750;
        block.heightTwips = 300;
    }
    // As at process start, before the first tick.
    void Restart() {
        ResetMoveState();
        started = 0;
        G().IgnoreMouseMoves = 0;
        fake().panelMoves.clear();
    }

    // Each draw comes from the list; running out is a failure of the test.
    void Script(std::vector<float> draws) {
        script = std::make_shared<std::deque<float>>(draws.begin(), draws.end());
        SetRandomSource([s = script] {
            if (s->empty()) {
                ADD_FAILURE() << "more draws taken than scripted";
                return 0.0f;
            }
            const float r = s->front();
            s->pop_front();
            return r;
        });
    }
    std::size_t DrawsLeft() const { return script->size(); }

    void Tick(Animation animation, int times = 1) {
        for (int i = 0; i < times; ++i) {
            animation(block, started);
            started = 1;
        }
    }

    std::pair<float, float> LastMove() { return fake().panelMoves.back(); }
    std::size_t MoveCount() { return fake().panelMoves.size(); }

    // Starts the animation afresh and runs many ticks on the real generator, draining
    // IgnoreMouseMoves now and then as the mouse-move handler would, and checks that every position
    // is finite and stays within the slack (twips) of the legal area.
    void RunSeeded(Animation animation, double seed, int ticks, double slackX, double slackY) {
        Restart();
        SetRandomSource({});
        SeedRandom(seed);
        const MoveBounds& b = G().bounds;
        for (int i = 0; i < ticks; ++i) {
            if (i % 5 == 0) {
                G().IgnoreMouseMoves =
                    static_cast<std::int16_t>(std::max(0, G().IgnoreMouseMoves - (i / 5) % 4));
            }
            Tick(animation);
            ASSERT_LE(G().IgnoreMouseMoves, kIgnoreMouseMovesCap) << "tick " << i;
            ASSERT_TRUE(std::isfinite(block.leftTwips) && std::isfinite(block.topTwips));
            ASSERT_GE(block.leftTwips, -slackX) << "tick " << i;
            ASSERT_GE(block.topTwips, -slackY) << "tick " << i;
            ASSERT_LE(block.leftTwips, b.BoundRight - block.widthTwips + slackX) << "tick " << i;
            ASSERT_LE(block.topTwips, b.BoundBottom - block.heightTwips + slackY) << "tick " << i;
        }
    }

    Panel block;
    std::uint8_t started = 0;
    std::shared_ptr<std::deque<float>> script;
};

}  // namespace ostrel
