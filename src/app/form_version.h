#pragma once

#include "form.h"

class QLabel;
class QPushButton;

// The program's name and a button that closes the window.
class TFormVersion : public TForm {
  Q_OBJECT

 public:
  explicit TFormVersion(Document& doc, QWidget* parent = nullptr);

  QLabel* LabelTitle;
  QLabel* LabelVersion;  // version and build date, as tenpo-cli --version prints them
  QPushButton* ButtonOk;
};
