#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QComboBox;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QLineEdit;
class QPushButton;
class QWidget;

// The standard controls of the windows, named as their members.

// A push button that never becomes the window's default button, so Enter in a list or an
// edit does not press it; Enter on the button itself does.
QPushButton* FormButton(QWidget* parent, const QString& caption, const QString& name);
// One that the Tab key passes over (move buttons and the like).
QPushButton* SideButton(QWidget* parent, const QString& caption, const QString& name);

// Japanese text (names, addresses, remarks) or codes and numbers.
enum class Ime { On, Off };
// A one-line text edit that refuses what CP932 cannot hold.
QLineEdit* TextField(QWidget* parent, const QString& name, Ime ime);
// A drop-down list without typing.
QComboBox* PickList(QWidget* parent, const QString& name, const QStringList& items = {});
// A drop-down list that also takes typed text, refusing what CP932 cannot hold.
QComboBox* EditableList(QWidget* parent, const QString& name, Ime ime);
// Shows the text in an editable list; the item of that text becomes the current one, or
// none, so that the first ↓ in an empty field picks the first item.
void SetEditableText(QComboBox* combo, const QString& text);
// Completion in a pop-up list; Enter there takes what is shown and moves to the next field.
void UsePopupCompletion(QComboBox* combo);

// A row of controls: some at the left edge, some at the right, space between.
QHBoxLayout* ControlRow(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right);

// The record entry windows: two columns of fields, the remark "備考" across the window,
// then the bottom row.
void LayOutEntryWindow(QWidget* window, QLayout* left, QLayout* right, QLineEdit* note,
                       QLayout* bottom);
