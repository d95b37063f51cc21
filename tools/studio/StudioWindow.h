#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "ContentList.h"
#include "Microphone.h"
#include "ProgressList.h"
#include "RecordingScript.h"
#include "StudioPlayer.h"
#include "Take.h"
#include "TeacherRecording.h"
#include "WaveformView.h"

namespace lumora::studio {

// The title of the studio's window and of its messages.
inline const QString kStudioTitle = QStringLiteral("Lumora 録音スタジオ");

// What the studio works with: the sound input and output, the pause of the trainer's clock
// times, and where the teacher's place and choices are kept between sittings.
struct StudioServices {
  Microphone& microphone;
  AudioOutput& audio;
  Clock& clock;
  QSettings& settings;
};

// The recording studio: walks through every recording of the content list in the order of
// the recording script, shows what to say, records each take from the microphone, puts it
// through the import's chain and writes it over the synthetic voice in the application
// folder's sound folder.
class StudioWindow final : public QWidget {
 public:
  // Begins at the file `startAt` when given, else where the teacher stopped in this folder.
  StudioWindow(contentgen::ContentList list, QString appFolder, StudioServices services,
               const QString& startAt = {});

  // What the keys do; the tests drive them too.
  void toggleRecording();
  void hearTake();
  void acceptTake();
  void redoTake();
  void goBack();
  void goOn();
  void hearInContext();
  // One look at the microphone while a take runs; a timer calls it.
  void captureTick();

  QString message() const { return message_->text(); }
  const contentgen::ScriptLine& currentLine() const { return lines_[current_]; }
  bool recording() const { return timer_.isActive(); }

  // How often a running take is looked at.
  static constexpr std::chrono::milliseconds kCaptureInterval{20};

 private:
  void buildControls();
  QPushButton* addKeyButton(QLayout* row, const QString& name, const QString& key,
                            void (StudioWindow::*action)());
  void fillDevices();
  void openChosenDevice();
  void startTake();
  void stopTake();
  void haltCapture();
  void showItem(std::size_t index);
  void showProgress();
  void showTakeButtons();
  void moveTo(std::optional<std::size_t> index);
  std::optional<std::size_t> neighbour(std::size_t from, int step) const;
  void tell(const QString& text);
  void play(const std::vector<NamedSound>& sounds, std::chrono::milliseconds pause = {});
  std::optional<NamedSound> soundOf(const QString& fileName);

  contentgen::ContentList list_;
  std::vector<contentgen::ScriptLine> lines_;
  QString appFolder_;
  StudioServices services_;
  StudioPlayer player_;
  QSet<QString> teachers_;  // files of the sound folder in the teacher's voice
  std::size_t current_ = 0;
  std::optional<Take> take_;
  std::optional<contentgen::TeacherSound> processed_;
  QTimer timer_;

  ProgressList* progress_ = nullptr;
  QLabel* position_ = nullptr;
  QLabel* korean_ = nullptr;
  QLabel* howToSay_ = nullptr;
  QLabel* meaning_ = nullptr;
  QLabel* file_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* rows_ = nullptr;
  QProgressBar* meter_ = nullptr;
  WaveformView* waveform_ = nullptr;
  QLabel* message_ = nullptr;
  QPushButton* record_ = nullptr;
  QPushButton* accept_ = nullptr;
  QComboBox* devices_ = nullptr;
  QCheckBox* playOnAccept_ = nullptr;
  QCheckBox* autoStop_ = nullptr;
};

}  // namespace lumora::studio
