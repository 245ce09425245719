#include "date_picker.h"

#include <QDateEdit>

QDateEdit* DatePicker(QWidget* parent, const QString& name) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(name);
  picker->setCalendarPopup(true);
  picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  return picker;
}
