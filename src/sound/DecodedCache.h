#pragma once

#include <QString>
#include <cstddef>
#include <list>
#include <memory>
#include <utility>

// The recordings decoded so far, the most recently played first, dropping the least
// recently played ones once their samples pass a byte budget. The entry just asked for
// is always kept, however large.
namespace lumora {

template <typename Sound>
class DecodedCache {
 public:
  using Handle = std::shared_ptr<Sound>;

  explicit DecodedCache(std::size_t byteBudget) : byteBudget_(byteBudget) {}

  // The sound of `path`, now the most recent; null when it is not held.
  Handle find(const QString& path) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->path == path) {
        entries_.splice(entries_.begin(), entries_, it);
        return it->sound;
      }
    }
    return nullptr;
  }

  void insert(const QString& path, Handle sound, std::size_t bytes) {
    entries_.push_front({path, std::move(sound), bytes});
    bytesHeld_ += bytes;
    while (bytesHeld_ > byteBudget_ && entries_.size() > 1) {
      bytesHeld_ -= entries_.back().bytes;
      entries_.pop_back();
    }
  }

  void clear() {
    entries_.clear();
    bytesHeld_ = 0;
  }

  std::size_t bytesHeld() const { return bytesHeld_; }

 private:
  struct Entry {
    QString path;
    Handle sound;
    std::size_t bytes;
  };

  std::list<Entry> entries_;
  std::size_t bytesHeld_ = 0;
  std::size_t byteBudget_;
};

}  // namespace lumora
