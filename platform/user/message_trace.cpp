#include "platform/user/message_trace.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user/message_names.h"
#include "platform/user/window.h"
#include "platform/user/window_class.h"

namespace platform::user {
namespace {

bool traceAskedFor() {
  const char* value = std::getenv("VELMARO_TRACE");
  std::string_view words = value ? value : "";
  while (!words.empty()) {
    size_t comma = words.find(',');
    if (words.substr(0, comma) == "messages") return true;
    words = comma == std::string_view::npos ? std::string_view() : words.substr(comma + 1);
  }
  return false;
}

const char* roadWord(MessageRoad road) {
  switch (road) {
    case MessageRoad::kSent: return "sent";
    case MessageRoad::kDispatched: return "dispatched";
    case MessageRoad::kDefault: return "to default";
  }
  return "?";
}

std::string windowWords(const Window* window, HWND hwnd) {
  if (!window) return hwnd ? "stale window" : "thread";
  std::string cls = window->windowClass ? window->windowClass->name : "?";
  return cls + " \"" + window->text + "\"";
}

std::string label(const std::string& where, UINT message, const char* road, WPARAM wParam, LPARAM lParam) {
  char params[64];
  std::snprintf(params, sizeof params, " w=0x%llx l=0x%llx", static_cast<unsigned long long>(wParam),
                static_cast<unsigned long long>(lParam));
  return where + " " + messageName(message) + " " + road + params;
}

// One message under way. Its line is written once it is known whether
// messages pass inside it.
struct Frame {
  std::string label;
  bool opened;
};

std::vector<Frame>& frames() {
  static std::vector<Frame> stack;
  return stack;
}

void writeLine(size_t depth, const std::string& text) {
  std::fprintf(stderr, "message %2zu %*s%s\n", depth, static_cast<int>(2 * (depth - 1)), "", text.c_str());
}

// Opens the lines of the messages under way that were waiting to learn
// whether anything passes inside them.
void openEnclosing() {
  size_t depth = 0;
  for (Frame& f : frames()) {
    ++depth;
    if (f.opened) continue;
    f.opened = true;
    writeLine(depth, f.label + " {");
  }
}

}  // namespace

bool gTraceMessages = traceAskedFor();

void enterMessage(MessageRoad road, const Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
  openEnclosing();
  frames().push_back(
      {label(windowWords(window, window ? window->hwnd : nullptr), message, roadWord(road), wParam, lParam), false});
}

void leaveMessage(LRESULT answer) {
  if (frames().empty()) return;
  size_t depth = frames().size();
  Frame done = std::move(frames().back());
  frames().pop_back();
  writeLine(depth, (done.opened ? "} " : "") + done.label + " -> " + std::to_string(answer));
}

void tracePost(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL posted) {
  openEnclosing();
  std::string where = windowWords(windowFrom(hwnd), hwnd);
  writeLine(frames().size() + 1, label(where, message, "posted", wParam, lParam) + " -> " + std::to_string(posted));
}

void enableMessageTrace(bool on) { gTraceMessages = on; }

}  // namespace platform::user
