// lumora-studio [APP_FOLDER [FILE]]
// Records a teacher's voice for every recording of the content list into Lumora's sound
// folder in APP_FOLDER: by default the folder used last, else the one beside this program.
// Begins at FILE, a file name of the recording script, else where the teacher stopped.

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <csignal>

#include "ContentError.h"
#include "CopyPrompt.h"
#include "LumoraCopy.h"
#include "SdlMicrophone.h"
#include "StudioSettings.h"
#include "StudioWindow.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SystemClock.h"

int main(int argc, char** argv) {
  using namespace lumora;
  // Past a file-size limit a write then fails and is told, instead of ending the studio.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Lumora"));
  QApplication::setApplicationName(QStringLiteral("lumora-studio"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  QSettings settings;

  const QString ownFolder = QCoreApplication::applicationDirPath();
  const QString contentList = ownFolder + QStringLiteral("/lumora-content.tsv");
  contentgen::ContentList list;
  try {
    list = contentgen::readContentList(contentList);
  } catch (const contentgen::ContentError& error) {
    QMessageBox::critical(nullptr, studio::kStudioTitle,
                          QStringLiteral("録音する語の一覧を読み込めません:\n%1")
                              .arg(QString::fromUtf8(error.what())));
    return 1;
  }

  const QStringList args = QCoreApplication::arguments();
  const QString lastFolder = settings.value(studio::settings::kAppFolder).toString();
  const QString appFolder = studio::writableAppFolder(
      args.size() > 1                                                    ? args[1]
      : !lastFolder.isEmpty() && studio::soundFolderWritable(lastFolder) ? lastFolder
                                                                         : ownFolder);
  if (appFolder.isEmpty()) return 0;
  settings.setValue(studio::settings::kAppFolder, appFolder);

  // The player's device is open before capture sets SDL up on this thread: SDL's audio is
  // never set up from two threads at once.
  const std::unique_ptr<AudioOutput> audio = makeSdlAudioOutput();
  audio->stop();
  const std::unique_ptr<studio::Microphone> microphone = studio::makeSdlMicrophone();
  SystemClock clock;
  studio::StudioWindow window(std::move(list), appFolder, {*microphone, *audio, clock, settings},
                              args.value(2));
  window.show();
  return QApplication::exec();
}
