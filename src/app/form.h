#pragma once

#include <QDialog>

class QAbstractButton;
struct Document;

// Every window of the program but the main one: created once at start, shown modally,
// reinitialising itself from the document whenever it is shown. Windows that serve two
// kinds read the kind from Tag, which the opener sets before showing them
// (0 suppliers / purchases / payments, 1 customers / shipments / receipts).
// At every showing Enter and Tab walk the fields in reading order (read-only fields and
// the cells of a list are passed over), and the focus starts on the first field unless
// the window put it elsewhere while showing.
class TForm : public QDialog {
  Q_OBJECT

 public:
  explicit TForm(Document& doc, QWidget* parent = nullptr);

  int Tag = 0;

  Document& Doc() { return doc_; }
  const Document& Doc() const { return doc_; }

  // Windows without a cancel button ignore Esc: they are left with their own button.
  void SetEscCancels(bool on) { escCancels_ = on; }
  // Esc presses this button (a list window's 戻る), as a click would.
  void SetEscButton(QAbstractButton* button) { escButton_ = button; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void PrepareWalk();
  void FocusFirstField();

  Document& doc_;
  bool escCancels_ = true;
  QAbstractButton* escButton_ = nullptr;
};
