#include "record/LearningRecord.h"

namespace lumora {

LearningRecord::LearningRecord(QString path, RecordStore::Tell tell)
    : store_(std::move(path), std::move(tell)) {}

LearningRecord::~LearningRecord() {
  {
    const std::lock_guard lock(mutex_);
    if (!writer_.joinable()) return;
    closing_ = true;
  }
  queued_.notify_one();
  writer_.join();
}

void LearningRecord::append(Judgement judgement) {
  post([judgement = std::move(judgement)](RecordStore& store) { store.append(judgement); });
}

void LearningRecord::post(std::function<void(RecordStore&)> work) {
  {
    const std::lock_guard lock(mutex_);
    work_.push_back(std::move(work));
    // Started by the first work, so that a window that records nothing costs no thread.
    if (!writer_.joinable()) writer_ = std::thread([this] { writeUntilClosed(); });
  }
  queued_.notify_one();
}

void LearningRecord::writeUntilClosed() {
  std::unique_lock lock(mutex_);
  while (true) {
    queued_.wait(lock, [this] { return closing_ || !work_.empty(); });
    if (work_.empty()) return;  // closing, and everything written
    auto work = std::move(work_.front());
    work_.pop_front();
    lock.unlock();
    work(store_);
    lock.lock();
  }
}

}  // namespace lumora
