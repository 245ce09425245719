#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled group of radio buttons chosen by position, one of them checked at a time.
// The items fill the columns top to bottom, then left to right. Tab and Enter stop once in
// the group, on the checked item; the arrow keys move between the items.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& title, const QStringList& items, int columns = 1,
             QWidget* parent = nullptr);

  // -1 while no item is checked.
  int ItemIndex() const;
  // -1, or any position outside the items, leaves none checked.
  void SetItemIndex(int index);
  int Count() const;
  QRadioButton* Button(int index) const;

 signals:
  // An item became the checked one, by the user or by SetItemIndex.
  void ItemIndexChanged(int index);

 private:
  void UpdateTabStop();

  QButtonGroup* buttons_;
};
