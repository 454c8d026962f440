#pragma once
// Each animation type keeps its state in its own source file; these put it
// back to zero, as at process start.

namespace ostrel {

void ResetRandomJumping();
void ResetRandomSliding();
void ResetBounceOffSides();
void ResetRandomPath();

}  // namespace ostrel
