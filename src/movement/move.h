#pragma once
// The movement engine: moves the text block inside the saver window once per
// tick by one of five animation types. Positions and bounds are in twips;
// the movement area runs from 0 to BoundRight and 0 to BoundBottom.

#include <cstdint>

#include "startup/controls.h"

namespace ostrel {

// IgnoreMouseMoves never goes above this through the animations' raises.
inline constexpr std::int16_t kIgnoreMouseMovesCap = 4;

// The interval of the saver window's tick timer, in milliseconds. Random
// jumping counts its hold time in these ticks.
inline constexpr int kTickIntervalMs = 100;

// Adds to IgnoreMouseMoves, at most up to the cap.
void RaiseIgnoreMouseMoves(std::int16_t amount);

// Moves the block to (left, top) in one operation; its size stays.
void MoveBlock(Panel& block, float left, double top);

// Centres the block in the bounds; raises IgnoreMouseMoves by 2. A failure
// is reported in a message box and leaves the block where it was.
void MoveToCentre(Panel& block);

// The five animation types, for MoveOption 0 to 4. `Started` is 0 on the
// first tick after set-up and 1 afterwards.
void RandomJumping(Panel& block, std::uint8_t Started);
void RandomSliding(Panel& block, std::uint8_t Started);
void BounceOffSides(Panel& block, std::uint8_t Started);
void RandomPath(Panel& block, std::uint8_t Started);
void StationaryInCentre(Panel& block, std::uint8_t Started);

// Bounce off sides' random change of one velocity factor at a bounce: with
// probability `Randomness` (0 to 1) the factor is scaled by a random amount
// in [1 - Randomness, 1 + Randomness) and its magnitude limited to
// MinSpeed .. MaxSpeed, keeping its sign; otherwise it is returned as is.
double VaryBounceSpeed(double Speed, double Randomness, double MaxSpeed, double MinSpeed);

// Back to the state at process start: every type's state zero (for tests).
void ResetMoveState();

}  // namespace ostrel
