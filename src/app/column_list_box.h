#pragma once

#include <QListWidget>

// A list box whose entries run down a column and on into the next. Every column is a
// share of the box's width, or as wide as the widest entry when that is wider: a short
// first entry never narrows the others, and no entry is cut short.
class TColumnListBox : public QListWidget {
 public:
  TColumnListBox(QWidget* parent, int columns);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) override;
  void reset() override;

 private:
  void FitColumns();
  QSize CellFor(const QString& text);

  int columns_;
};
