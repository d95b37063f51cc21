#include "app/Form1.h"

#include <QCloseEvent>

#include "app/Keyboard.h"

namespace lumora {

Form1::Form1(QString applicationFolder, Platform platform, QWidget* parent)
    : QWidget(parent),
      Timer1([this] { Timer1_Timer(); }),
      applicationFolder_(std::move(applicationFolder)),
      platform_(std::move(platform)) {
  createControls();
  connectEvents();
  installKeyboard(*this);
}

Form1::~Form1() = default;

void Form1::connectEvents() {
  connect(出題開始, &QPushButton::clicked, this, [this] { 出題開始_Click(); });
  connect(再度再生, &QPushButton::clicked, this, [this] { 再度再生_Click(); });
  connect(ゆっくり再生, &QPushButton::clicked, this, [this] { ゆっくり再生_Click(); });
  platform_.audio->setLateFaultHandler(
      [this](const QString& path, RecordingFault fault) { tellRecordingFault(fault, path); });
  connect(自動中止, &QPushButton::clicked, this, [this] { 自動中止_Click(); });
  connect(学習終了, &QPushButton::clicked, this, [this] { 学習終了_Click(); });
  for (int i = 0; i < 3; ++i) {
    connect(Command4(i), &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
    connect(hint(i), &QPushButton::clicked, this, [this, i] { hint_Click(i); });
  }
  connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(自動, &QRadioButton::toggled, this, [this](bool on) {
    if (on) 自動_Click();
  });
  connect(手動, &QRadioButton::toggled, this, [this](bool on) {
    if (on) 手動_Click();
  });
  connect(不正解分, &QRadioButton::toggled, this, [this](bool on) {
    if (on) 不正解分_Click();
  });
  // Alone in its group, 時間制限 could be cleared by a click or an assistive tool's toggle.
  // Only the logic may clear it, and it lifts the group to do so.
  connect(時間制限(6), &QRadioButton::toggled, this, [this](bool on) {
    if (!on && 時間制限(6)->autoExclusive()) 時間制限(6)->setChecked(true);
  });
  connect(出題数Combo(0), &QComboBox::editTextChanged, this, [this] { 出題数Combo_Change(0); });
  connect(出題数Combo(0), &QComboBox::activated, this, [this] { 出題数Combo_Click(0); });
  connect(制限時間Combo(1), &QComboBox::editTextChanged, this, [this] { 制限時間Combo_Change(1); });
  connect(制限時間Combo(1), &QComboBox::activated, this, [this] { 制限時間Combo_Click(1); });
  connect(不正解分リセット, &QPushButton::clicked, this, [this] { 不正解分リセット_Click(); });
  connect(data_load, &QPushButton::clicked, this, [this] { data_load_Click(); });
  connect(data_save, &QPushButton::clicked, this, [this] { data_save_Click(); });
}

}  // namespace lumora
