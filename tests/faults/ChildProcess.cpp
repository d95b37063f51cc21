#include "faults/ChildProcess.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <csignal>
#include <cstdio>

namespace lumora::faults {
namespace {

int mountPrivately() {
  if (::unshare(CLONE_NEWNS) != 0) return kNotPermittedHere;
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 ? kPassed
                                                                           : kNotPermittedHere;
}

}  // namespace

int inChild(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int code = body();
    std::fflush(nullptr);
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "failed: %s\n", what);
  return ok ? kPassed : kFailed;
}

int mountSmallFileSystem(const QString& folder, const char* size) {
  if (mountPrivately() != kPassed) return kNotPermittedHere;
  const QByteArray options = QByteArray("size=") + size;
  return ::mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, options.constData()) == 0
             ? kPassed
             : kNotPermittedHere;
}

int remountReadOnly(const QString& folder) {
  if (mountPrivately() != kPassed) return kNotPermittedHere;
  const QByteArray path = QFile::encodeName(folder);
  if (::mount(path, path, nullptr, MS_BIND, nullptr) != 0) return kNotPermittedHere;
  return ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0
             ? kPassed
             : kNotPermittedHere;
}

}  // namespace lumora::faults
