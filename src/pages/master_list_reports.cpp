#include "master_list_reports.h"

namespace {

Report ListReport(const ListLayout& layout, const ListSnapshot& snapshot, QString suffix) {
  Report report;
  report.jobSuffix = std::move(suffix);
  report.nameParts = {snapshot.title};
  report.pageCount = PageCountOf(static_cast<int>(snapshot.rows.size()), layout.rowsPerPage);
  report.draw = [&layout, snapshot, count = report.pageCount](const DeviceMetrics& m, int page) {
    PageCanvas canvas(m);
    DrawListPage(canvas, layout, snapshot, page, count);
    return canvas.Take();
  };
  return report;
}

// The product and partner lists: 35 rows of 6.5 mm down to 279 mm, a smaller title.
ListLayout MasterListFrame() {
  ListLayout l;
  l.titleHeight = 7;
  l.rowsPerPage = 35;
  l.rowHeight = 6.5;
  l.textInset = 1.5;
  l.frameBottom = 279;
  return l;
}

ListLayout MakeItemListLayout() {
  ListLayout l = MasterListFrame();
  l.rules = {32, 97, 110, 133, 156, 186};
  l.headings = {{QStringLiteral("商品コード"), 21}, {QStringLiteral("商品名"), 64.5},
                {QStringLiteral("単位"), 103.5},    {QStringLiteral("単価"), 121.5},
                {QStringLiteral("原価"), 144.5},    {QStringLiteral("短縮コード"), 171},
                {QStringLiteral("税区分"), 193}};
  l.cells = {{0, Face::PGothic, Align::Left, 10.5, 12, Fit::Cut},
             {1, Face::PGothic, Align::Left, 32.5, 36, Fit::Cut},
             {2, Face::PGothic, Align::Centre, 103.5, 6, Fit::Cut},
             {3, Face::PGothic, Align::Right, 132.5, 0, Fit::Squeeze},
             {4, Face::PGothic, Align::Right, 155.5, 0, Fit::Squeeze},
             {5, Face::PGothic, Align::Left, 156.5, 0, Fit::Cut},
             {6, Face::PGothic, Align::Centre, 193, 0, Fit::Cut}};
  return l;
}

ListLayout MakePartnerListLayout() {
  ListLayout l = MasterListFrame();
  l.rules = {77, 96, 115};
  l.headings = {{QStringLiteral("得意先名"), 43.5},
                {QStringLiteral("締日"), 86.5},
                {QStringLiteral("支払日"), 105.5},
                {QStringLiteral("住所"), 157.5}};
  l.cells = {{0, Face::PGothic, Align::Left, 10.5, 37, Fit::Cut},
             {1, Face::PGothic, Align::Centre, 86.5, 0, Fit::Squeeze},
             {2, Face::PGothic, Align::Centre, 105.5, 0, Fit::Squeeze},
             {3, Face::PGothic, Align::Left, 115, 47, Fit::Cut}};
  return l;
}

}  // namespace

const ListLayout& ItemListLayout() {
  static const ListLayout layout = MakeItemListLayout();
  return layout;
}

const ListLayout& PartnerListLayout() {
  static const ListLayout layout = MakePartnerListLayout();
  return layout;
}

Report ItemListReport(const ListSnapshot& snapshot) {
  return ListReport(ItemListLayout(), snapshot, QStringLiteral(" 登録商品一覧"));
}

Report PartnerListReport(const ListSnapshot& snapshot) {
  return ListReport(PartnerListLayout(), snapshot, QStringLiteral(" 取引先一覧"));
}

QString PartnerListTitle(int kind) {
  return kind == 0 ? QStringLiteral("仕入先一覧") : QStringLiteral("出荷先一覧");
}
