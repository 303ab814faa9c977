#include "store/recovery_writer.h"

#include <utility>

namespace mirevo {

void RecoveryWriter::Write(std::string snapshot) {
  {
    std::lock_guard lock(mutex_);
    pending_ = std::move(snapshot);
    if (!thread_.joinable()) thread_ = std::thread(&RecoveryWriter::Run, this);
  }
  wake_.notify_one();
}

void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    std::string snapshot = std::move(*pending_);
    pending_.reset();
    writing_ = true;
    lock.unlock();
    const bool written = file_.Write(snapshot);
    lock.lock();
    spare_ = std::move(snapshot);
    writing_ = false;
    if (!written && failure_ == Failure::kNone) failure_ = Failure::kUnreported;
    idle_.notify_all();
  }
}

bool RecoveryWriter::Discard() {
  std::unique_lock lock(mutex_);
  pending_.reset();
  idle_.wait(lock, [this] { return !writing_; });
  // Still under the lock: nothing can start a write until the file is gone.
  return file_.Remove();
}

void RecoveryWriter::WaitIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !pending_ && !writing_; });
}

void RecoveryWriter::Stop() {
  {
    std::lock_guard lock(mutex_);
    if (!thread_.joinable()) return;
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
  std::lock_guard lock(mutex_);
  stopping_ = false;
}

std::string RecoveryWriter::TakeSpare() {
  std::lock_guard lock(mutex_);
  return std::exchange(spare_, {});
}

bool RecoveryWriter::TakeFailure() {
  std::lock_guard lock(mutex_);
  if (failure_ != Failure::kUnreported) return false;
  failure_ = Failure::kReported;
  return true;
}

}  // namespace mirevo
