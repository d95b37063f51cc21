// Preloaded into the installed lumora: once the window is up, presses 「不正解分記録」,
// answers the reset question with Yes, presses 「不正解分読込」, prints the count label and
// ends the program. Any other message box, or no window within the time limit, fails.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPollMs = 100;
constexpr int kTimeLimitMs = 60000;

// Controls carry their own names as object names, whatever they show.
template <typename Widget>
Widget* findByName(const QString& objectName) {
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* found = qobject_cast<Widget*>(widget);
    if (found && found->objectName() == objectName) return found;
  }
  return nullptr;
}

[[noreturn]] void fail(const QString& why) {
  std::fprintf(stderr, "driver: %s\n", why.toUtf8().constData());
  std::fflush(stderr);
  std::_Exit(1);
}

// The only message box expected is the question of saving an empty list, answered Yes.
void answerTheResetQuestion() {
  static bool answered = false;
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) return;
  if (answered || !box->button(QMessageBox::Yes)) {
    fail(QStringLiteral("unexpected message: ") + box->text());
  }
  answered = true;
  box->button(QMessageBox::Yes)->click();
}

void saveAndLoad() {
  auto* save = findByName<QAbstractButton>(QStringLiteral("data_save"));
  auto* load = findByName<QAbstractButton>(QStringLiteral("data_load"));
  auto* count = findByName<QLabel>(QStringLiteral("不正解問数"));
  if (!save || !load || !count || !save->isVisible()) {
    QTimer::singleShot(kPollMs, saveAndLoad);
    return;
  }
  save->click();
  load->click();
  std::printf("count label: %s\n", count->text().toUtf8().constData());
  std::fflush(stdout);
  QApplication::exit(0);
}

void start() {
  QTimer::singleShot(0, [] {
    auto* watcher = new QTimer(QCoreApplication::instance());
    QObject::connect(watcher, &QTimer::timeout, answerTheResetQuestion);
    watcher->start(kPollMs);
    QTimer::singleShot(kTimeLimitMs,
                       [] { fail(QStringLiteral("no window within the time limit")); });
    saveAndLoad();
  });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
