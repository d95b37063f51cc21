#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "record/RecordStore.h"

namespace lumora {

// The learner's record as the window uses it: judgements are handed to a writer thread and
// the judgement goes on at once; questions about the record wait for every judgement handed
// in before them. The writer starts, and opens the record file, on first use, never at
// start-up.
// Faults are told through `tell` on the writer thread, once per kind.
class LearningRecord {
 public:
  LearningRecord(QString path, RecordStore::Tell tell);
  // Writes what is still queued, then closes.
  ~LearningRecord();

  void append(Judgement judgement);

  // Runs `question` on the store after everything handed in before it and returns its answer.
  template <typename Question>
  auto ask(Question question) -> decltype(question(std::declval<RecordStore&>())) {
    using Answer = decltype(question(std::declval<RecordStore&>()));
    // Shared, so that the writer may still hold the task after the answer has been taken.
    auto task = std::make_shared<std::packaged_task<Answer(RecordStore&)>>(std::move(question));
    std::future<Answer> answer = task->get_future();
    post([task](RecordStore& store) { (*task)(store); });
    return answer.get();
  }

 private:
  void post(std::function<void(RecordStore&)> work);
  void writeUntilClosed();

  RecordStore store_;
  std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<std::function<void(RecordStore&)>> work_;
  bool closing_ = false;
  std::thread writer_;
};

}  // namespace lumora
