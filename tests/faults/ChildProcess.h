#pragma once

#include <QString>
#include <functional>

// Fault cases run in a forked child, so that limits, mounts, locks and kills stay there.
namespace lumora::faults {

// A child's exit codes; 77 is the one test runners read as "skipped".
constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kNotPermittedHere = 77;

// Runs `body` in a forked child that dies with the test; returns its exit code, or 128 + the
// signal that ended it.
int inChild(const std::function<int()>& body);

// kPassed, or kFailed after saying what failed.
int check(bool ok, const char* what);

// In the child's own mount namespace, so that nothing reaches the machine's mounts: a small
// file system over `folder`, or `folder` bound over itself read-only.
int mountSmallFileSystem(const QString& folder, const char* size);
int remountReadOnly(const QString& folder);

}  // namespace lumora::faults
