#include <cmath>
#include <string>

#include "common/app.h"
#include "common/failure.h"
#include "common/global.h"
#include "movement/animation_state.h"
#include "movement/move.h"
#include "platform/windowing.h"

namespace ostrel {

void RaiseIgnoreMouseMoves(std::int16_t amount) {
    const int raised = G().IgnoreMouseMoves + amount;
    G().IgnoreMouseMoves =
        static_cast<std::int16_t>(raised > kIgnoreMouseMovesCap ? kIgnoreMouseMovesCap : raised);
}

void MoveBlock(Panel& block, float left, double top) {
    block.leftTwips = left;
    block.topTwips = static_cast<float>(top);
    platform::MovePanel(block.leftTwips, block.topTwips);
}

void MoveToCentre(Panel& block) {
    try {
        // No cap here: only the animations' own raises are capped.
        const int raised = G().IgnoreMouseMoves + 2;
        if (raised > INT16_MAX) {
            ThrowOverflow();
        }
        G().IgnoreMouseMoves = static_cast<std::int16_t>(raised);
        const MoveBounds& b = G().bounds;
        const double left = std::floor((static_cast<double>(b.BoundRight) - block.widthTwips) / 2) -
                            b.BoundLeft / 2.0;
        const double top =
            std::floor((static_cast<double>(b.BoundBottom) - block.heightTwips) / 2) -
            b.BoundTop / 2.0;
        MoveBlock(block, static_cast<float>(left), top);
    } catch (const Failure& f) {
        platform::ShowMessage("Failed to calculate centre position:\r\n[" +
                                  std::to_string(f.number) + "] " + f.description,
                              kAppTitle, platform::kMbOk);
    }
}

void StationaryInCentre(Panel& block, std::uint8_t Started) {
    if (Started == 0) {
        MoveToCentre(block);
    }
}

void ResetMoveState() {
    ResetRandomJumping();
    ResetRandomSliding();
    ResetBounceOffSides();
    ResetRandomPath();
}

}  // namespace ostrel
