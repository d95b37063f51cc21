#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "app/AnswerKeyGuard.h"
#include "app/ControlArray.h"
#include "app/Dialogs.h"
#include "app/HandlerGate.h"
#include "app/IntervalTimer.h"
#include "data/RandomSource.h"
#include "data/TableShapes.h"
#include "data/Variant.h"
#include "record/QuestionTrail.h"
#include "sound/AudioOutput.h"

namespace lumora {

class LearningRecord;
struct RecordFault;

// The services of the desktop the window uses; tests hand in fakes.
struct Platform {
  std::unique_ptr<AudioOutput> audio;
  std::unique_ptr<Dialogs> dialogs;
  std::unique_ptr<RandomSource> random;
  std::unique_ptr<Clock> clock;
  // The learning record's file, or ":memory:" for one that lives as long as the window.
  QString recordFile;
};

class RecordWindow;

// The one window of the trainer. Its controls, its state and its event handlers are all
// members: every handler works on them directly, one at a time, on the window's thread.
// The handlers are defined in the folder of the subsystem whose rules they carry out.
class Form1 : public QWidget {
 public:
  Form1(QString applicationFolder, Platform platform, QWidget* parent = nullptr);
  ~Form1() override;

  // ---- Controls --------------------------------------------------------------------
  QLabel* Label1;
  QGroupBox* Frame1;
  ControlArray<QLabel> Label2;         // (0..1) instructions
  ControlArray<QPushButton> Command4;  // (0..2) answer buttons
  ControlArray<QPushButton> hint;      // (0..2) loudspeaker buttons
  ControlArray<QLabel> Label3;         // (0..2) marks under the answer buttons
  ControlArray<QLabel> Label4;         // (0..3) input hint and headings
  QLineEdit* Text1;
  ControlArray<QLabel> Label5;  // (0) right answer, (1) result mark
  QLabel* 得点;
  IntervalTimer Timer1;

  QGroupBox* Frame2;
  QCheckBox* 漢数詞;
  QCheckBox* 固有数詞;
  QCheckBox* 月;
  QCheckBox* 日;
  QCheckBox* 月日;
  QCheckBox* 曜日;
  QCheckBox* 難聴音;
  QCheckBox* 時間;
  QCheckBox* 番目;
  QWidget* Frame3;
  QRadioButton* 自動;
  QRadioButton* 手動;
  ControlArray<QRadioButton> 時間制限;    // (6)
  ControlArray<QLabel> Label6;            // (0..2)
  ControlArray<QComboBox> 出題数Combo;    // (0)
  ControlArray<QComboBox> 制限時間Combo;  // (1)
  ControlArray<QLabel> Label8;            // (0) question number, (1) seconds left
  QWidget* Frame4;
  QRadioButton* 不正解分;
  QRadioButton* ランダム;
  QRadioButton* 順番通り;
  QLabel* 不正解問数;
  QPushButton* 不正解分リセット;
  QPushButton* data_load;
  QPushButton* data_save;
  QWidget* Frame5;
  QRadioButton* 練習モード;
  QRadioButton* テストモード;

  QPushButton* 出題開始;
  QPushButton* 再度再生;
  QPushButton* ゆっくり再生;
  QPushButton* 自動中止;
  QPushButton* 学習終了;
  QPushButton* 学習記録;

  // ---- Shared state ----------------------------------------------------------------
  QString soundDir;
  QString imageDir;
  QString hardSoundDir;
  QString splitTableDir;

  std::int16_t quizCategory = 0;
  std::array<std::int16_t, 3> currentAnswer{};
  std::array<std::int16_t, 4> choiceValues{};
  std::int16_t hardSoundRow = 0;
  std::int16_t minuteRow = 0;
  std::int16_t soundKind = 0;
  QString soundFileA;
  QString soundFileB;
  std::int16_t replaySoundKind = 0;
  QString replaySoundFileA;
  QString replaySoundFileB;

  Variant questionCountText;
  double questionCount = 0;
  Variant questionNumber;
  Variant correctCount;
  Variant wrongCount;
  std::int16_t lastDrawnValue = 0;

  TextTable missList = kMissListShape.emptyTable();
  TextTable hardSoundTable = kHardSoundShape.emptyTable();
  TextTable splitSoundTable = kSplitSoundShape.emptyTable();

  // ---- Application shell -----------------------------------------------------------
  // Returns false when start-up failed; the learner has been told why.
  bool Form_Load();
  void resetQuizDisplay();
  void prepareQuizDisplay();
  void 学習終了_Click();

  // ---- Data files ------------------------------------------------------------------
  bool loadHardSoundTable();
  // Why the minute table cannot be used, if it cannot; the learner has been told.
  std::optional<QString> loadSplitSoundTable();
  void updateMissList(int operation, std::int16_t kind, const QString& fileA, const QString& fileB);
  void saveMissFile();
  void loadMissFile();
  // Appends a question to the list as a wrong answer does; false when the list was full
  // (the learner has been told).
  bool rememberMiss(const MissQuestion& question);
  void 不正解分_Click();
  void 不正解分リセット_Click();
  void data_load_Click();
  void data_save_Click();

  // ---- Quiz engine -----------------------------------------------------------------
  void 出題開始_Click();
  void clearTypedAnswerFields();
  int checkCategorySelected();
  void chooseCategory();
  void nextAutoQuestion();
  void Timer1_Timer();
  void 自動_Click();
  void 手動_Click();
  void 自動中止_Click();
  void 出題数Combo_Change(int index);
  void 出題数Combo_Click(int index);
  void 制限時間Combo_Change(int index);
  void 制限時間Combo_Click(int index);
  // Where a question is posed from: the start button in manual mode or a step of an auto
  // run. They differ in their display steps and in how a stored syllable is named.
  enum class QuestionPace { manualStart, autoStep };
  // Both return whether a question was posed.
  bool askRandomQuestion(QuestionPace pace);
  bool askStoredQuestion(QuestionPace pace);
  void startAutoRun();
  // Stops any run, with the timer halted first so that no tick raises a second message
  // while this one is open.
  void stopRunWithMessage(void (Dialogs::*show)(const QString&, const QString&),
                          const QString& title, const QString& text);
  // The same around any message, a question among them.
  void stopRunAround(const std::function<void()>& showMessage);

  // ---- Answering and scoring -------------------------------------------------------
  void clearAnswerButtons();
  void enableButtonAnswer();
  void enableTypedAnswer();
  void drawWeekdayChoices();
  void showChoiceCaptions(const QString& caption0, const QString& caption1,
                          const QString& caption2);
  void showChoicePictures(const QString& file0, const QString& file1, const QString& file2);
  void Command4_Click(int index);
  void hint_Click(int index);
  void Text1_Change();
  // When the answer keys may act; questions and verdicts tell it when they come.
  AnswerKeyGuard& answerKeys() { return answerKeys_; }

  // ---- Sound -----------------------------------------------------------------------
  void playQuestionSound(std::int16_t kind, const QString& fileA, const QString& fileB,
                         PlaySpeed speed = PlaySpeed::normal);
  void playCorrectBuzzer();
  void playWrongBuzzer();
  void 再度再生_Click();
  void ゆっくり再生_Click();
  // Every replay of the current question, at either speed, passes here.
  void replayQuestion(PlaySpeed speed);

  // ---- Learning record -------------------------------------------------------------
  // Each is one call from the routine that poses, replays, judges or ends a question.
  void notePosedQuestion();
  // Every way of hearing the question again counts here.
  void countReplay();
  void recordTypedJudgement(bool right, const QString& typed);
  void recordButtonJudgement(bool right, int pressed);
  void recordUnansweredQuestion();
  void 学習記録_Click();
  LearningRecord& learningRecord() { return *record_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void connectEvents();

  using PlayRequest = std::optional<RecordingFault> (AudioOutput::*)(const QString&, PlaySpeed);
  // Whether the recording was played.
  bool playRecording(PlayRequest request, const QString& path, PlaySpeed speed);
  void tellRecordingFault(RecordingFault fault, const QString& path);
  bool closeRequestedMeanwhile();
  std::set<RecordingFault> recordingFaultsTold_;
  bool twoMissFilesTold_ = false;
  bool closeRequested_ = false;

  void recordJudgement(Outcome outcome, const QString& given);
  void tellRecordFault(const RecordFault& fault);
  int practiseQuestions(const std::vector<MissQuestion>& questions);

  QString applicationFolder_;
  Platform platform_;
  AnswerKeyGuard answerKeys_{*platform_.clock};
  HandlerGate gate_{*this};
  QuestionTrail questionTrail_;
  RecordWindow* recordWindow_ = nullptr;
  // Last, so that it is closed first: its writer may still tell a fault to this window.
  std::unique_ptr<LearningRecord> record_;
};

}  // namespace lumora
