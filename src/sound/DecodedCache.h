#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <utility>

// The recordings decoded so far, the most recently played first, dropping the least
// recently played ones once their samples pass a byte budget. The entry just asked for
// is always kept, however large. The window's thread and the decoding thread share it.
namespace lumora {

template <typename Key, typename Sound>
class DecodedCache {
 public:
  using Handle = std::shared_ptr<const Sound>;

  explicit DecodedCache(std::size_t byteBudget) : byteBudget_(byteBudget) {}

  // The sound of `key`, now the most recent; null when it is not held.
  Handle find(const Key& key) {
    const std::lock_guard lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->key == key) {
        entries_.splice(entries_.begin(), entries_, it);
        return it->sound;
      }
    }
    return nullptr;
  }

  void insert(const Key& key, Handle sound, std::size_t bytes) {
    const std::lock_guard lock(mutex_);
    entries_.push_front({key, std::move(sound), bytes});
    bytesHeld_ += bytes;
    while (bytesHeld_ > byteBudget_ && entries_.size() > 1) {
      bytesHeld_ -= entries_.back().bytes;
      entries_.pop_back();
    }
  }

 private:
  struct Entry {
    Key key;
    Handle sound;
    std::size_t bytes;
  };

  std::mutex mutex_;
  std::list<Entry> entries_;
  std::size_t bytesHeld_ = 0;
  std::size_t byteBudget_;
};

}  // namespace lumora
