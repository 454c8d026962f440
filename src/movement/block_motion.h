#pragma once
// What every animation works with: the text block it moves, the area it
// moves in, and the pointer movements its own motion causes. Positions and
// sizes are in twips of the saver window.

#include <cstdint>

#include "common/random.h"
#include "platform/services.h"

namespace ostrel {

// The block of text: its top-left corner (single precision, as the window
// keeps it) and its size.
struct TextBlock {
    float leftTwips = 240.0f;
    float topTwips = 240.0f;
    std::int32_t widthTwips = 3015;
    std::int32_t heightTwips = 1455;
};

// Where the block may go, in the saver window's coordinates, written once
// when the window is set up: all monitors, or the primary one only.
struct MovementArea {
    std::int32_t leftTwips = 0;
    std::int32_t topTwips = 0;
    std::int32_t rightTwips = 0;
    std::int32_t bottomTwips = 0;

    std::int32_t WidthTwips() const { return rightTwips - leftTwips; }
    std::int32_t HeightTwips() const { return bottomTwips - topTwips; }
};

// The interval of the saver window's tick, in milliseconds. Random jumping
// counts its hold time in these ticks.
inline constexpr int kTickIntervalMs = 100;

// Moving the block under a resting pointer makes the system report pointer
// movements; the animations announce them here so that the input handler
// does not count them towards ending the saver.
class IgnoredMouseMoves {
  public:
    // The animations' own raises never take the count above this.
    static constexpr std::int16_t kCap = 4;

    // Adds to the count, at most up to the cap.
    void Raise(std::int16_t amount);
    // Adds 2 without the cap, for the centring; raises the overflow failure
    // past the 16-bit range.
    void RaiseForCentring();
    // Uses up one announced movement; false when none is left.
    bool TakeOne();

    std::int16_t count() const { return count_; }
    void set(std::int16_t count) { count_ = count; }

  private:
    std::int16_t count_ = 0;
};

// Moves the block to (left, top) in one operation; its size stays.
void MoveBlock(platform::Windowing& windowing, TextBlock& block, float left, double top);

// Centres the block in the area and announces two pointer movements. A
// failure is reported in a message box and leaves the block where it was.
void MoveToCentre(platform::Windowing& windowing, TextBlock& block, const MovementArea& area,
                  IgnoredMouseMoves& ignored);

}  // namespace ostrel
