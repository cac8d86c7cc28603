#include "platform/accessibility/atk/glib_context_join.h"

#include <sys/epoll.h>
#include <unistd.h>

#include <map>

namespace platform::accessibility::atk {
namespace {

// Dispatching can add sources; a few rounds settle them, and a context
// still busy after them is looked at again without waiting.
constexpr int kRounds = 4;

uint32_t epollEvents(gushort events) {
  uint32_t e = 0;
  if (events & G_IO_IN) e |= EPOLLIN;
  if (events & G_IO_OUT) e |= EPOLLOUT;
  if (events & G_IO_PRI) e |= EPOLLPRI;
  return e;
}

bool sameWatch(const std::vector<GPollFD>& a, const std::vector<GPollFD>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].fd != b[i].fd || a[i].events != b[i].events) return false;
  return true;
}

}  // namespace

GlibContextJoin::GlibContextJoin() : context_(g_main_context_default()), epoll_(epoll_create1(EPOLL_CLOEXEC)) {
  g_main_context_acquire(context_);
}

GlibContextJoin::~GlibContextJoin() {
  g_main_context_release(context_);
  if (epoll_ >= 0) close(epoll_);
}

void GlibContextJoin::runReady() {
  for (int round = 0; round < kRounds; ++round)
    if (!iterate()) return;
  timeout_ = 0;
}

bool GlibContextJoin::iterate() {
  gint priority = 0;
  g_main_context_prepare(context_, &priority);
  query(priority);
  g_poll(fds_.data(), static_cast<guint>(fds_.size()), 0);
  watch();
  if (!g_main_context_check(context_, priority, fds_.data(), static_cast<gint>(fds_.size()))) return false;
  g_main_context_dispatch(context_);
  return true;
}

void GlibContextJoin::query(int priority) {
  gint timeout = -1;
  for (;;) {
    gint n = g_main_context_query(context_, priority, &timeout, fds_.data(), static_cast<gint>(fds_.size()));
    bool fitted = static_cast<size_t>(n) <= fds_.size();
    fds_.resize(static_cast<size_t>(n));
    if (fitted) break;
  }
  timeout_ = timeout;
}

// The epoll set follows the context's descriptors; it changes only when
// they do. One descriptor may be listed twice: its events are joined.
void GlibContextJoin::watch() {
  if (sameWatch(fds_, watched_)) return;
  for (const GPollFD& old : watched_) epoll_ctl(epoll_, EPOLL_CTL_DEL, old.fd, nullptr);
  std::map<int, uint32_t> events;
  for (const GPollFD& f : fds_) events[f.fd] |= epollEvents(f.events);
  for (const auto& [fd, e] : events) {
    epoll_event entry{};
    entry.events = e;
    entry.data.fd = fd;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &entry);
  }
  watched_ = fds_;
}

}  // namespace platform::accessibility::atk
