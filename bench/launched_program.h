// A program under measurement: started with its standard output and error
// on one pipe that the bench reads line by line, the instant it was
// started, the CPU time it has used, and at its end its peak resident
// memory.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process.
int64_t monotonicNanoseconds();

class LaunchedProgram {
 public:
  // command[0] is the program's path; environment entries ("NAME=value") are
  // added to the bench's own.
  LaunchedProgram(const std::vector<std::string>& command, const std::vector<std::string>& environment);
  ~LaunchedProgram();
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;

  bool started() const { return pid_ > 0; }
  // Taken just before the program was started.
  int64_t startedAt() const { return startedAt_; }
  // The next line it wrote, without its end; false at a time-out or its end.
  bool nextLine(std::string& line, int timeoutMilliseconds);
  // CPU time of all its threads so far.
  int64_t cpuNanoseconds() const;
  // Times it gave up the CPU of its own accord so far: how often it woke.
  long voluntarySwitches() const;
  // Ends it (SIGTERM) and answers its peak resident memory in KiB.
  long stop();

 private:
  bool takeLine(std::string& line);

  pid_t pid_ = -1;
  int output_ = -1;
  int64_t startedAt_ = 0;
  std::string pending_;
};
