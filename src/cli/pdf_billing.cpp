#include "pdf_billing.h"

#include <QDate>

#include <stdexcept>

#include "billing.h"
#include "claims_command.h"
#include "cli_open.h"
#include "computed_list_csv.h"
#include "confirmation_list_report.h"
#include "date_convert.h"
#include "dates.h"
#include "invoice.h"
#include "iso_text.h"
#include "receipt.h"
#include "sjis_codec.h"

namespace {

QDate ToDate(double date) {
  const Ymd d = DecodeDate(date);
  return QDate(d.year, d.month, d.day);
}

std::string Value(const CliOptions& options, const char* name, const std::string& fallback) {
  const auto it = options.find(name);
  return it == options.end() ? fallback : it->second;
}

// What the receipt prints must be storable text: nothing is printed as "?".
QString Printable(const std::string& utf8, const char* name) {
  const QString text = QString::fromUtf8(utf8.c_str());
  if (!ToSjis(text)) throw Refusal(std::string(name) + " holds a character that cannot be printed");
  return text;
}

QString OneOf(const CliOptions& options, const char* name, const QStringList& allowed) {
  const QString text = QString::fromUtf8(Value(options, name, allowed.front().toStdString()));
  if (!allowed.contains(text)) {
    throw std::invalid_argument(std::string(name) + " must be " +
                                allowed.join(QLatin1Char('|')).toStdString());
  }
  return text;
}

QDate ParseDay(const std::string& text) {
  const std::optional<double> day = DayFromIso(text);
  if (!day) throw std::invalid_argument("--date expects a date YYYY-MM-DD, not " + text);
  return ToQDate(*day);
}

}  // namespace

Report InvoicePdf(const Document& doc, const CliOptions& options) {
  OnlyOptions(options, {"--customer", "--month", "--out"});
  const int32_t id = ParseCustomerId(RequiredOption(options, "--customer"));
  const Month month = ParseMonth(options);
  if (!doc.customers.Exists(id)) throw Refusal("no customer has the id " + std::to_string(id));
  const ClaimDetail detail = ComputeClaimDetail(doc, kCustomerKind, id, month.date);
  // Text that is not CP932 is refused, as in the detail's JSON and CSV, never printed as
  // replacement marks.
  CheckedUtf8(detail.partner.name, "partner " + std::to_string(id) + " name");
  for (size_t i = 0; i < detail.rows.size(); ++i) ClaimDetailCells(detail.rows[i], i);
  return InvoiceReport(InvoiceOf(doc, detail));
}

Report ClaimsPdf(const Document& doc, const CliOptions& options) {
  OnlyOptions(options, {"--kind", "--month", "--out"});
  const int kind = ParseKind(options);
  const Month month = ParseMonth(options);
  ConfirmationListSnapshot s;
  s.payments = kind != kCustomerKind;
  s.month = ToDate(month.date);
  s.printDate = QDate::currentDate();
  for (const ClaimListRow& r : ComputeClaimList(doc, kind, month.date)) {
    s.rows.push_back({FromSjis(r.name), QString::fromStdString(FormatAmount(r.amount)),
                      r.closingDayText, r.dueText});
    s.values.push_back(r.amount);
  }
  return ConfirmationListReport(s);
}

Report ReceiptPdf(const Document* doc, const CliOptions& options) {
  OnlyOptions(options,
              {"--to", "--amount", "--date", "--no", "--title", "--honorific", "--note", "--out"});
  ReceiptSnapshot s;
  s.customer = Printable(RequiredOption(options, "--to"), "--to");
  const std::string amount = RequiredOption(options, "--amount");
  try {
    ParseAmount(amount);
  } catch (const std::exception&) {
    throw std::invalid_argument("--amount expects an amount, not " + amount);
  }
  // As the amount field shows it once left: cut to two decimals.
  s.price = QString::fromStdString(ReformatAmount(amount, 2));
  s.date = ParseDay(RequiredOption(options, "--date"));
  s.number = Printable(Value(options, "--no", ""), "--no");
  s.title = OneOf(options, "--title", {QStringLiteral("領収書"), QStringLiteral("領収証")});
  s.nameTitle = OneOf(
      options, "--honorific",
      {QStringLiteral("御中"), QStringLiteral("様"), QStringLiteral("殿"), QStringLiteral("行")});
  if (options.count("--note") != 0) {
    s.tadashi = true;
    s.tadashiText = Printable(options.at("--note"), "--note");
  }
  if (doc != nullptr) SetReceiptCompany(s, *doc);
  return ReceiptReport(s);
}
