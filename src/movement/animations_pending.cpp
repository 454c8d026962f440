// Until the moving animations land, every type centres on its first tick
// and then holds still.

#include "movement/move.h"

namespace ostrel {

void RandomJumping(Panel& block, std::uint8_t Started) {
    StationaryInCentre(block, Started);
}
void RandomSliding(Panel& block, std::uint8_t Started) {
    StationaryInCentre(block, Started);
}
void BounceOffSides(Panel& block, std::uint8_t Started) {
    StationaryInCentre(block, Started);
}
void RandomPath(Panel& block, std::uint8_t Started) {
    StationaryInCentre(block, Started);
}
void ResetMoveState() {}

}  // namespace ostrel
