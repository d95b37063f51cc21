#include "StudioWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>

#include "ContentError.h"
#include "InContext.h"
#include "StudioSettings.h"
#include "TeacherImport.h"
#include "data/RecordingFile.h"
#include "data/RecordingNames.h"

namespace lumora::studio {
namespace {

using contentgen::ScriptLine;

// The meter shows 60 dB below full scale to full scale, in tenths.
constexpr int kMeterFloor = -60;

void showLevel(QProgressBar* meter, float peak, bool clipped) {
  const double level = decibels(peak);
  meter->setValue(int((std::max(level, double(kMeterFloor)) - kMeterFloor) * 10));
  meter->setFormat(peak > 0 ? QStringLiteral("%1 dBFS").arg(level, 0, 'f', 1)
                            : QStringLiteral("無音"));
  const QColor colour = clipped || level > -3 ? QColor(0xd0, 0x30, 0x30)
                        : level > -12         ? QColor(0xe0, 0x90, 0x20)
                                              : QColor(0x30, 0xa0, 0x40);
  QPalette palette = meter->palette();
  palette.setColor(QPalette::Highlight, colour);
  meter->setPalette(palette);
}

}  // namespace

StudioWindow::StudioWindow(contentgen::ContentList list, QString appFolder, StudioServices services,
                           const QString& startAt)
    : list_(std::move(list)),
      lines_(contentgen::scriptOrder(list_)),
      appFolder_(std::move(appFolder)),
      services_(services),
      player_(services.audio, services.clock),
      teachers_(contentgen::teacherRecordings(list_, appFolder_)) {
  setWindowTitle(kStudioTitle);
  buildControls();
  resize(1200, 660);
  timer_.setInterval(kCaptureInterval);
  connect(&timer_, &QTimer::timeout, this, [this] { captureTick(); });
  player_.setLateFaultHandler([this](const QString& name, RecordingFault fault) {
    tell(recordingFaultMessage(fault, name));
  });
  fillDevices();
  showProgress();
  const QString resumeAt =
      startAt.isEmpty() ? services_.settings.value(settings::positionKey(appFolder_)).toString()
                        : startAt;
  std::size_t start = 0;
  while (start < lines_.size() && lines_[start].fileName != resumeAt) ++start;
  if (start == lines_.size()) start = 0;
  showItem(start);
  if (!startAt.isEmpty() && lines_[start].fileName != startAt) {
    tell(QStringLiteral("「%1」は録音する語の一覧にありません。").arg(startAt));
  }
  if (startAt.isEmpty() && !progress_->listed(start)) {
    moveTo(neighbour(start, 1).value_or(start));
  }
}

void StudioWindow::buildControls() {
  auto* columns = new QHBoxLayout(this);
  progress_ = new ProgressList(lines_, services_.settings);
  progress_->chosen = [this](std::size_t line) { moveTo(line); };
  columns->addWidget(progress_, 2);

  auto* panel = new QVBoxLayout;
  columns->addLayout(panel, 3);
  position_ = describedLabel(QStringLiteral("いまの語の位置"));
  korean_ = describedLabel(QStringLiteral("韓国語"), 40);
  howToSay_ = describedLabel(QStringLiteral("言い方"), 14);
  meaning_ = describedLabel(QStringLiteral("意味"), 14);
  file_ = describedLabel(QStringLiteral("ファイル"));
  note_ = describedLabel(QStringLiteral("録音の注意"));
  note_->setTextFormat(Qt::RichText);
  rows_ = describedLabel(QStringLiteral("この音節の行"));
  meter_ = new QProgressBar;
  meter_->setRange(0, -kMeterFloor * 10);
  meter_->setAccessibleName(QStringLiteral("入力レベル"));
  showLevel(meter_, 0, false);
  waveform_ = new WaveformView;
  message_ = describedLabel(QStringLiteral("お知らせ"), 12);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{position_, korean_, howToSay_, meaning_, file_, note_, rows_,
                                       meter_, waveform_, message_}) {
    panel->addWidget(widget, widget == waveform_ ? 1 : 0);
  }
  auto* keys = new QHBoxLayout;
  panel->addLayout(keys);
  record_ = addKeyButton(keys, QStringLiteral("録音"), QStringLiteral("Space"),
                         &StudioWindow::toggleRecording);
  addKeyButton(keys, QStringLiteral("聞き直す"), QStringLiteral("P"), &StudioWindow::hearTake);
  accept_ = addKeyButton(keys, QStringLiteral("採用して次へ"), QStringLiteral("Return"),
                         &StudioWindow::acceptTake);
  addKeyButton(keys, QStringLiteral("録り直す"), QStringLiteral("R"), &StudioWindow::redoTake);
  addKeyButton(keys, QStringLiteral("前へ"), QStringLiteral("Backspace"), &StudioWindow::goBack);
  addKeyButton(keys, QStringLiteral("次へ"), QStringLiteral("N"), &StudioWindow::goOn);
  addKeyButton(keys, QStringLiteral("文脈で聞く"), QStringLiteral("C"),
               &StudioWindow::hearInContext);

  auto* choices = new QHBoxLayout;
  panel->addLayout(choices);
  auto* microphone = new QLabel(QStringLiteral("マイク:"));
  devices_ = new QComboBox;
  devices_->setAccessibleName(QStringLiteral("マイク"));
  microphone->setBuddy(devices_);
  auto* search = new QPushButton(QStringLiteral("機器を探し直す"));
  playOnAccept_ = new QCheckBox(QStringLiteral("採用したらもう一度聞く"));
  playOnAccept_->setChecked(services_.settings.value(settings::kPlayOnAccept, true).toBool());
  autoStop_ = new QCheckBox(QStringLiteral("言い終えたら自動で止める"));
  autoStop_->setChecked(services_.settings.value(settings::kAutoStop, true).toBool());
  for (QWidget* widget :
       std::initializer_list<QWidget*>{microphone, devices_, search, playOnAccept_, autoStop_}) {
    choices->addWidget(widget);
  }
  QLabel* folder = describedLabel(QStringLiteral("保存先"));
  folder->setText(QStringLiteral("保存先: %1")
                      .arg(QDir::toNativeSeparators(appFolder_ + u'/' + names::kSoundFolder)));
  panel->addWidget(folder);

  connect(playOnAccept_, &QCheckBox::toggled, this,
          [this](bool on) { services_.settings.setValue(settings::kPlayOnAccept, on); });
  connect(autoStop_, &QCheckBox::toggled, this,
          [this](bool on) { services_.settings.setValue(settings::kAutoStop, on); });
  connect(devices_, &QComboBox::activated, this, [this] { openChosenDevice(); });
  connect(search, &QPushButton::clicked, this, [this] { fillDevices(); });
}

// A button and its key, the key shown in its caption and told to screen readers.
QPushButton* StudioWindow::addKeyButton(QLayout* row, const QString& name, const QString& key,
                                        void (StudioWindow::*action)()) {
  const bool enter = key == u"Return";
  const QString keyName = enter ? QStringLiteral("Enter") : key;
  auto* button = new QPushButton(QStringLiteral("%1（%2）").arg(name, keyName));
  button->setAccessibleName(name);
  button->setAccessibleDescription(QStringLiteral("キー: ") + keyName);
  row->addWidget(button);
  auto* shortcut = new QAction(button);
  shortcut->setShortcuts(enter ? QList<QKeySequence>{Qt::Key_Return, Qt::Key_Enter}
                               : QList<QKeySequence>{QKeySequence(key)});
  addAction(shortcut);
  connect(shortcut, &QAction::triggered, this, [this, action] { (this->*action)(); });
  connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
  return button;
}

void StudioWindow::fillDevices() {
  const QString chosen = services_.settings.value(settings::kDevice).toString();
  devices_->clear();
  devices_->addItem(QStringLiteral("既定のマイク"), QString());
  for (const QString& name : services_.microphone.devices()) {
    devices_->addItem(name, name);
    if (name == chosen) devices_->setCurrentIndex(devices_->count() - 1);
  }
  openChosenDevice();
}

void StudioWindow::openChosenDevice() {
  if (recording()) stopTake();
  const QString name = devices_->currentData().toString();
  const bool opened = services_.microphone.open(name);
  record_->setEnabled(opened);
  if (!opened) {
    tell(
        QStringLiteral("録音できる機器（マイク）が見つからないか、開けません。マイクをつないで"
                       "「機器を探し直す」を押すか、ほかのマイクを選んでください。"));
    return;
  }
  services_.settings.setValue(settings::kDevice, name);
  tell(QStringLiteral("Space で録音を始めます。"));
}

void StudioWindow::toggleRecording() {
  if (recording()) {
    stopTake();
  } else {
    startTake();
  }
}

void StudioWindow::startTake() {
  if (!record_->isEnabled()) return;
  player_.stop();
  take_.emplace();
  processed_.reset();
  waveform_->clear();
  services_.microphone.start();
  timer_.start();
  tell(autoStop_->isChecked()
           ? QStringLiteral("録音中… 言い終えると自動で止まります（Space でも止まります）。")
           : QStringLiteral("録音中… 言い終えたら Space で止めます。"));
  showTakeButtons();
}

void StudioWindow::captureTick() {
  if (services_.microphone.lost()) {
    haltCapture();
    take_.reset();
    processed_.reset();
    record_->setEnabled(false);
    showLevel(meter_, 0, false);
    tell(
        QStringLiteral("マイクとの接続が切れました。この録音は使えません（保存してある録音は"
                       "そのままです）。マイクをつなぎ直して「機器を探し直す」を押してください。"));
    showTakeButtons();
    return;
  }
  take_->append(services_.microphone.newSamples());
  showLevel(meter_, take_->recentPeak(), take_->clipped());
  waveform_->showTake(take_->samples(), kCaptureRate, 0, take_->seconds());
  if ((autoStop_->isChecked() && take_->voiceEndedFor(kSilenceThatEndsATake)) ||
      take_->seconds() >= kLongestTake) {
    stopTake();
  }
}

void StudioWindow::haltCapture() {
  services_.microphone.stop();
  timer_.stop();
}

void StudioWindow::stopTake() {
  haltCapture();
  take_->append(services_.microphone.newSamples());
  showLevel(meter_, 0, false);
  const TakeProblem problem = take_->problem();
  if (problem == TakeProblem::silent || problem == TakeProblem::clipped) {
    waveform_->showTake(take_->samples(), kCaptureRate, 0, 0);
    tell(takeProblemMessage(problem));
  } else {
    try {
      processed_ = contentgen::teacherRecording(take_->samples(), kCaptureRate);
      waveform_->showTake(take_->samples(), kCaptureRate, processed_->keptFrom, processed_->keptTo);
      tell(problem == TakeProblem::quiet
               ? takeProblemMessage(problem)
               : QStringLiteral("録音しました。P で聞き直し、Enter で採用して次へ進みます。"));
    } catch (const contentgen::ContentError& error) {
      tell(QStringLiteral("録音を処理できませんでした（%1）。録り直してください（R）。")
               .arg(QString::fromUtf8(error.what())));
    }
  }
  showTakeButtons();
}

void StudioWindow::hearTake() {
  if (recording()) stopTake();
  if (const auto sound = soundOf(currentLine().fileName)) play({*sound});
}

void StudioWindow::acceptTake() {
  if (recording()) stopTake();
  if (!processed_) {
    // A take that could not be used, or a microphone that cannot record, is told already.
    if (!take_ && record_->isEnabled()) {
      tell(QStringLiteral("まだ録音していません。Space で録音してください。"));
    }
    return;
  }
  const QString file = currentLine().fileName;
  if (const auto fault = contentgen::placeTeacherRecording(appFolder_, file, processed_->wave)) {
    tell(QStringLiteral("録音を保存できませんでした。%1%2\n%3 この録音は画面に残っているので、"
                        "直してからもう一度 Enter を押せます。")
             .arg(fault->summary(), fault->advice(),
                  QStringLiteral("前の「%1」はそのままです。").arg(file)));
    return;
  }
  teachers_.insert(file);
  const NamedSound accepted{file, processed_->wave};
  take_.reset();
  processed_.reset();
  showProgress();
  const auto next = neighbour(current_, 1);
  showItem(next.value_or(current_));
  tell(next ? QStringLiteral("「%1」を保存しました。").arg(file)
            : QStringLiteral("「%1」を保存しました。これが最後の語です。").arg(file));
  if (playOnAccept_->isChecked()) play({accepted});
}

void StudioWindow::redoTake() {
  haltCapture();
  startTake();
}

void StudioWindow::goBack() { moveTo(neighbour(current_, -1)); }

void StudioWindow::goOn() { moveTo(neighbour(current_, 1)); }

void StudioWindow::hearInContext() {
  if (recording()) stopTake();
  const InContext context = inContext(list_, currentLine());
  std::vector<NamedSound> sounds;
  for (const QString& file : context.files) {
    if (const auto sound = soundOf(file)) {
      sounds.push_back(*sound);
    } else {
      return;
    }
  }
  play(sounds, context.pause);
}

void StudioWindow::play(const std::vector<NamedSound>& sounds, std::chrono::milliseconds pause) {
  if (const auto fault = player_.play(sounds, pause)) {
    tell(recordingFaultMessage(fault->second, fault->first));
  }
}

// What is heard for a file: the current file's unsaved take, so it can be judged before it
// is kept; otherwise the recording in place, passed by the player's own check. Nothing, with
// the reason told, when the player could not play it.
std::optional<NamedSound> StudioWindow::soundOf(const QString& fileName) {
  if (processed_ && fileName == currentLine().fileName) {
    return NamedSound{fileName, processed_->wave};
  }
  const QString path = contentgen::soundFilePath(appFolder_, fileName);
  auto bytes = readRecording(path);
  if (const auto* fault = std::get_if<RecordingFault>(&bytes)) {
    tell(recordingFaultMessage(*fault, path));
    return std::nullopt;
  }
  return NamedSound{fileName, std::get<QByteArray>(std::move(bytes))};
}

void StudioWindow::moveTo(std::optional<std::size_t> index) {
  if (!index) {
    tell(QStringLiteral("この先（前）には語がありません。"));
    return;
  }
  haltCapture();
  take_.reset();
  processed_.reset();
  showItem(*index);
}

std::optional<std::size_t> StudioWindow::neighbour(std::size_t from, int step) const {
  for (auto i = std::ptrdiff_t(from) + step; i >= 0 && i < std::ptrdiff_t(lines_.size());
       i += step) {
    if (progress_->listed(std::size_t(i))) return std::size_t(i);
  }
  return std::nullopt;
}

void StudioWindow::showItem(std::size_t index) {
  current_ = index;
  const ScriptLine& line = currentLine();
  const auto sameCategory = [&](const ScriptLine& other) {
    return other.category == line.category;
  };
  const auto first = std::find_if(lines_.begin(), lines_.end(), sameCategory);
  const auto count = std::count_if(lines_.begin(), lines_.end(), sameCategory);
  position_->setText(QStringLiteral("%1　%2 / %3（全体 %4 / %5）")
                         .arg(line.category)
                         .arg(std::ptrdiff_t(index) - (first - lines_.begin()) + 1)
                         .arg(count)
                         .arg(index + 1)
                         .arg(lines_.size()));
  korean_->setText(line.korean);
  howToSay_->setText(QStringLiteral("言い方: ") + line.howToSay);
  meaning_->setText(QStringLiteral("意味: ") + line.meaning);
  file_->setText(QStringLiteral("ファイル: %1　いまの音: %2")
                     .arg(line.fileName, voiceOf(teachers_, line.fileName)));
  note_->setText(contentgen::categoryNote(line.category));
  note_->setVisible(!note_->text().isEmpty());
  QStringList rows;
  for (const QStringList& row : rowsOf(list_, line.fileName)) {
    QStringList syllables;
    for (const QString& file : row) {
      const auto other = std::find_if(lines_.begin(), lines_.end(),
                                      [&](const ScriptLine& l) { return l.fileName == file; });
      syllables.append(
          QStringLiteral("%1（%2）")
              .arg(other != lines_.end() ? other->korean : file, voiceOf(teachers_, file)));
    }
    rows.append(QStringLiteral("この音節の行: ") + syllables.join(QStringLiteral("・")));
  }
  rows_->setText(rows.join(u'\n'));
  rows_->setVisible(!rows.isEmpty());
  waveform_->clear();
  progress_->showCurrent(index);
  services_.settings.setValue(settings::positionKey(appFolder_), line.fileName);
  showTakeButtons();
}

void StudioWindow::showProgress() {
  progress_->showVoices(teachers_, contentgen::voiceReport(list_, teachers_));
}

void StudioWindow::showTakeButtons() {
  const bool running = recording();
  record_->setText(running ? QStringLiteral("停止（Space）") : QStringLiteral("録音（Space）"));
  record_->setAccessibleName(running ? QStringLiteral("停止") : QStringLiteral("録音"));
  accept_->setEnabled(running || processed_.has_value());
}

void StudioWindow::tell(const QString& text) { message_->setText(text); }

}  // namespace lumora::studio
