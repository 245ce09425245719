#pragma once

#include <optional>
#include <string>

#include "form.h"

class QLineEdit;
class QPushButton;

// Asks for the password of a protected data file.
class TFormLogIn : public TForm {
  Q_OBJECT

 public:
  explicit TFormLogIn(Document& doc, QWidget* parent = nullptr);

  QLineEdit* EditPassword;
  QPushButton* ButtonOk;
  QPushButton* ButtonCancel;

  // The typed password as CP932 bytes.
  std::string Password() const;

 public slots:
  void FormShow();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the password window and returns the typed password, or nothing when cancelled:
// the prompt the data file's open operation asks with.
std::optional<std::string> AskPasswordWithLogIn(TFormLogIn* form);
