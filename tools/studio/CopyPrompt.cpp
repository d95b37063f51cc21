#include "CopyPrompt.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "LumoraCopy.h"
#include "StudioWindow.h"
#include "data/RecordingNames.h"

namespace lumora::studio {
namespace {

// Qt's own dialog, shown where the desktop has none, with its words in Japanese.
QString chosenFolder() {
  QFileDialog dialog(nullptr, QStringLiteral("Lumora のコピーを作る場所"), QDir::homePath());
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("場所:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("フォルダ:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("種類:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("選ぶ"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("やめる"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// The folder itself when it holds a Lumora already, else a folder Lumora in it.
QString copyIn(const QString& folder) {
  return QDir(folder + u'/' + names::kSoundFolder).exists() ? folder
                                                            : folder + QStringLiteral("/Lumora");
}

}  // namespace

QString writableAppFolder(const QString& appFolder) {
  QString folder = appFolder;
  while (!soundFolderWritable(folder)) {
    QMessageBox box(
        QMessageBox::Question, kStudioTitle,
        QStringLiteral("このフォルダの音声には書き込めません:\n%1\n\nインストールされた Lumora "
                       "はパッケージのものなので、先生の声は書き込めるフォルダに作る Lumora の"
                       "コピーに録音します。コピーはそのまま起動でき、学習者にも渡せます。\n"
                       "前に作ったコピーがあれば、その場所を選んでください。")
            .arg(QDir::toNativeSeparators(folder + u'/' + names::kSoundFolder)));
    QPushButton* home = box.addButton(
        QStringLiteral("%1 に作る").arg(QDir::toNativeSeparators(copyIn(QDir::homePath()))),
        QMessageBox::AcceptRole);
    QPushButton* elsewhere = box.addButton(QStringLiteral("場所を選ぶ…"), QMessageBox::ActionRole);
    box.addButton(QStringLiteral("終了"), QMessageBox::RejectRole);
    box.setDefaultButton(home);
    box.exec();
    QString place;
    if (box.clickedButton() == home) place = QDir::homePath();
    if (box.clickedButton() == elsewhere) place = chosenFolder();
    if (box.clickedButton() != home && box.clickedButton() != elsewhere) return {};
    if (place.isEmpty()) continue;
    const QString copy = copyIn(place);
    if (!QDir(copy + u'/' + names::kSoundFolder).exists()) {
      if (const auto fault = copyLumora(folder, copy)) {
        QMessageBox::warning(nullptr, kStudioTitle,
                             QStringLiteral("Lumora をコピーできませんでした。%1%2\n%3")
                                 .arg(fault->summary(), fault->advice(), fault->detail()));
        continue;
      }
    }
    folder = copy;
  }
  return folder;
}

}  // namespace lumora::studio
