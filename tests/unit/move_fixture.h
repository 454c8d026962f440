#pragma once
// Animation tests: a block of known size in an area of known size, and
// either scripted or seeded random draws.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "common/random.h"
#include "fixture.h"
#include "movement/animation.h"

namespace ostrel {

class MoveTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        animation.reset();
        firstTick = true;
        ignored = {};
        bounceRandomness = 0;
        area = {0, 0, 15360, 11520};
        block = {.widthTwips = 3000, .heightTwips = 1200};
    }
    // A preview window of 152 x 112 pixels with a block to match.
    void Preview(std::int32_t right = 2280, std::int32_t bottom = 1680) {
        area = {0, 0, right, bottom};
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

    // Steps the animation of the type, built on its first step as the saver
    // builds it at start-up.
    void Tick(AnimationType type, int times = 1) {
        if (!animation) {
            animation.emplace(static_cast<std::int16_t>(type), bounceRandomness);
        }
        for (int i = 0; i < times; ++i) {
            animation->Step(block, area, ignored, firstTick);
            firstTick = false;
        }
    }
    std::pair<float, float> LastMove() { return fake().textBlockMoves.back(); }
    std::size_t MoveCount() { return fake().textBlockMoves.size(); }

    // Starts afresh on the real generator and runs many ticks, draining the
    // announced movements now and then as the mouse-move handler would; every
    // position must lie within the slack (twips) of the legal area.
    void RunSeeded(AnimationType type, double seed, int ticks, double slackX, double slackY) {
        animation.reset();
        firstTick = true;
        ignored = {};
        fake().textBlockMoves.clear();
        SetRandomSource({});
        SeedRandom(seed);
        for (int i = 0; i < ticks; ++i) {
            if (i % 5 == 0) {
                ignored.set(static_cast<std::int16_t>(std::max(0, ignored.count() - (i / 5) % 4)));
            }
            Tick(type);
            ASSERT_LE(ignored.count(), IgnoredMouseMoves::kCap) << "tick " << i;
            // Written so that a position that is not a number fails too.
            ASSERT_TRUE(block.leftTwips >= -slackX &&
                        block.leftTwips <= area.rightTwips - block.widthTwips + slackX &&
                        block.topTwips >= -slackY &&
                        block.topTwips <= area.bottomTwips - block.heightTwips + slackY)
                << "tick " << i << " at " << block.leftTwips << ", " << block.topTwips;
        }
    }

    std::optional<Animation> animation;
    std::int16_t bounceRandomness = 0;
    TextBlock block;
    MovementArea area;
    IgnoredMouseMoves ignored;
    bool firstTick = true;
    std::shared_ptr<std::deque<float>> script;
};

}  // namespace ostrel
