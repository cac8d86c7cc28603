// Fails a test that hangs instead of stalling the whole run: if the guarded
// scope is still running after the time-out, the process reports which test
// hung and exits with failure.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit = std::chrono::seconds(20)) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "?";
    thread_ = std::thread([this, limit, name] {
      std::unique_lock guard(lock_);
      if (!done_.wait_for(guard, limit, [this] { return finished_; })) {
        std::fprintf(stderr, "watchdog: %s still running after %lld s, giving up\n", name.c_str(),
                     static_cast<long long>(limit.count()));
        std::_Exit(1);
      }
    });
  }
  ~Watchdog() {
    {
      std::lock_guard guard(lock_);
      finished_ = true;
    }
    done_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex lock_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};
