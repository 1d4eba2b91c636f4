#pragma once

namespace tovalin {

// The outer position of a window, in twips, as the window system holds it.
struct WindowPosition {
  float left = 0.0f;
  float top = 0.0f;
};

// Centres a window on the whole screen (not the work area). Computed in
// double precision with fractional division and kept in single precision;
// never clamped, so a window taller than the screen gets a negative top.
constexpr WindowPosition CentreOnScreen(double screenWidth, double screenHeight, double windowWidth,
                                        double windowHeight) {
  const double top = screenHeight / 2.0 - windowHeight / 2.0;
  const double left = screenWidth / 2.0 - windowWidth / 2.0;
  return {static_cast<float>(left), static_cast<float>(top)};
}

}  // namespace tovalin
