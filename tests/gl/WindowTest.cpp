// The window and the platform input on a real X display: closing, and the
// keyboard, mouse and cursor as SDL reports them.
#include <SDL.h>

#include <cstdlib>
#include <string>

#include "GlFixture.h"
#include "VXInput.h"
#include "XClose.h"

namespace {

using WindowTest = GlTest;

// Pumps and samples until the condition holds or a second has passed.
template <typename Cond>
bool PumpUntil(Cond cond) {
  for (int i = 0; i < 50; ++i) {
    VXSysUpdate();
    VXInputUpdate();
    if (cond()) return true;
    SDL_Delay(20);
  }
  return false;
}

void Xdotool(const std::string& args) {
  ASSERT_EQ(0, std::system(("xdotool " + args).c_str())) << args;
}

TEST_F(WindowTest, ClosingTheWindowClearsTheFlagInTheUpdateThatSeesIt) {
  const unsigned long window = XWindowOf(VXSysGetWindowHandle());
  ASSERT_NE(0ul, window);
  ASSERT_TRUE(SendWindowClose(window));
  bool closed = false;
  for (int i = 0; i < 50 && !closed; ++i) {
    VXSysUpdate();
    closed = VXSysDoesWindowExist() == 0;
    if (closed) {
      EXPECT_EQ(nullptr, VXSysGetWindowHandle());  // destroyed within that same update
    }
    SDL_Delay(20);
  }
  EXPECT_TRUE(closed);
  // The frames that run until the loop ends draw nothing and do not fail.
  VXGfxVertexList* quad = Quad(10, 10, 0xFFFFFFFFu);
  VXSysFrameStart();
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxSetPosition(0, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  VXSysFrameEnd();
}

TEST_F(WindowTest, CloseCallActsLikeTheUser) {
  VXSysCloseWindow();
  EXPECT_EQ(0, VXSysDoesWindowExist());
  VXSysFrameStart();
  VXSysFrameEnd();
  EXPECT_EQ(0, VXSysDoesWindowExist());
}

TEST_F(WindowTest, TitleCanBeReplaced) {
  EXPECT_EQ(1, VXSysSetWindowTitle("Orvane"));
  EXPECT_STREQ("Orvane", SDL_GetWindowTitle(static_cast<SDL_Window*>(VXSysGetWindowHandle())));
}

TEST_F(WindowTest, CursorIsInClientPixelsAndOutsideTheWindowGoesNegative) {
  int wx = 0, wy = 0;
  SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &wx, &wy);
  Xdotool("mousemove " + std::to_string(wx + 20) + " " + std::to_string(wy + 120));
  EXPECT_TRUE(PumpUntil([] { return gVXInputMouseX == 20 && gVXInputMouseY == 120; }))
      << gVXInputMouseX << ", " << gVXInputMouseY;
  if (wx >= 5) {
    Xdotool("mousemove " + std::to_string(wx - 5) + " " + std::to_string(wy + 120));
    EXPECT_TRUE(PumpUntil([] { return gVXInputMouseX == -5; })) << gVXInputMouseX;
  }
}

TEST_F(WindowTest, KeysAndButtonsFillTheVirtualKeyTable) {
  int wx = 0, wy = 0;
  SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &wx, &wy);
  // With no window manager the keyboard follows the pointer.
  Xdotool("mousemove " + std::to_string(wx + 100) + " " + std::to_string(wy + 100));
  PumpUntil([] { return false; });
  Xdotool("keydown b keydown Escape keydown Shift_L keydown 7 mousedown 1");
  EXPECT_TRUE(PumpUntil([] {
    return VXInputCheckCurr(VX_KEY_B) && VXInputCheckCurr(VX_KEY_ESCAPE) && VXInputCheckCurr(VX_KEY_SHIFT) &&
           VXInputCheckCurr(0xA0) && VXInputCheckCurr(0x37) && VXInputCheckCurr(VX_KEY_LBUTTON);
  }));
  Xdotool("keyup b keyup Escape keyup Shift_L keyup 7 mouseup 1");
  EXPECT_TRUE(PumpUntil([] {
    return !VXInputCheckCurr(VX_KEY_B) && !VXInputCheckCurr(VX_KEY_ESCAPE) && !VXInputCheckCurr(VX_KEY_SHIFT) &&
           !VXInputCheckCurr(VX_KEY_LBUTTON);
  }));
}

}  // namespace
