#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "answer/Colours.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

TEST(AnswerStyle, TheLastCallDecides) {
  FormHarness h;
  h->enableTypedAnswer();
  h->enableButtonAnswer();
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(h->Command4(i)->isEnabled());
    EXPECT_TRUE(h->hint(i)->isEnabled());
  }
  EXPECT_FALSE(h->Text1->isEnabled());
  EXPECT_EQ(colours::backColour(h->Text1), colours::kLightGrey);
  h->enableTypedAnswer();
  h->enableTypedAnswer();
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(h->Command4(i)->isEnabled());
    EXPECT_FALSE(h->hint(i)->isEnabled());
  }
  EXPECT_TRUE(h->Text1->isEnabled());
  EXPECT_EQ(colours::backColour(h->Text1), colours::kWhite);
}

TEST(AnswerStyle, TypedStyleKeepsWhatTheButtonsShowed) {
  FormHarness h;
  h->showChoiceCaptions("日曜", "月曜", "火曜");
  h->Label3(1)->setText("Ｘ");
  h->enableTypedAnswer();
  EXPECT_EQ(h->Command4(1)->text(), "月曜");
  EXPECT_EQ(colours::backColour(h->Command4(1)), colours::kLightGreen);
  EXPECT_EQ(h->Label3(1)->text(), "Ｘ");
}

TEST(ChoiceCaptions, ShowTheCaptionsOnLightGreenAndKeepPictures) {
  FormHarness h;
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::black);
  ASSERT_TRUE(image.save(h.pictureFolder() + "ga.JPG", "JPG"));
  h->showChoicePictures("ga.JPG", "ga.JPG", "ga.JPG");
  h->showChoiceCaptions("日曜", "月曜", "火曜");
  EXPECT_EQ(h->Command4(0)->text(), "日曜");
  EXPECT_EQ(h->Command4(2)->text(), "火曜");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(colours::backColour(h->Command4(i)), colours::kLightGreen);
    EXPECT_FALSE(h->Command4(i)->icon().isNull());
  }
  h->clearAnswerButtons();
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(h->Command4(i)->icon().isNull());
    EXPECT_EQ(colours::backColour(h->Label3(i)), colours::kWindowBackground);
  }
}

QStringList captions(FormHarness& h) {
  return {h->Command4(0)->text(), h->Command4(1)->text(), h->Command4(2)->text()};
}

// The tables name syllables in romanized form; the buttons show them in Hangul.
TEST(ChoicePictures, AMissingOrUnreadablePictureShowsItsSyllableLargeInAKoreanFont) {
  FormHarness h;
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  ASSERT_TRUE(image.save(h.pictureFolder() + "ka.JPG", "JPG"));
  QFile broken(h.pictureFolder() + "kka.JPG");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  const QFont captionFont = h->Command4(0)->font();
  h->Command4(0)->setText("old");
  h->showChoicePictures("gat.JPG", "ka.JPG", "kka.JPG");
  EXPECT_TRUE(h->Command4(0)->icon().isNull());
  EXPECT_FALSE(h->Command4(1)->icon().isNull());
  EXPECT_TRUE(h->Command4(2)->icon().isNull());
  EXPECT_EQ(captions(h), QStringList({"갓", "", "까"}));
  const QFontMetrics syllable(h->Command4(0)->font());
  EXPECT_TRUE(syllable.inFontUcs4(U'갓'));
  EXPECT_GE(syllable.height(), h->Command4(0)->iconSize().height() / 2);
  EXPECT_EQ(colours::backColour(h->Command4(0)), colours::kLightGreen);

  h->showChoicePictures("bang.JPG", "ui.JPG", "カ.JPG");
  EXPECT_EQ(captions(h), QStringList({"방", "의", "カ"}));
  h->showChoiceCaptions("日曜", "月曜", "火曜");
  EXPECT_EQ(h->Command4(0)->font(), captionFont);
}

TEST(WeekdayChoices, ThreeDifferentWeekdaysWithTheRightOneAmongThem) {
  FormHarness h;
  for (int draw = 0; draw < 500; ++draw) {
    h->drawWeekdayChoices();
    const auto& v = h->choiceValues;
    for (int i = 1; i <= 3; ++i) {
      EXPECT_GE(v[i], 1);
      EXPECT_LE(v[i], 7);
    }
    EXPECT_NE(v[1], v[2]);
    EXPECT_NE(v[1], v[3]);
    EXPECT_NE(v[2], v[3]);
    EXPECT_EQ((v[0] == v[1]) + (v[0] == v[2]) + (v[0] == v[3]), 1);
  }
}

TEST(WeekdayChoices, ScriptedDrawsRedrawRepeatsInOrder) {
  FormHarness h;
  using testing::ScriptedRandom;
  // 3, 3 (redrawn), 5, 3 (redrawn), 5 (redrawn), 1; then the third button is right.
  for (int value : {3, 3, 5, 3, 5, 1})
    h.random->script.push_back(ScriptedRandom::forDraw(value, 7));
  h.random->script.push_back(ScriptedRandom::forDraw(3, 3));
  h->drawWeekdayChoices();
  EXPECT_EQ(h->choiceValues, (std::array<std::int16_t, 4>{1, 3, 5, 1}));
}

TEST(WeekdayChoices, EachButtonCarriesTheRightWeekdayAboutAThirdOfTheTime) {
  FormHarness h;
  constexpr int kDraws = 30000;
  std::array<int, 3> rightOnButton{};
  std::array<int, 8> offered{};
  for (int draw = 0; draw < kDraws; ++draw) {
    h->drawWeekdayChoices();
    for (int i = 0; i < 3; ++i) {
      if (h->choiceValues[i + 1] == h->choiceValues[0]) ++rightOnButton[i];
      ++offered[h->choiceValues[i + 1]];
    }
  }
  // Five standard deviations of a binomial count: a fair draw fails this about never.
  for (int count : rightOnButton) EXPECT_NEAR(count, kDraws / 3.0, 5 * std::sqrt(kDraws * 2 / 9.0));
  const double perWeekday = kDraws * 3 / 7.0;
  for (int weekday = 1; weekday <= 7; ++weekday) {
    EXPECT_NEAR(offered[weekday], perWeekday, 5 * std::sqrt(perWeekday));
  }
}

}  // namespace
}  // namespace lumora
