#include "app/QtDialogs.h"

#include <QMessageBox>

namespace lumora {

void QtDialogs::critical(const QString& title, const QString& text) {
  QMessageBox::critical(nullptr, title, text);
}

void QtDialogs::warning(const QString& title, const QString& text) {
  QMessageBox::warning(nullptr, title, text);
}

void QtDialogs::notice(const QString& title, const QString& text) {
  auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

Dialogs::Answer QtDialogs::askYesNoCancel(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, nullptr);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace lumora
