#pragma once

#include <QLineEdit>

#include <functional>

#include "ss_edit_option.h"

// One-line edit for numbers, money, dates and times. The style in EditOption() cleans the
// text when the control is entered and checks and formats it when it is left; a refused
// text is reported through OnInvalid and the focus stays in the control.
//
// The window's own handlers go into OnEnter, OnExit and OnKeyPress; they run before the
// control's own handling. Enter and exit mean moving between the controls of a window:
// switching to another window and back, or a pop-up menu, runs neither.
//
// Use Text() and SetText() rather than text() and setText(): the first SetText() formats
// the initial value by the style.
//
// What CP932 cannot hold, and a number too long for an amount, is refused as it is typed
// (sjis_guard.h), visibly.
class TSsEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TSsEdit(QWidget* parent = nullptr);

  // The style of every amount field of the program: right-aligned, no formatting and no
  // limits of its own (the window formats the number), input method off.
  static TSsEdit* Plain(QWidget* parent);

  TSsAlignment Alignment() const { return alignment_; }
  void SetAlignment(TSsAlignment alignment);

  TSsEditOption& EditOption() { return option_; }
  const TSsEditOption& EditOption() const { return option_; }

  QString Text() const { return text(); }
  // The first write formats the value by the style (an invalid value is shown unchanged,
  // nothing is reported); every later write shows the value as it is.
  void SetText(const QString& value);

  QSize sizeHint() const override;

  std::function<void()> OnEnter;
  std::function<void()> OnExit;
  // Returns true when the window has taken the key; the control then ignores it.
  std::function<bool(QKeyEvent* event)> OnKeyPress;
  // The control shows no message itself.
  std::function<void(TSsEdit* sender, const QString& message)> OnInvalid;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Enter();
  void Exit();
  void Refuse(const QString& message);
  bool DiscardsForLength(const QKeyEvent& event) const;
  bool MoveByEnter(const QKeyEvent& event);

  TSsEditOption option_;
  TSsAlignment alignment_ = TSsAlignment::Left;
  bool initialised_ = false;
  // Between enter and exit handling; a focus-out without a matching enter is not an exit.
  bool entered_ = false;
  // The focus comes back after a refusal: the text stays as typed.
  bool refocusing_ = false;
};
