#pragma once
// The few desktop services the non-window code needs: the Shift key's state
// and the beep. The windows install the real ones at start (they need the GUI
// application); tests install their own. Without an installed source Shift
// reads as up and beeps are silent.
#include <functional>

namespace desktop {

void SetShiftStateSource(std::function<bool()> source);
bool IsShiftDown();

void SetBeepSink(std::function<void(unsigned frequencyHz, unsigned durationMs)> sink);
void Beep(unsigned frequencyHz, unsigned durationMs);

}  // namespace desktop
