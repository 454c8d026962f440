#include "movement/animation.h"

namespace ostrel {

Animation::Animation(std::int16_t type, std::int16_t bounceRandomnessTenths) {
    switch (static_cast<AnimationType>(type)) {
        case AnimationType::RandomJumping:
            kind_ = RandomJumping{};
            break;
        case AnimationType::RandomSliding:
            kind_ = RandomSliding{};
            break;
        case AnimationType::BounceOffSides:
            kind_ = BounceOffSides{bounceRandomnessTenths};
            break;
        case AnimationType::RandomPath:
            kind_ = RandomPath{};
            break;
        case AnimationType::StationaryInCentre:
            kind_ = StationaryInCentre{};
            break;
    }
}

void Animation::Step(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                     IgnoredMouseMoves& ignored, Random& random, bool firstTick) {
    std::visit(
        [&](auto& animation) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(animation)>, std::monostate>) {
                animation.Step(windowing, block, area, ignored, random, firstTick);
            }
        },
        kind_);
}

}  // namespace ostrel
