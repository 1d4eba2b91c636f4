#include "app/placement.hpp"

#include <gtest/gtest.h>

namespace tovalin {
namespace {

TEST(CentreOnScreen, CentresOnTheWholeScreenWithoutClamping) {
  struct Case {
    double screenW, screenH, windowW, windowH;
    float left, top;
  };
  const Case cases[] = {
      {15360, 11520, 6000, 7300, 4680.0f, 2110.0f},
      {15360, 11520, 6000, 7301, 4680.0f, 2109.5f},   // fractional, not truncated
      {15360, 11520, 6000, 12000, 4680.0f, -240.0f},  // taller than the screen
      {15360, 11520, 16000, 7300, -320.0f, 2110.0f},
  };
  for (const Case& c : cases) {
    const WindowPosition p = CentreOnScreen(c.screenW, c.screenH, c.windowW, c.windowH);
    EXPECT_EQ(p.left, c.left);
    EXPECT_EQ(p.top, c.top);
  }
}

}  // namespace
}  // namespace tovalin
