#include "radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  const int count = static_cast<int>(items.size());
  const int perColumn = qMax((count + qMax(columns, 1) - 1) / qMax(columns, 1), 1);
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_->addButton(button, i);
    layout->addWidget(button, i % perColumn, i / perColumn);
  }
  connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    UpdateTabStop();
    if (checked) emit ItemIndexChanged(id);
  });
  UpdateTabStop();
}

// One stop for Tab and Enter, as on Windows: the checked item, or the first while none is;
// the arrow keys move between the items.
void RadioGroup::UpdateTabStop() {
  QAbstractButton* stop = buttons_->checkedButton();
  if (stop == nullptr) stop = buttons_->button(0);
  for (QAbstractButton* button : buttons_->buttons()) {
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

int RadioGroup::ItemIndex() const {
  return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group will not let its checked button go.
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
  buttons_->setExclusive(true);
}

int RadioGroup::Count() const {
  return static_cast<int>(buttons_->buttons().size());
}

QRadioButton* RadioGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(buttons_->button(index));
}
