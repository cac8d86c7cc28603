#include "platform/backend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/sdl/sdl_backend.h"
#include "platform/user/window.h"

namespace platform {
namespace {

// Lives for the whole process: windows may still talk to it during exit.
Backend*& current() {
  static Backend* backend = nullptr;
  return backend;
}

// The named backend, or nullptr with the reason it cannot start.
std::unique_ptr<Backend> makeBackend(std::string_view name, std::string& whyNot) {
  if (name == "headless") return std::make_unique<headless::HeadlessBackend>();
  if (name == "sdl") return sdl::SdlBackend::open(whyNot);
  whyNot = "there is no display backend \"" + std::string(name) + "\" (there are headless and sdl)";
  return nullptr;
}

void reportCannotStart(const std::string& whyNot) {
  std::fprintf(stderr,
               "%s: cannot show its windows: %s. Run it inside a graphical session, or set "
               "VELMARO_BACKEND=headless to run it without windows.\n",
               program_invocation_short_name, whyNot.c_str());
}

bool replaceable() { return !current() || user::allWindows().empty(); }

void install(std::unique_ptr<Backend> backend) {
  delete current();
  current() = backend.release();
  user::fitDesktopToScreen();
}

std::string_view requestedOr(std::string_view defaultName) {
  const char* requested = std::getenv("VELMARO_BACKEND");
  return requested && *requested ? std::string_view(requested) : defaultName;
}

}  // namespace

Backend& backend() {
  if (current()) return *current();
  std::string whyNot;
  std::unique_ptr<Backend> chosen = makeBackend(requestedOr("headless"), whyNot);
  if (!chosen) {
    reportCannotStart(whyNot);
    std::exit(EXIT_FAILURE);
  }
  install(std::move(chosen));
  return *current();
}

bool startBackend(std::string_view defaultName) {
  if (!replaceable()) return false;
  std::string whyNot;
  std::unique_ptr<Backend> chosen = makeBackend(requestedOr(defaultName), whyNot);
  if (!chosen) {
    reportCannotStart(whyNot);
    return false;
  }
  install(std::move(chosen));
  return true;
}

bool useBackend(std::string_view name) {
  if (!replaceable()) return false;
  std::string whyNot;
  auto chosen = makeBackend(name, whyNot);
  if (!chosen) return false;
  install(std::move(chosen));
  return true;
}

void installBackend(std::unique_ptr<Backend> backend) {
  if (backend && replaceable()) install(std::move(backend));
}

}  // namespace platform
