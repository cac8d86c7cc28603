// Message-sequence testing: a window procedure that records every message
// its windows receive, a pump that tells posted from sent messages, and a
// comparison of what arrived with what Windows sends, printed side by side
// when they differ.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace msglog {

enum Flags : unsigned {
  Sent = 1u << 0,      // arrived through SendMessage (or from the system, synchronously)
  Posted = 1u << 1,    // came out of the queue through DispatchMessage
  Optional = 1u << 2,  // Windows may or may not send it
  WParam = 1u << 3,    // compare wParam
  LParam = 1u << 4,    // compare lParam
};

// Which of the test's windows a message is for.
enum class Role { Main, Child, Other, Unknown };

struct Expected {
  UINT message;
  unsigned flags;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  Role role = Role::Main;
};

struct Recorded {
  Role role;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool posted;
};

// A dialog procedure that records what the dialog hears: it answers TRUE to
// WM_INITDIALOG and ends the dialog with the id of an IDOK or IDCANCEL
// command.
INT_PTR CALLBACK recordingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class of this name, procedure, background and style.
WORD registerClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr, UINT style = 0);

// The class every recording window belongs to ("Recorder", with CS_DBLCLKS
// when doubleClicks), registered once.
const char* recorderClass(bool doubleClicks = false);

// From now on records only these messages (every message again after
// keepAll): for input from a real display, which brings more than a test
// looks at.
void keepOnly(std::vector<UINT> messages);
void keepAll();

// A copy of the region the last WM_NCPAINT was given, or nullptr when it
// was given 1 (the whole window); kept until clear().
HRGN lastNcPaintRegion();

void setRole(HWND hwnd, Role role);
// The role of the next window created.
void announce(Role role);
void clear();
const std::vector<Recorded>& recorded();
// The wParam of each recorded message of this kind, in order.
std::vector<WPARAM> wParamsOf(UINT message);

// Messages a test wants answered differently from DefWindowProcA.
void answer(UINT message, LRESULT result);
void clearAnswers();

// What to do, in turn, each time a modal loop (a menu, a dialog) tells a
// recording window it went idle with WM_ENTERIDLE: typically give it the
// next input. An idle loop with nothing left to do fails the test and is
// given Escape, so it ends instead of hanging.
void whenIdle(std::function<void()> action);

// Runs the loop until the queue is empty, dispatching as an application does;
// a message that pretranslate takes (as an accelerator table would) is
// neither translated nor dispatched.
void pump(const std::function<bool(MSG&)>& pretranslate = nullptr);

::testing::AssertionResult matches(const std::vector<Expected>& expected);

std::string messageName(UINT message);

}  // namespace msglog

#define EXPECT_SEQUENCE(...) EXPECT_TRUE(msglog::matches(std::vector<msglog::Expected>{__VA_ARGS__}))
