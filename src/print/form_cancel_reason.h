#pragma once

#include "form.h"

class QLineEdit;
class QPushButton;

// Asks why an issued document is cancelled ("取消"); OK needs a reason.
class TFormCancelReason : public TForm {
  Q_OBJECT

 public:
  explicit TFormCancelReason(Document& doc, QWidget* parent = nullptr);

  QLineEdit* EditReason = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  QString Reason() const;

 public slots:
  void ButtonOkClick();
};
