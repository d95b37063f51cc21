#include "record/WeakQuestions.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace lumora {
namespace {

struct Recent {
  const MissQuestion* latest = nullptr;
  std::size_t firstSeen = 0;  // its place among the newest answers: smaller is more recent
  int attempts = 0;
  int wrong = 0;
};

}  // namespace

std::vector<MissQuestion> weakestQuestions(const std::vector<Attempt>& newestFirst) {
  std::map<std::tuple<int, QString, QString>, Recent> questions;
  for (std::size_t i = 0; i < newestFirst.size(); ++i) {
    const Attempt& attempt = newestFirst[i];
    const MissQuestion& e = attempt.entry;
    Recent& recent = questions[{e.category, e.fileA, e.fileB}];
    if (recent.latest == nullptr) recent = {&e, i};
    if (recent.attempts == kRecentAttempts) continue;
    ++recent.attempts;
    if (attempt.outcome != Outcome::right) ++recent.wrong;
  }
  std::vector<Recent> weak;
  for (const auto& [key, recent] : questions) {
    if (recent.attempts >= kLeastAttempts && 2 * recent.wrong >= recent.attempts) {
      weak.push_back(recent);
    }
  }
  // a.wrong / a.attempts > b.wrong / b.attempts, without division
  std::sort(weak.begin(), weak.end(), [](const Recent& a, const Recent& b) {
    const int left = a.wrong * b.attempts;
    const int right = b.wrong * a.attempts;
    if (left != right) return left > right;
    if (a.attempts != b.attempts) return a.attempts > b.attempts;
    return a.firstSeen < b.firstSeen;
  });
  if (weak.size() > kMostWeakQuestions) weak.resize(kMostWeakQuestions);
  std::vector<MissQuestion> entries;
  for (const Recent& recent : weak) entries.push_back(*recent.latest);
  return entries;
}

}  // namespace lumora
