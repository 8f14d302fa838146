#pragma once
// The pump-stroke side of drilling mode that saving the lag settings drives.

namespace drilling {

// Stops the stroke thread of `pump` (0 to 2) when it runs, else starts it.
void TogglePumpThread(int pump);
// Lets the stroke counter take the drilling object's new lag settings.
void ApplyLagSettings();
// Erases the strokes text box.
void ClearStrokeBox();

}  // namespace drilling
