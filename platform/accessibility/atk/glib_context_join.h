// GLib's default main context, run inside the program's own wait instead
// of a loop of its own: runReady prepares, polls without waiting, checks
// and dispatches what is ready, and leaves behind what the next wait must
// watch: one epoll descriptor standing for all of the context's
// descriptors, and the time to its next timed source. On the program's
// thread only; the context is acquired for good at start.
#pragma once

#include <glib.h>

#include <vector>

namespace platform::accessibility::atk {

class GlibContextJoin {
 public:
  GlibContextJoin();
  ~GlibContextJoin();
  GlibContextJoin(const GlibContextJoin&) = delete;
  GlibContextJoin& operator=(const GlibContextJoin&) = delete;

  bool usable() const { return epoll_ >= 0; }
  void runReady();
  int descriptor() const { return epoll_; }
  // -1: no timed source.
  int timeout() const { return timeout_; }

 private:
  // Answers whether something was dispatched.
  bool iterate();
  void query(int priority);
  void watch();

  GMainContext* context_;
  int epoll_;
  int timeout_ = -1;
  std::vector<GPollFD> fds_;
  std::vector<GPollFD> watched_;
};

}  // namespace platform::accessibility::atk
