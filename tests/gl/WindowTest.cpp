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

// Letters and digits are the keys' places wherever the layout gives no Latin
// letter or digit: B under a Cyrillic or a Greek layout, the digit row under a
// French one. SDL's text input stays off (an input method would take the keys).
TEST_F(WindowTest, LettersAndDigitsRegisterUnderLayoutsWithoutThem) {
  EXPECT_FALSE(SDL_IsTextInputActive());
  struct Layout {
    const char* name;
    SDL_Scancode probe;  // a key whose symbol shows the layout is in force
    SDL_Keycode probeTypes;
    const char* keysym;  // what the key under test types in that layout
    unsigned char key;
  };
  const Layout layouts[] = {{"ru", SDL_SCANCODE_B, 0x438, "Cyrillic_i", VX_KEY_B},
                            {"gr", SDL_SCANCODE_B, 0x3B2, "Greek_beta", VX_KEY_B},
                            {"fr", SDL_SCANCODE_Q, SDLK_a, "ampersand", '1'}};
  int wx = 0, wy = 0;
  SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &wx, &wy);
  Xdotool("mousemove " + std::to_string(wx + 100) + " " + std::to_string(wy + 100));
  for (const Layout& l : layouts) {
    Xdotool(std::string("exec setxkbmap ") + l.name);
    ASSERT_TRUE(PumpUntil([&l] { return SDL_GetKeyFromScancode(l.probe) == l.probeTypes; })) << l.name;
    Xdotool(std::string("keydown ") + l.keysym);
    EXPECT_TRUE(PumpUntil([&l] { return VXInputCheckCurr(l.key); })) << l.name;
    Xdotool(std::string("keyup ") + l.keysym);
    EXPECT_TRUE(PumpUntil([&l] { return !VXInputCheckCurr(l.key); })) << l.name;
  }
  Xdotool("exec setxkbmap us");
}

// The picture and the cursor follow the size the window really gets, in full
// screen and in a window, as when a window manager ignores the fixed size or a
// monitor of another size decides it. 1000 by 820 gives scale factors whose
// products with 960 and 720 fall short in single precision.
TEST_F(WindowTest, PictureAndCursorFollowTheSizeTheWindowReallyGets) {
  const unsigned long window = XWindowOf(VXSysGetWindowHandle());
  VXGfxVertexList* quad = Quad(10, 10, 0xFF00FF00u);
  for (bool full : {true, false}) {
    SCOPED_TRACE(full ? "full screen" : "window");
    VXToogleFullScreen(full);
    PumpUntil([] { return false; });
    Xdotool("windowsize " + std::to_string(window) + " 1000 820");
    EXPECT_TRUE(PumpUntil([] {
      int w = 0, h = 0;
      VXSysGetDrawableSize(&w, &h);
      return w == 1000 && h == 820 && static_cast<int>(960.0f * gVXScreenScaleX) == 1000;
    }));
    EXPECT_EQ(1000, static_cast<int>(960.0f * gVXScreenScaleX));
    EXPECT_EQ(820, static_cast<int>(720.0f * gVXScreenScaleY));
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
      BeginFrame();
      VXGfxSetPosition(200, 100);
      VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
      VXGfxSetPosition(470, 350);  // the top-right corner of the view
      VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
      EndFrame();
    }
    ASSERT_EQ(1000, width_);
    ExpectQuadAt(200, 100, 10, 10, 0, 255, 0);
    EXPECT_TRUE(IsColor(At(999, 0), 0, 255, 0)) << "the picture reaches the window's edges";

    int wx = 0, wy = 0;
    SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &wx, &wy);
    Xdotool("mousemove " + std::to_string(wx + 750) + " " + std::to_string(wy + 410));
    EXPECT_TRUE(PumpUntil([] { return gVXInputMouseX == 750; }));
    int x = 0, y = 0;
    VXInputGetCursorPosition(&x, &y);
    EXPECT_NEAR(720, x, 1);  // logical pixels
    EXPECT_NEAR(360, y, 1);
  }
  // Back to the window's own size: one pixel a logical pixel again.
  Xdotool("windowsize " + std::to_string(window) + " 960 720");
  EXPECT_TRUE(PumpUntil([] { return gVXScreenScaleX == 1.0f && gVXScreenScaleY == 1.0f; }));
}

// A press and its release between two samples still count as a press in the
// next sample, and as up in the one after: a tap on a touchpad, a tool's
// instant click, a slow frame. Keys alike.
TEST_F(WindowTest, PressAndReleaseBetweenTwoFramesIsStillAClick) {
  int wx = 0, wy = 0;
  SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &wx, &wy);
  Xdotool("mousemove " + std::to_string(wx + 100) + " " + std::to_string(wy + 100));
  PumpUntil([] { return false; });
  const struct {
    const char* xdotool;
    unsigned char key;
  } taps[] = {{"mousedown 1 mouseup 1", VX_KEY_LBUTTON},
              {"mousedown 3 mouseup 3", VX_KEY_RBUTTON},
              {"keydown b keyup b", VX_KEY_B}};
  for (const auto& tap : taps) {
    Xdotool(tap.xdotool);
    SDL_Delay(200);  // both have reached the window before the frame samples
    VXSysUpdate();
    VXInputUpdate();
    EXPECT_TRUE(VXInputCheckTriggered(tap.key)) << tap.xdotool;
    VXSysUpdate();
    VXInputUpdate();
    EXPECT_TRUE(VXInputCheckReleased(tap.key)) << tap.xdotool;
  }
}

}  // namespace
