#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <csignal>

namespace {

// Whether the process runs SDL's audio thread, that is, has opened its audio device.
bool audioOpened(qint64 pid) {
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile comm(tasks.filePath(task + "/comm"));
    if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudioP")) return true;
  }
  return false;
}

class SignalTest : public ::testing::TestWithParam<int> {};

// The real program, with its default content and SDL's dummy device, ends on the signal
// once its audio device is open, as any Qt program does.
TEST_P(SignalTest, EndsTheProgramOnceTheAudioIsOpen) {
  QProcess lumora;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  lumora.setProcessEnvironment(env);
  lumora.start(QStringLiteral(LUMORA_EXECUTABLE), {});
  ASSERT_TRUE(lumora.waitForStarted());
  const QDeadlineTimer deadline(30000);
  while (!audioOpened(lumora.processId()) && !deadline.hasExpired()) {
    ASSERT_FALSE(lumora.waitForFinished(20)) << lumora.readAllStandardError().toStdString();
  }
  ASSERT_TRUE(audioOpened(lumora.processId()));
  ::kill(static_cast<pid_t>(lumora.processId()), GetParam());
  const bool ended = lumora.waitForFinished(10000);
  if (!ended) lumora.kill();
  EXPECT_TRUE(ended);
}

INSTANTIATE_TEST_SUITE_P(TermAndInt, SignalTest, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) {
                           return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });

}  // namespace
