// Driving the platform without a display: choosing the headless backend,
// injecting input as a person would give it, running the message loop until
// there is nothing left to do, and looking at or saving what was drawn.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/gdi/surface.h"
#include "platform/input.h"
#include "platform/win32.h"

namespace platform::headless {

// Makes the headless backend the one in use, with a screen of this size;
// false once windows exist under another backend.
bool start(int screenWidth = 1024, int screenHeight = 768);

// Windows created from now on are presented at factor (1 to 4): their
// surfaces keep a device picture (gdi/surface.h), which is what the PNG
// functions below save. The backend starts at VELMARO_SCALE, else 1.
void presentAtScale(int factor);

// Calls hook each time the program waits for input with nothing queued (its
// message loop is idle, or a modal loop such as an open menu's waits): a
// driver of the program gives its next input there. Input the hook queues
// ends the wait at once. nullptr removes the hook.
void onIdle(std::function<void()> hook);

void moveMouse(int x, int y);
void pressButton(int x, int y, input::Button button = input::Button::Left);
void releaseButton(int x, int y, input::Button button = input::Button::Left);
void click(int x, int y, input::Button button = input::Button::Left);
void doubleClick(int x, int y);
void keyDown(UINT virtualKey);
void keyUp(UINT virtualKey);
void pressKey(UINT virtualKey);
void typeText(std::string_view text);
void requestClose(HWND window);
void switchAway();
void switchBack(HWND window);

struct RunResult {
  bool idle = false;      // the queue ran dry (false: gave up, see maxMessages)
  bool quit = false;      // WM_QUIT was taken
  int exitCode = 0;
  int dispatched = 0;
};
// PeekMessageA, TranslateMessage and DispatchMessageA until nothing is
// queued and nothing needs painting, WM_QUIT arrives, or maxMessages were
// handled (a loop that never settles).
RunResult runUntilIdle(int maxMessages = 100000);

// The surface of a top-level window (frame included), or nullptr.
// Its pixels are what the program drew, at any scale.
const gdi::Surface* surfaceOf(HWND window);
// The screen: the desktop colour with the visible top-level windows on it.
gdi::Surface screen();
bool saveWindowPng(HWND window, const std::string& path);
// The client area of a top-level window alone, as GetClientRect gives it.
bool saveClientPng(HWND window, const std::string& path);
bool saveScreenPng(const std::string& path);
// How many times surfaces were handed over for display.
unsigned presentCount();
// The changed area handed over at the last present, in surface coordinates.
gdi::Region lastPresentedArea();

}  // namespace platform::headless
