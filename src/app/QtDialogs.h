#pragma once

#include "app/Dialogs.h"

namespace lumora {

// The desktop's modal message boxes.
class QtDialogs final : public Dialogs {
 public:
  void critical(const QString& title, const QString& text) override;
  void warning(const QString& title, const QString& text) override;
  void notice(const QString& title, const QString& text) override;
  Answer askYesNoCancel(const QString& title, const QString& text) override;
};

}  // namespace lumora
