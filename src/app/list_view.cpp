#include "list_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

#include "list_csv.h"

namespace {

// Text height plus a small margin: about 20 pixels at the windows' 15-pixel font.
constexpr int kRowMargin = 4;

void FitRowHeight(QTableWidget* view) {
  QHeaderView* rows = view->verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(ListRowHeight(view));
  rows->setSectionResizeMode(QHeaderView::Fixed);
}

// The window's font may be set after the view is set up.
class RowHeightKeeper : public QObject {
 public:
  explicit RowHeightKeeper(QTableWidget* view) : QObject(view), view_(view) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FontChange) FitRowHeight(view_);
    return false;
  }

 private:
  QTableWidget* view_;
};

}  // namespace

void SetUpListView(QTableWidget* view, const std::vector<ListColumn>& columns) {
  view->setColumnCount(static_cast<int>(columns.size()));
  QStringList captions;
  for (const ListColumn& c : columns) captions << c.caption;
  view->setHorizontalHeaderLabels(captions);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    view->setColumnWidth(i, columns[static_cast<size_t>(i)].width);
    if (columns[static_cast<size_t>(i)].rightAligned) {
      view->horizontalHeaderItem(i)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  view->setProperty("rightAligned", [&] {
    QList<QVariant> flags;
    for (const ListColumn& c : columns) flags << c.rightAligned;
    return flags;
  }());
  view->setShowGrid(true);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  view->horizontalHeader()->setHighlightSections(false);
  // The last column takes the width left over, so long names and addresses are not cut
  // while space stays empty on the right.
  view->horizontalHeader()->setStretchLastSection(true);
  view->setWordWrap(false);
  FitRowHeight(view);
  view->installEventFilter(new RowHeightKeeper(view));
  InstallCsvSave(view);
}

int ListRowHeight(const QTableWidget* view) {
  return view->fontMetrics().height() + kRowMargin;
}

QTableWidget* NewListView(QWidget* parent, const QString& name,
                          const std::vector<ListColumn>& columns) {
  auto* view = new QTableWidget(parent);
  view->setObjectName(name);
  SetUpListView(view, columns);
  return view;
}

void FillListView(QTableWidget* view, const std::vector<QStringList>& rows) {
  const QList<QVariant> right = view->property("rightAligned").toList();
  view->clearContents();
  view->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QStringList& texts = rows[static_cast<size_t>(r)];
    for (int c = 0; c < texts.size() && c < view->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      if (c < right.size() && right[c].toBool()) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      view->setItem(r, c, item);
    }
  }
}

std::vector<QStringList> ListViewTexts(const QTableWidget* view) {
  std::vector<QStringList> rows;
  rows.reserve(static_cast<size_t>(view->rowCount()));
  for (int r = 0; r < view->rowCount(); ++r) {
    QStringList texts;
    for (int c = 0; c < view->columnCount(); ++c) {
      const QTableWidgetItem* item = view->item(r, c);
      texts << (item != nullptr ? item->text() : QString());
    }
    rows.push_back(texts);
  }
  return rows;
}

std::vector<ListColumn> SlipLineColumns() {
  return {{QStringLiteral("商品コード"), 120}, {QStringLiteral("商品名"), 150},
          {QStringLiteral("数量"), 100, true}, {QStringLiteral("単位"), 60},
          {QStringLiteral("単価"), 100, true}, {QStringLiteral("金額"), 130, true},
          {QStringLiteral("備考"), 230}};
}
