#include "form_controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

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
