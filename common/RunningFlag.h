// A flag that is set for the life of a scope and cleared however the scope ends: "this command is
// running", for handlers that let messages in while they work and must not start a second time.
#pragma once

namespace corvane {

class RunningFlag {
  public:
    explicit RunningFlag(bool& flag) noexcept : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

  private:
    bool& flag_;
};

}  // namespace corvane
