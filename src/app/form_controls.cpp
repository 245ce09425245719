#include "form_controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "input_method.h"
#include "sjis_guard.h"

QPushButton* FormButton(QWidget* parent, const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QPushButton* SideButton(QWidget* parent, const QString& caption, const QString& name) {
  QPushButton* button = FormButton(parent, caption, name);
  button->setFocusPolicy(Qt::ClickFocus);
  return button;
}

QLineEdit* TextField(QWidget* parent, const QString& name, Ime ime) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  GuardSjis(edit);
  if (ime == Ime::On) {
    SetImeOn(edit);
  } else {
    SetImeOff(edit);
  }
  return edit;
}

QComboBox* PickList(QWidget* parent, const QString& name, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->addItems(items);
  return combo;
}

QHBoxLayout* ControlRow(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : left) row->addWidget(w);
  row->addStretch();
  for (QWidget* w : right) row->addWidget(w);
  return row;
}

void LayOutEntryWindow(QWidget* window, QLayout* left, QLayout* right, QLineEdit* note,
                       QLayout* bottom) {
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right);
  auto* noteRow = new QFormLayout;
  noteRow->addRow(QStringLiteral("備考"), note);
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(columns);
  layout->addLayout(noteRow);
  layout->addStretch();
  layout->addLayout(bottom);
}
