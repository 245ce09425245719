#include "shown_lists.h"

#include "amount_text.h"
#include "date_convert.h"
#include "sjis_codec.h"
#include "slip.h"

namespace {

QString KindWord(int kind) {
  if (IsReturnSlip(kind)) return QStringLiteral("返品");
  return kind == kShipmentSlip ? QStringLiteral("出荷") : QStringLiteral("仕入");
}

QStringList DetailRow(const ClaimDetailRow& r, bool mark) {
  const QString name = FromSjis(r.name) + (mark ? QLatin1Char(' ') + kReducedMark : QString());
  if (r.receipt) {
    return {ShortDateText(r.date),     QString(),       name, QString(), QString(), QString(),
            FormattedAmount(r.amount), FromSjis(r.note)};
  }
  return {r.firstOfSlip ? ShortDateText(r.date) : QString(),
          r.firstOfSlip ? FromSjis(r.number) : QString(),
          name,
          FormattedAmount(r.quantity),
          FromSjis(r.unit),
          FormattedAmount(r.price),
          FormattedAmount(r.amount),
          FromSjis(r.note)};
}

}  // namespace

ShownList SlipListShown(const SlipListRows& list) {
  ShownList shown;
  shown.columns = {{QStringLiteral("日付"), ShownKind::Date},
                   {QStringLiteral("伝票No"), ShownKind::Text},
                   {QStringLiteral("金額"), ShownKind::Amount},
                   {QStringLiteral("区分"), ShownKind::Text},
                   {QStringLiteral("id"), ShownKind::Hidden}};
  shown.rows.reserve(list.rows.size());
  for (const SlipListRow& row : list.rows) {
    shown.rows.push_back({ShortDateText(row.date), FromSjis(row.number), FormattedAmount(row.total),
                          KindWord(row.kind), QString::number(row.id)});
  }
  return shown;
}

ShownList ClaimListShown(const std::vector<ClaimListRow>& rows, int mode) {
  ShownList shown;
  shown.columns = {{QStringLiteral("得意先名"), ShownKind::Text},
                   {mode == kCustomerKind ? QStringLiteral("請求金額") : QStringLiteral("支払金額"),
                    ShownKind::Amount},
                   {QStringLiteral("締日"), ShownKind::Text},
                   {QStringLiteral("支払予定"), ShownKind::MonthDayJp},
                   {QStringLiteral("id"), ShownKind::Hidden}};
  shown.rows.reserve(rows.size());
  for (const ClaimListRow& row : rows) {
    shown.rows.push_back({FromSjis(row.name), FormattedAmount(row.amount), row.closingDayText,
                          ShortDateText(row.dueDate), QString::number(row.id)});
  }
  return shown;
}

ShownList ClaimDetailShown(const ClaimDetail& detail, bool marked) {
  ShownList shown;
  shown.columns = {
      {QStringLiteral("日付"), ShownKind::MonthDay}, {QStringLiteral("伝票No."), ShownKind::Text},
      {QStringLiteral("商品名"), ShownKind::Text},   {QStringLiteral("数量"), ShownKind::Amount},
      {QStringLiteral("単位"), ShownKind::Text},     {QStringLiteral("単価"), ShownKind::Amount},
      {QStringLiteral("金額"), ShownKind::Amount},   {QStringLiteral("備考"), ShownKind::Text}};
  shown.rows.reserve(detail.rows.size());
  for (const ClaimDetailRow& r : detail.rows) {
    shown.rows.push_back(DetailRow(r, marked && r.reduced));
  }
  return shown;
}

std::vector<QStringList> SlipDetailTexts(const std::vector<SlipDetailRow>& rows, bool isReturn) {
  std::vector<QStringList> texts;
  texts.reserve(rows.size());
  for (const SlipDetailRow& line : rows) {
    const Money quantity = isReturn ? -line.quantity : line.quantity;
    const Money amount = isReturn ? -line.amount : line.amount;
    texts.push_back({FromSjis(line.code), FromSjis(line.name), FormattedAmount(quantity),
                     FromSjis(line.unit), FormattedAmount(line.price), FormattedAmount(amount),
                     FromSjis(line.note)});
  }
  return texts;
}
