#pragma once

#include <QListWidget>

// A list box whose entries run down a column and on into the next, each column an equal
// share of the box's width: a short first entry cannot narrow the others, and an entry
// wider than its column is cut at the column's edge.
class TColumnListBox : public QListWidget {
 public:
  TColumnListBox(QWidget* parent, int columns);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FitColumns();

  int columns_;
};
