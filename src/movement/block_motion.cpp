#include "movement/block_motion.h"

#include <cmath>
#include <string>

#include "common/app.h"
#include "common/failure.h"
#include "platform/windowing.h"

namespace ostrel {

void IgnoredMouseMoves::Raise(std::int16_t amount) {
    const int raised = count_ + amount;
    count_ = static_cast<std::int16_t>(raised > kCap ? kCap : raised);
}

void IgnoredMouseMoves::RaiseForCentring() {
    const int raised = count_ + 2;
    if (raised > INT16_MAX) {
        ThrowOverflow();
    }
    count_ = static_cast<std::int16_t>(raised);
}

bool IgnoredMouseMoves::TakeOne() {
    if (count_ < 1) {
        return false;
    }
    --count_;
    return true;
}

void MoveBlock(platform::Windowing& windowing, TextBlock& block, float left, double top) {
    block.leftTwips = left;
    block.topTwips = static_cast<float>(top);
    platform::MoveTextBlock(windowing, block.leftTwips, block.topTwips);
}

void MoveToCentre(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                  IgnoredMouseMoves& ignored) {
    try {
        ignored.RaiseForCentring();
        const double left =
            area.leftTwips +
            std::floor((static_cast<double>(area.WidthTwips()) - block.widthTwips) / 2);
        const double top =
            area.topTwips +
            std::floor((static_cast<double>(area.HeightTwips()) - block.heightTwips) / 2);
        MoveBlock(windowing, block, static_cast<float>(left), top);
    } catch (const Failure& f) {
        platform::ShowMessage(windowing, StepFailureText("Failed to calculate centre position:", f),
                              kAppTitle, platform::MessageIcon::None);
    }
}

}  // namespace ostrel
