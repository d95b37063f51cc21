#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QSet>
#include <QSettings>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "RecordingScript.h"
#include "TeacherImport.h"

namespace lumora::studio {

// Every word of the sitting in a list by category, with how many of each category and which
// hard-to-hear rows are in the teacher's voice; a filter leaves only what is still synthetic.
class ProgressList final : public QWidget {
 public:
  ProgressList(const std::vector<contentgen::ScriptLine>& lines, QSettings& settings);

  // Which files are the teacher's, and what that makes of each category and row.
  void showVoices(const QSet<QString>& teachers, const contentgen::VoiceReport& report);
  // Marks the word being recorded; it stays listed whatever the filter.
  void showCurrent(std::size_t line);
  // Whether the filter lists the word.
  bool listed(std::size_t line) const;

  // Called when the teacher chooses a word in the list.
  std::function<void(std::size_t line)> chosen;

 private:
  void applyFilter();

  const std::vector<contentgen::ScriptLine>& lines_;
  QSettings& settings_;
  QSet<QString> teachers_;
  std::size_t current_ = 0;
  QLabel* overall_;
  QLabel* rows_;
  QCheckBox* syntheticOnly_;
  QTreeWidget* tree_;
  std::vector<QTreeWidgetItem*> items_;  // one per line, in line order
};

// A label that wraps, named for screen readers by `description` (its text is its name).
QLabel* describedLabel(const QString& description, int pointSize = 0);

// How a file's voice is shown.
QString voiceOf(const QSet<QString>& teachers, const QString& fileName);

}  // namespace lumora::studio
