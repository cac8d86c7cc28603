#include "platform/backend.h"

#include <cstdio>
#include <cstdlib>

#include "platform/backends/headless/headless_backend.h"
#include "platform/user/window.h"

namespace platform {
namespace {

// Lives for the whole process: windows may still talk to it during exit.
Backend*& current() {
  static Backend* backend = nullptr;
  return backend;
}

std::unique_ptr<Backend> makeBackend(std::string_view name) {
  if (name == "headless") return std::make_unique<headless::HeadlessBackend>();
  return nullptr;
}

bool replaceable() { return !current() || user::allWindows().empty(); }

void install(std::unique_ptr<Backend> backend) {
  delete current();
  current() = backend.release();
  user::fitDesktopToScreen();
}

}  // namespace

Backend& backend() {
  if (current()) return *current();
  const char* requested = std::getenv("VELMARO_BACKEND");
  std::unique_ptr<Backend> chosen = requested ? makeBackend(requested) : nullptr;
  if (requested && !chosen) std::fprintf(stderr, "velmaro: unknown backend \"%s\", using headless\n", requested);
  install(chosen ? std::move(chosen) : makeBackend("headless"));
  return *current();
}

bool useBackend(std::string_view name) {
  auto chosen = makeBackend(name);
  if (!chosen || !replaceable()) return false;
  install(std::move(chosen));
  return true;
}

void installBackend(std::unique_ptr<Backend> backend) {
  if (backend && replaceable()) install(std::move(backend));
}

}  // namespace platform
