#pragma once

#include <QDialog>

struct Document;

// Every window of the program but the main one: created once at start, shown modally,
// reinitialising itself from the document whenever it is shown. Windows that serve two
// kinds read the kind from Tag, which the opener sets before showing them
// (0 suppliers / purchases / payments, 1 customers / shipments / receipts).
class TForm : public QDialog {
  Q_OBJECT

 public:
  explicit TForm(Document& doc, QWidget* parent = nullptr) : QDialog(parent), doc_(doc) {}

  int Tag = 0;

  Document& Doc() { return doc_; }
  const Document& Doc() const { return doc_; }

  // Windows without a cancel button ignore Esc: they are left with their own button.
  void SetEscCancels(bool on) { escCancels_ = on; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Document& doc_;
  bool escCancels_ = true;
};
