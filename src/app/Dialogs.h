#pragma once

#include <QString>

namespace lumora {

// The application's title: the window's caption and the title of its own messages.
inline const QString kApplicationTitle = QStringLiteral("Lumora");

// Modal message boxes, behind an interface so that tests can answer them.
class Dialogs {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~Dialogs() = default;
  // Critical-error icon and an OK button.
  virtual void critical(const QString& title, const QString& text) = 0;
  // Warning icon and an OK button: a request that could not be carried out.
  virtual void warning(const QString& title, const QString& text) = 0;
  // Warning icon and an OK button, without waiting for it: the drill goes on meanwhile.
  virtual void notice(const QString& title, const QString& text) = 0;
  // No icon; Yes, No and Cancel buttons.
  virtual Answer askYesNoCancel(const QString& title, const QString& text) = 0;
};

}  // namespace lumora
