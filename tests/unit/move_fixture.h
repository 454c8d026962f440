#pragma once
// Animation tests: a fresh movement engine, a block of known size in an area
// of known size, and either scripted or seeded random draws.

#include <algorithm>
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
        started = 0;
        G().bounds = {0, 15360, 0, 11520};
        block = {.widthTwips = 3000, .heightTwips = 1200};
    }
    // A preview window of 152 x 112 pixels with a block to match.
    void Preview(std::int32_t right = 2280, std::int32_t bottom = 1680) {
        G().bounds = {0, right, 0, bottom};
        block = {.widthTwips = 750, .heightTwips = 300};
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

    // Starts afresh on the real generator and runs many ticks, draining
    // IgnoreMouseMoves now and then as the mouse-move handler would; every
    // position must lie within the slack (twips) of the legal area.
    void RunSeeded(Animation animation, double seed, int ticks, double slackX, double slackY) {
        // As at process start: the centring raises IgnoreMouseMoves past the cap otherwise.
        ResetMoveState();
        started = 0;
        G().IgnoreMouseMoves = 0;
        fake().panelMoves.clear();
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
            // Written so that a position that is not a number fails too.
            ASSERT_TRUE(block.leftTwips >= -slackX &&
                        block.leftTwips <= b.BoundRight - block.widthTwips + slackX &&
                        block.topTwips >= -slackY &&
                        block.topTwips <= b.BoundBottom - block.heightTwips + slackY)
                << "tick " << i << " at " << block.leftTwips << ", " << block.topTwips;
        }
    }

    Panel block;
    std::uint8_t started = 0;
    std::shared_ptr<std::deque<float>> script;
};

}  // namespace ostrel
