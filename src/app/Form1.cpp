#include "app/Form1.h"

#include <QCloseEvent>

#include "app/Keyboard.h"
#include "record/LearningRecord.h"

namespace lumora {

Form1::Form1(QString applicationFolder, Platform platform, QWidget* parent)
    : QWidget(parent),
      Timer1([this] { gate_.run([this] { Timer1_Timer(); }); }),
      applicationFolder_(std::move(applicationFolder)),
      platform_(std::move(platform)),
      record_(
          std::make_unique<LearningRecord>(platform_.recordFile, [this](const RecordFault& fault) {
            // Told by the record's writer: the window shows it on its own thread.
            QMetaObject::invokeMethod(
                this, [this, fault] { tellRecordFault(fault); }, Qt::QueuedConnection);
          })) {
  createControls();
  connectEvents();
  installKeyboard(*this);
}

Form1::~Form1() = default;

void Form1::connectEvents() {
  platform_.audio->setLateFaultHandler(
      [this](const QString& path, RecordingFault fault) { tellRecordingFault(fault, path); });
  // Every handler runs through the gate: one at a time, never inside a blocking recording.
  const auto on = [this](auto* control, auto signal, std::function<void()> handler) {
    connect(control, signal, this, [this, handler] { gate_.run(handler); });
  };
  on(出題開始, &QPushButton::clicked, [this] { 出題開始_Click(); });
  on(再度再生, &QPushButton::clicked, [this] { 再度再生_Click(); });
  on(ゆっくり再生, &QPushButton::clicked, [this] { ゆっくり再生_Click(); });
  on(自動中止, &QPushButton::clicked, [this] { 自動中止_Click(); });
  on(学習終了, &QPushButton::clicked, [this] { 学習終了_Click(); });
  on(学習記録, &QPushButton::clicked, [this] { 学習記録_Click(); });
  for (int i = 0; i < 3; ++i) {
    on(Command4(i), &QPushButton::clicked, [this, i] { Command4_Click(i); });
    on(hint(i), &QPushButton::clicked, [this, i] { hint_Click(i); });
  }
  on(Text1, &QLineEdit::textChanged, [this] { Text1_Change(); });
  // An option's handler runs when it is set; the state is read as the handler runs.
  const auto onSet = [this, &on](QRadioButton* option, void (Form1::*click)()) {
    on(option, &QRadioButton::toggled, [this, option, click] {
      if (option->isChecked()) (this->*click)();
    });
  };
  onSet(自動, &Form1::自動_Click);
  onSet(手動, &Form1::手動_Click);
  onSet(不正解分, &Form1::不正解分_Click);
  // Alone in its group, 時間制限 could be cleared by a click or an assistive tool's toggle.
  // Only the logic may clear it, and it lifts the group to do so.
  connect(時間制限(6), &QRadioButton::toggled, this, [this](bool on) {
    if (!on && 時間制限(6)->autoExclusive()) 時間制限(6)->setChecked(true);
  });
  on(出題数Combo(0), &QComboBox::editTextChanged, [this] { 出題数Combo_Change(0); });
  on(出題数Combo(0), &QComboBox::activated, [this] { 出題数Combo_Click(0); });
  on(制限時間Combo(1), &QComboBox::editTextChanged, [this] { 制限時間Combo_Change(1); });
  on(制限時間Combo(1), &QComboBox::activated, [this] { 制限時間Combo_Click(1); });
  on(不正解分リセット, &QPushButton::clicked, [this] { 不正解分リセット_Click(); });
  on(data_load, &QPushButton::clicked, [this] { data_load_Click(); });
  on(data_save, &QPushButton::clicked, [this] { data_save_Click(); });
}

}  // namespace lumora
