#pragma once

namespace orvane {

class TestRig;

// -1 when the position is above 0, else +1: the sign the rewind message shows.
int rewindDirection(int position);

// Drive each axis back to position 0 one half-step at a time, StepWait(2) after each.
void rewindPlatform(TestRig& rig);
void rewindKnife(TestRig& rig);

} // namespace orvane
