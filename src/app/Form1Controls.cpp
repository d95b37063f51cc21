#include <QApplication>
#include <QStyle>

#include "answer/Accessibility.h"
#include "answer/Colours.h"
#include "app/Form1.h"

// The window's controls, each with its caption, colour, group and place. Positions
// are in device-independent pixels, so the window scales with the desktop.
namespace lumora {
namespace {

using colours::fromRgb;

constexpr std::uint32_t kPaleOrange = fromRgb(0xFFE0C0);
constexpr std::uint32_t kPaleYellow = fromRgb(0xFFFFC0);
constexpr std::uint32_t kPaleCyan = fromRgb(0xC0FFFF);
constexpr std::uint32_t kLightCyan = fromRgb(0x80FFFF);
constexpr std::uint32_t kLightPink = fromRgb(0xFFC0FF);
constexpr std::uint32_t kPaleBlue = fromRgb(0xC0C0FF);

template <typename Widget>
Widget* place(QWidget* parent, const QString& caption, QRect geometry) {
  auto* widget = new Widget(caption, parent);
  widget->setGeometry(geometry);
  widget->setAccessibleName(caption.simplified());
  return widget;
}

QPushButton* button(QWidget* parent, const QString& caption, QRect geometry, std::uint32_t colour) {
  auto* widget = place<QPushButton>(parent, caption, geometry);
  colours::setBackColour(widget, colour);
  return widget;
}

QLabel* label(QWidget* parent, const QString& caption, QRect geometry) {
  return place<QLabel>(parent, caption, geometry);
}

// A bordered, centred box label. Assistive tools read what it shows as its name and what
// it is as its description.
QLabel* box(QWidget* parent, const QString& caption, QRect geometry, std::uint32_t colour,
            const QString& description) {
  auto* widget = label(parent, caption, geometry);
  widget->setFrameShape(QFrame::Box);
  widget->setAlignment(Qt::AlignCenter);
  widget->setAccessibleName(QString());
  widget->setAccessibleDescription(description);
  colours::setBackColour(widget, colour);
  return widget;
}

// A box that shows a verdict keeps what it is as its name: its description announces each
// verdict.
QLabel* resultBox(QWidget* parent, QRect geometry, std::uint32_t colour, const QString& name) {
  auto* widget = box(parent, QString(), geometry, colour, QString());
  widget->setAccessibleName(name);
  return widget;
}

QRadioButton* option(QWidget* parent, const QString& caption, QRect geometry,
                     std::uint32_t colour) {
  auto* widget = place<QRadioButton>(parent, caption, geometry);
  colours::setBackColour(widget, colour);
  return widget;
}

QComboBox* combo(QWidget* parent, QRect geometry, const QString& accessibleName) {
  auto* widget = new QComboBox(parent);
  widget->setEditable(true);
  widget->setInsertPolicy(QComboBox::NoInsert);
  widget->setEditText(QStringLiteral("5"));
  widget->setGeometry(geometry);
  widget->setAccessibleName(accessibleName);
  widget->lineEdit()->setAccessibleName(accessibleName);
  return widget;
}

// A borderless container: its option buttons form one group.
QWidget* optionGroup(QWidget* parent, QRect geometry) {
  auto* widget = new QWidget(parent);
  widget->setGeometry(geometry);
  return widget;
}

QFont scaled(QFont font, double factor, bool bold = false) {
  font.setPointSizeF(font.pointSizeF() * factor);
  font.setBold(bold);
  return font;
}

// Only the frame's own caption is blue: its controls keep the text colour they were given,
// or the desktop's, instead of inheriting the frame's.
void showTitleInBlue(QGroupBox* frame) {
  const QPalette desktop = QApplication::palette();
  for (QWidget* child : frame->findChildren<QWidget*>()) {
    QPalette palette = child->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
      if (!palette.isBrushSet(QPalette::Active, role)) palette.setColor(role, desktop.color(role));
    }
    child->setPalette(palette);
  }
  colours::setForeColour(frame, fromRgb(0x0000FF));
}

// Array elements are found as "name(index)", like Command4(0) or 時間制限(6).
template <typename Widget>
void nameElements(const ControlArray<Widget>& array, const QString& name) {
  for (int i = array.firstIndex(); i < array.firstIndex() + array.size(); ++i) {
    array(i)->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
  }
}

// Every control is found by its own name, whatever its caption or accessible name shows.
void nameControls(Form1& form) {
  const std::initializer_list<std::pair<QWidget*, const char*>> singles = {
      {form.Label1, "Label1"},
      {form.Frame1, "Frame1"},
      {form.Text1, "Text1"},
      {form.得点, "得点"},
      {form.Frame2, "Frame2"},
      {form.漢数詞, "漢数詞"},
      {form.固有数詞, "固有数詞"},
      {form.月, "月"},
      {form.日, "日"},
      {form.月日, "月日"},
      {form.曜日, "曜日"},
      {form.難聴音, "難聴音"},
      {form.時間, "時間"},
      {form.番目, "番目"},
      {form.Frame3, "Frame3"},
      {form.自動, "自動"},
      {form.手動, "手動"},
      {form.Frame4, "Frame4"},
      {form.不正解分, "不正解分"},
      {form.ランダム, "ランダム"},
      {form.順番通り, "順番通り"},
      {form.不正解問数, "不正解問数"},
      {form.不正解分リセット, "不正解分リセット"},
      {form.data_load, "data_load"},
      {form.data_save, "data_save"},
      {form.Frame5, "Frame5"},
      {form.練習モード, "練習モード"},
      {form.テストモード, "テストモード"},
      {form.出題開始, "出題開始"},
      {form.再度再生, "再度再生"},
      {form.ゆっくり再生, "ゆっくり再生"},
      {form.自動中止, "自動中止"},
      {form.学習終了, "学習終了"},
      {form.学習記録, "学習記録"},
  };
  form.setObjectName(QStringLiteral("Form1"));
  for (const auto& [widget, name] : singles) widget->setObjectName(QString::fromUtf8(name));
  nameElements(form.Label2, QStringLiteral("Label2"));
  nameElements(form.Command4, QStringLiteral("Command4"));
  nameElements(form.hint, QStringLiteral("hint"));
  nameElements(form.Label3, QStringLiteral("Label3"));
  nameElements(form.Label4, QStringLiteral("Label4"));
  nameElements(form.Label5, QStringLiteral("Label5"));
  nameElements(form.時間制限, QStringLiteral("時間制限"));
  nameElements(form.Label6, QStringLiteral("Label6"));
  nameElements(form.出題数Combo, QStringLiteral("出題数Combo"));
  nameElements(form.制限時間Combo, QStringLiteral("制限時間Combo"));
  nameElements(form.Label8, QStringLiteral("Label8"));
}

}  // namespace

void Form1::createControls() {
  setWindowTitle(kApplicationTitle);
  setFixedSize(1350, 570);
  const QFont base = font();

  Label1 = label(this, kApplicationTitle, {575, 4, 200, 32});
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(scaled(base, 1.6, true));

  Frame1 = place<QGroupBox>(this, QStringLiteral("発音された音は?"), {10, 38, 1330, 424});

  const std::uint32_t darkBlue = fromRgb(0x0000C0);
  auto* instruction0 =
      label(Frame1, QStringLiteral("（１）正解のボタンを押して下さい"), {20, 24, 500, 24});
  auto* instruction1 =
      label(Frame1, QStringLiteral("（２）正解を入力して下さい"), {20, 252, 500, 24});
  colours::setForeColour(instruction0, darkBlue);
  colours::setForeColour(instruction1, darkBlue);
  Label2 = {0, {instruction0, instruction1}};

  std::array<QPushButton*, 3> answers{};
  std::array<QPushButton*, 3> speakers{};
  std::array<QLabel*, 3> marks{};
  const std::array<std::uint32_t, 3> answerColours = {kLightCyan, colours::kLightGreen,
                                                      colours::kLightGreen};
  const std::array<std::uint32_t, 3> markColours = {colours::kGreen, colours::kRed,
                                                    colours::kWindowBackground};
  for (int i = 0; i < 3; ++i) {
    const int x = 20 + i * 250;
    answers[i] = button(Frame1, QStringLiteral("水曜日"), {x, 52, 232, 140}, answerColours[i]);
    answers[i]->setFont(scaled(base, 1.8, true));
    answers[i]->setIconSize({224, 132});
    speakers[i] = new QPushButton(Frame1);
    speakers[i]->setGeometry(x + 232 - 42, 54, 40, 38);
    speakers[i]->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    speakers[i]->setIconSize({33, 32});
    speakers[i]->raise();
    marks[i] = resultBox(Frame1, {x + 86, 198, 60, 44}, markColours[i],
                         QStringLiteral("選択肢%1の結果").arg(i + 1));
    marks[i]->setText(QStringLiteral("〇"));
    marks[i]->setFont(scaled(base, 1.8, true));
  }
  Command4 = {0, {answers[0], answers[1], answers[2]}};
  hint = {0, {speakers[0], speakers[1], speakers[2]}};
  Label3 = {0, {marks[0], marks[1], marks[2]}};
  for (int i = 0; i < 3; ++i) nameAnswerButton(*this, i, Command4(i)->text());

  auto* inputHint =
      label(Frame1,
            QStringLiteral(
                "入力は半角数字で月と日の間は１文字空ける(時分も同様）　入力例(5月11日)：5 11 "),
            {20, 280, 740, 24});
  auto* inputHeading = label(Frame1, QStringLiteral("回答 入力欄"), {20, 338, 100, 30});
  auto* answerHeading = label(Frame1, QStringLiteral("正解"), {450, 306, 120, 24});
  auto* resultHeading = label(Frame1, QStringLiteral("結果"), {350, 306, 80, 24});
  Label4 = {0, {inputHint, inputHeading, answerHeading, resultHeading}};

  Text1 = new QLineEdit(Frame1);
  Text1->setGeometry(125, 330, 200, 50);
  Text1->setFont(scaled(base, 2.0, true));
  Text1->setAccessibleName(QStringLiteral("回答 入力欄"));
  // Digits go in directly, with no conversion step of a Japanese input method; full-width
  // digits typed all the same are still accepted.
  Text1->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
  colours::setBackColour(Text1, colours::kWhite);

  auto* rightAnswer =
      box(Frame1, QString(), {450, 330, 300, 50}, kPaleCyan, QStringLiteral("正解"));
  auto* result = resultBox(Frame1, {350, 330, 80, 50}, colours::kWhite, QStringLiteral("結果"));
  rightAnswer->setFont(scaled(base, 1.8, true));
  result->setFont(scaled(base, 1.8, true));
  Label5 = {0, {rightAnswer, result}};

  Frame2 = place<QGroupBox>(Frame1, QStringLiteral("出題内容・出題方法"), {780, 18, 536, 336});

  const std::array<std::pair<QCheckBox**, QString>, 9> categories = {{
      {&漢数詞, QStringLiteral("漢数字")},
      {&固有数詞, QStringLiteral("固有数詞")},
      {&月, QStringLiteral("月")},
      {&日, QStringLiteral("日")},
      {&月日, QStringLiteral("月 日")},
      {&曜日, QStringLiteral("曜日")},
      {&難聴音, QStringLiteral("難聴音")},
      {&時間, QStringLiteral("時間")},
      {&番目, QStringLiteral("番目")},
  }};
  for (int i = 0; i < 9; ++i) {
    auto* box = place<QCheckBox>(Frame2, categories[i].second, {14, 24 + i * 34, 120, 30});
    colours::setBackColour(box, kPaleOrange);
    *categories[i].first = box;
  }

  Frame3 = optionGroup(Frame2, {150, 24, 200, 38});
  自動 = option(Frame3, QStringLiteral("自動"), {0, 4, 90, 30}, kPaleYellow);
  手動 = option(Frame3, QStringLiteral("手動"), {100, 4, 90, 30}, kPaleYellow);
  時間制限 = {6, {option(Frame2, QStringLiteral("時間制限"), {360, 28, 110, 30}, kLightPink)}};

  Label6 = {0,
            {label(Frame2, QStringLiteral("出題数"), {150, 76, 60, 30}),
             label(Frame2, QStringLiteral("制限時間"), {290, 76, 76, 30}),
             label(Frame2, QStringLiteral("秒"), {446, 76, 30, 30})}};
  出題数Combo = {0, {combo(Frame2, {210, 76, 70, 30}, QStringLiteral("出題数"))}};
  制限時間Combo = {1, {combo(Frame2, {368, 76, 74, 30}, QStringLiteral("制限時間"))}};
  auto* questionNumberLabel = box(Frame2, QStringLiteral("問題10問目"), {290, 76, 186, 30},
                                  kPaleBlue, QStringLiteral("問題番号"));
  questionNumberLabel->setFrameShape(QFrame::NoFrame);
  auto* secondsLeftLabel = box(Frame2, QStringLiteral("残り30秒"), {436, 18, 90, 26}, kPaleBlue,
                               QStringLiteral("残り時間"));
  secondsLeftLabel->setFrameShape(QFrame::NoFrame);
  Label8 = {0, {questionNumberLabel, secondsLeftLabel}};

  Frame4 = optionGroup(Frame2, {150, 120, 380, 38});
  不正解分 = option(Frame4, QStringLiteral("不正解分"), {0, 4, 110, 30}, colours::kLightGreen);
  ランダム = option(Frame4, QStringLiteral("ランダム"), {120, 4, 110, 30}, colours::kLightGreen);
  順番通り = option(Frame4, QStringLiteral("順番通り"), {240, 4, 110, 30}, colours::kLightGreen);
  順番通り->setEnabled(false);

  不正解問数 = box(Frame2, QString(), {150, 174, 120, 36}, colours::kWindowBackground,
                   QStringLiteral("不正解問数"));
  不正解分リセット = button(Frame2, QStringLiteral("不正解分       リセット"), {282, 174, 200, 36},
                            fromRgb(0xFF80FF));
  data_load = button(Frame2, QStringLiteral("不正解分読込"), {282, 218, 96, 36}, kPaleCyan);
  data_save = button(Frame2, QStringLiteral("不正解分記録"), {386, 218, 96, 36}, fromRgb(0x80FF80));

  Frame5 = optionGroup(Frame2, {150, 290, 380, 38});
  練習モード = option(Frame5, QStringLiteral("練習ﾓｰﾄﾞ"), {0, 4, 140, 30}, kPaleCyan);
  テストモード = option(Frame5, QStringLiteral("テストﾓｰﾄﾞ"), {150, 4, 140, 30}, kPaleCyan);
  練習モード->setEnabled(false);
  テストモード->setEnabled(false);

  得点 = box(Frame1, QStringLiteral("１００点"), {1110, 360, 206, 56}, fromRgb(0xFFFF80),
             QStringLiteral("得点"));
  得点->setFrameShape(QFrame::NoFrame);
  得点->setFont(scaled(base, 2.2, true));
  colours::setForeColour(得点, fromRgb(0xFF0000));

  showTitleInBlue(Frame1);

  // Bottom left, first in the bottom row of the tab order.
  学習記録 = button(this, QStringLiteral("学習記録"), {10, 472, 160, 40}, kPaleBlue);
  出題開始 =
      button(this, QStringLiteral("出題開始         "), {760, 468, 380, 48}, fromRgb(0x00FF00));
  出題開始->setFont(scaled(base, 1.5, true));
  出題開始->setAccessibleName(QStringLiteral("出題開始"));
  再度再生 = button(this, QStringLiteral("もう一度聞く"), {1020, 472, 116, 40}, kLightCyan);
  再度再生->raise();
  ゆっくり再生 = button(this, QStringLiteral("ゆっくり"), {1020, 522, 116, 40}, kLightCyan);
  ゆっくり再生->setAccessibleName(QStringLiteral("ゆっくりもう一度聞く"));
  ゆっくり再生->setToolTip(QStringLiteral("0.7 倍の速さで、音の高さはそのままにもう一度聞く"));
  自動中止 = button(this, QStringLiteral("自動中止"), {760, 522, 200, 40}, kLightPink);
  学習終了 = button(this, QStringLiteral("学習終了"), {1190, 468, 150, 94}, fromRgb(0xFFC080));
  nameControls(*this);
}

}  // namespace lumora
