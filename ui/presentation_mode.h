// Presentation mode: the window shown to a class on a projector, where every
// text must read from the back row. Its texts are at least 20 pixels tall on
// a 1080-line screen and as much in proportion on others; the choice is kept
// in the program's settings.
#pragma once

namespace breathlab {

inline constexpr int kPresentationTextPx = 20;
inline constexpr int kPresentationScreenHeight = 1080;

// The smallest text, in pixels, of presentation mode on a screen of that height.
int PresentationTextPx(int screenHeight);

bool KeptPresentationSetting();
void KeepPresentationSetting(bool on);

} // namespace breathlab
