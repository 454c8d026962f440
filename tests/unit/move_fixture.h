#pragma once
// Animation tests: a block of known size in an area of known size, and
// scripted draws.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "common/random.h"
#include "fixture.h"
#include "movement/animation.h"

namespace ostrel {

using Moves = std::vector<std::pair<float, float>>;

class MoveTest : public PlatformTest {
  protected:
    void SetUp() override {
        firstTick = true;
        ignored = {};
        area = {0, 0, 15360, 11520};
        block = {.widthTwips = 3000, .heightTwips = 1200};
    }
    // Each draw comes from the list; running out throws, failing the test.
    void Script(std::vector<float> draws) {
        script = std::make_shared<std::deque<float>>(draws.begin(), draws.end());
        random.Script([s = script] {
            const float r = s->at(0);
            s->pop_front();
            return r;
        });
    }
    std::size_t DrawsLeft() const { return script->size(); }

    // Steps the animation of the type, built on its first step as the saver
    // builds it at start-up.
    void Tick(AnimationType type, int times = 1) {
        if (firstTick) {
            animation.emplace(static_cast<std::int16_t>(type), bounceRandomness);
        }
        for (int i = 0; i < times; ++i) {
            animation->Step(win(), block, area, ignored, random, firstTick);
            firstTick = false;
        }
    }
    std::pair<float, float> LastMove() { return win().textBlockMoves.back(); }

    std::optional<Animation> animation;
    std::int16_t bounceRandomness = 0;
    TextBlock block;
    MovementArea area;
    IgnoredMouseMoves ignored;
    bool firstTick = true;
    std::shared_ptr<std::deque<float>> script;
    Random random;
};

}  // namespace ostrel
