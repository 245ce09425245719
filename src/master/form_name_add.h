#pragma once

#include "entry_form.h"
#include "name_list_design.h"

class QKeyEvent;
class QLineEdit;
class QPushButton;

// The one-line entry window of the classification, unit and remark-phrase lists, for
// adding and for changing an entry. Enter presses OK; Esc cancels unless the design says
// otherwise. The list window prepares it and stores the text as typed.
class TFormNameAdd : public TEntryForm {
  Q_OBJECT

 public:
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  void Prepare(const QString& caption, const QString& text);
  QString Text() const;

 public slots:
  void FormShow();

 protected:
  TFormNameAdd(Document& doc, const NameEntryDesign& design);

  QLineEdit* Edit() const { return edit_; }
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool EditKeyPress(const QKeyEvent& key);

  const NameEntryDesign& design_;
  QLineEdit* edit_ = nullptr;
};
