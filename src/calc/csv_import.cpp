#include "csv_import.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "amount_text.h"
#include "csv_table.h"
#include "document.h"
#include "item_row.h"
#include "sjis_codec.h"
#include "term_choices.h"

namespace {

struct ColumnField {
  const char* key;
  QStringList captions;
};

const std::vector<ColumnField>& ItemFields() {
  static const std::vector<ColumnField> fields = {
      {"code", {"商品コード", "コード"}},
      {"name", {"商品名", "品名"}},
      {"kana", {"商品名カナ", "フリガナ", "カナ", "読み"}},
      {"unit", {"単位"}},
      {"price", {"単価", "基本単価"}},
      {"cost", {"原価"}},
      {"speed", {"短縮コード"}},
      {"tax", {"税区分"}},
      {"reduced", {"軽減税率対象", "軽減税率"}},
      {"note", {"備考"}},
      {"group1", {"分類1"}},
      {"group2", {"分類2"}},
      {"group3", {"分類3"}},
  };
  return fields;
}

const std::vector<ColumnField>& PartnerFields() {
  static const std::vector<ColumnField> fields = {
      {"name", {"取引先名", "名称"}},
      {"postal", {"郵便番号"}},
      {"address", {"住所"}},
      {"address1", {"住所1"}},
      {"address2", {"住所2"}},
      {"section", {"部署", "部署名"}},
      {"person", {"担当者", "担当者名"}},
      {"tel", {"電話", "TEL", "電話番号"}},
      {"fax", {"FAX", "FAX番号"}},
      {"closing", {"締日"}},
      {"payMonth", {"支払月"}},
      {"payDay", {"支払日"}},
      {"rounding", {"端数処理"}},
      {"decimals", {"小数点桁数"}},
      {"opening", {"初期繰越残高"}},
      {"openingReceipts", {"初期入金残高"}},
      {"note", {"備考"}},
  };
  return fields;
}

// Full-width digits and letters as half-width, blanks left out, letters in upper case:
// "分類１" and "分類1", "ＴＥＬ" and "tel" are the same caption.
QString Folded(const QString& text) {
  QString folded = text.normalized(QString::NormalizationForm_KC).toUpper();
  static const QRegularExpression blanks(QStringLiteral("\\s"));
  folded.remove(blanks);
  return folded;
}

QByteArray Key(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Reads the cells of one record by field and records what is wrong with them.
class RowReader {
 public:
  RowReader(const QHash<QString, int>& columns, const QHash<QString, QString>& captions,
            const CsvTable::Record& record, std::vector<ImportProblem>& problems)
      : columns_(columns), captions_(captions), record_(record), problems_(problems) {}

  int Row() const { return record_.row; }
  // A blank cell leaves the field as it is: a new record's default, an updated record's
  // own value.
  bool Has(const char* key) const { return !Cell(key).isEmpty(); }
  QString Cell(const char* key) const {
    const int column = columns_.value(QLatin1String(key), -1);
    if (column < 0 || column >= record_.fields.size()) return {};
    return record_.fields[column].trimmed();
  }
  QString Caption(const char* key) const { return captions_.value(QLatin1String(key)); }
  bool Failed() const { return failed_; }

  void Refuse(const char* key, const QString& why) {
    problems_.push_back({Row(), Caption(key), QStringLiteral("%1 行目: ").arg(Row()) + why});
    failed_ = true;
  }

  // The cell as CP932 bytes, refused with the first character CP932 cannot hold.
  std::string Text(const char* key) {
    const QString value = Cell(key);
    if (std::optional<std::string> bytes = ToSjis(value)) return *bytes;
    for (int i = 0; i < value.size(); ++i) {
      const int width = value[i].isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
      const QString ch = value.mid(i, width);
      if (!CanEncodeSjis(ch)) {
        Refuse(key,
               QStringLiteral("%1「%2」の「%3」は使えない文字です。").arg(Caption(key), value, ch));
        break;
      }
      i += width - 1;
    }
    return {};
  }

  Money Amount(const char* key) {
    const QString value = Cell(key);
    if (value.isEmpty()) return Money();
    const QString plain = CleanedAmountText(value.normalized(QString::NormalizationForm_KC))
                              .remove(QChar(0xA5))
                              .remove(QLatin1Char('\\'));
    if (const std::optional<Money> amount = AmountOf(plain)) return *amount;
    Refuse(key, QStringLiteral("%1「%2」は金額として読めません。").arg(Caption(key), value));
    return Money();
  }

  // The index of the cell among `choices` (compared folded), or -1 having refused it.
  int Choice(const char* key, const QStringList& choices, const QString& listed) {
    const QString value = Folded(Cell(key));
    for (int i = 0; i < choices.size(); ++i) {
      if (value == Folded(choices[i])) return i;
    }
    Refuse(key, QStringLiteral("%1「%2」は %3 のいずれかで入力してください。")
                    .arg(Caption(key), Cell(key), listed));
    return -1;
  }

  // "月末", "末", "0" or 1 to 28 with or without "日": the list position of the day.
  int Day(const char* key, const QString& text) {
    QString value = Folded(text);
    if (value == QStringLiteral("月末") || value == QStringLiteral("末") || value == "0") return 0;
    if (value.endsWith(QStringLiteral("日"))) value.chop(1);
    bool ok = false;
    const int day = value.toInt(&ok);
    if (ok && day >= 1 && day <= 28) return day;
    Refuse(key, QStringLiteral("%1「%2」は 1〜28、月末 のいずれかで入力してください。")
                    .arg(Caption(key), text));
    return -1;
  }

 private:
  const QHash<QString, int>& columns_;
  const QHash<QString, QString>& captions_;
  const CsvTable::Record& record_;
  std::vector<ImportProblem>& problems_;
  bool failed_ = false;
};

class Planner {
 public:
  Planner(const Document& doc, ImportPlan& plan) : doc_(doc), plan_(plan) {}

  void Run(const CsvTable& table) {
    if (table.records.empty()) {
      plan_.problems.push_back({0, {}, QStringLiteral("取り込む行がありません。")});
      return;
    }
    if (!MatchHeader(table.records.front())) return;
    IndexDocument();
    for (size_t i = 1; i < table.records.size(); ++i) {
      RowReader reader(columns_, captions_, table.records[i], plan_.problems);
      if (plan_.target == ImportTarget::Items) {
        ReadItem(reader);
      } else {
        ReadPartner(reader);
      }
    }
    if (plan_.rows.empty() && plan_.problems.empty()) {
      plan_.problems.push_back({0, {}, QStringLiteral("取り込む行がありません。")});
    }
  }

 private:
  const std::vector<ColumnField>& Fields() const {
    return plan_.target == ImportTarget::Items ? ItemFields() : PartnerFields();
  }
  int PartnerKind() const {
    return plan_.target == ImportTarget::Customers ? kCustomerKind : kSupplierKind;
  }

  bool MatchHeader(const CsvTable::Record& header) {
    for (int c = 0; c < header.fields.size(); ++c) {
      const QString caption = header.fields[c].trimmed();
      if (caption.isEmpty()) continue;
      const QString folded = Folded(caption);
      bool matched = false;
      for (const ColumnField& field : Fields()) {
        for (const QString& alias : field.captions) {
          if (folded != Folded(alias) || columns_.contains(QLatin1String(field.key))) continue;
          columns_.insert(QLatin1String(field.key), c);
          captions_.insert(QLatin1String(field.key), caption);
          matched = true;
        }
      }
      if (!matched) plan_.ignoredColumns << caption;
    }
    if (columns_.contains(QStringLiteral("name"))) return true;
    // Updating products by code may leave their names as they are.
    const bool byCode = plan_.target == ImportTarget::Items && plan_.update &&
                        columns_.contains(QStringLiteral("code"));
    if (byCode) return true;
    const QString name =
        plan_.target == ImportTarget::Items ? QStringLiteral("商品名") : QStringLiteral("取引先名");
    plan_.problems.push_back(
        {header.row, name,
         QStringLiteral("%1 行目: 「%2」の列がありません。").arg(header.row).arg(name)});
    return false;
  }

  // What rows are looked up in: built once.
  void IndexDocument() {
    if (plan_.target == ImportTarget::Items) {
      const std::vector<ItemRecord>& items = doc_.items.Records();
      for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].code.empty()) existing_.insert(Key(items[i].code), static_cast<int>(i));
      }
      for (const std::string& unit : doc_.units.Strings()) units_.insert(Key(unit));
      for (size_t p = 0; p < 3; ++p) {
        for (const GroupRecord& g : doc_.groups[p].Records()) groups_[p].insert(Key(g.name), g.id);
      }
    } else {
      const std::vector<CustomerRecord>& partners = doc_.Partners(PartnerKind()).Records();
      for (size_t i = 0; i < partners.size(); ++i) {
        existing_.insert(Key(partners[i].name), static_cast<int>(i));
      }
    }
  }

  // The record the row's key names: -1 for a new one; -2 when the row is refused.
  int Existing(RowReader& r, const char* key, const std::string& bytes) {
    if (bytes.empty()) return -1;
    const QByteArray k = Key(bytes);
    if (const int earlier = seen_.value(k, 0); earlier > 0) {
      r.Refuse(key, QStringLiteral("%1「%2」は %3 行目と重複しています。")
                        .arg(r.Caption(key), r.Cell(key))
                        .arg(earlier));
      return -2;
    }
    seen_.insert(k, r.Row());
    const int index = existing_.value(k, -1);
    if (index >= 0 && !plan_.update) {
      r.Refuse(
          key,
          QStringLiteral("%1「%2」はすでに登録されています。").arg(r.Caption(key), r.Cell(key)));
      return -2;
    }
    return index;
  }

  void ReadItem(RowReader& r) {
    ImportRow row;
    row.row = r.Row();
    const std::string code = r.Text("code");
    row.existing = Existing(r, r.Has("code") ? "code" : "name", code);
    if (row.existing == -2) return;
    ItemRecord& item = row.item;
    if (row.existing >= 0) {
      item = doc_.items.Get(row.existing);
      row.reduced = doc_.invoice.reducedItems.count(item.id) > 0;
    }
    item.code = code;
    // A blank name leaves an updated product's name as it is.
    if (!r.Cell("name").isEmpty()) item.name = r.Text("name");
    if (item.name.empty() && !r.Failed()) {
      r.Refuse("name", QStringLiteral("商品名を入力してください。"));
    }
    if (r.Has("kana")) item.nameKana = r.Text("kana");
    if (r.Has("unit")) item.unit = Unit(r);
    if (r.Has("price")) item.price = r.Amount("price");
    if (r.Has("cost")) item.cost = r.Amount("cost");
    if (r.Has("speed")) item.speedCode = r.Text("speed");
    if (r.Has("note")) item.note = r.Text("note");
    if (r.Has("tax") && !r.Cell("tax").isEmpty()) TaxClass(r, row);
    if (r.Has("reduced")) Reduced(r, row);
    for (int p = 0; p < 3; ++p) Group(r, row, p);
    if (!r.Failed()) plan_.rows.push_back(std::move(row));
  }

  std::string Unit(RowReader& r) {
    const std::string unit = r.Text("unit");
    if (!unit.empty() && !units_.contains(Key(unit))) {
      units_.insert(Key(unit));
      plan_.newUnits << r.Cell("unit");
    }
    return unit;
  }

  // "税抜", "税込", "非課税", the list's "※" after it marking the reduced rate.
  void TaxClass(RowReader& r, ImportRow& row) {
    QString value = Folded(r.Cell("tax"));
    const bool marked = value.endsWith(QStringLiteral("※"));
    if (marked) value.chop(1);
    const int index = TaxClassChoices().indexOf(value);
    if (index < 0) {
      r.Refuse("tax", QStringLiteral("%1「%2」は 税抜、税込、非課税 のいずれかで入力してください。")
                          .arg(r.Caption("tax"), r.Cell("tax")));
      return;
    }
    row.item.taxClass = index;
    if (!r.Has("reduced")) row.reduced = marked;
  }

  void Reduced(RowReader& r, ImportRow& row) {
    const QString value = Folded(r.Cell("reduced"));
    static const QStringList yes = {"○", "◯", "1", "はい", "対象", "YES", "TRUE"};
    static const QStringList no = {"", "×", "0", "いいえ", "対象外", "NO", "FALSE"};
    if (yes.contains(value)) {
      row.reduced = true;
    } else if (no.contains(value)) {
      row.reduced = false;
    } else {
      r.Refuse("reduced", QStringLiteral("%1「%2」は ○、1、はい（対象外は空欄、×、0、いいえ）の"
                                         "いずれかで入力してください。")
                              .arg(r.Caption("reduced"), r.Cell("reduced")));
    }
  }

  // By name; a name not yet in the list is added with the import. The name is kept for
  // the preview; a new one also tells the store which classification to take.
  void Group(RowReader& r, ImportRow& row, int p) {
    const char* key = p == 0 ? "group1" : p == 1 ? "group2" : "group3";
    const auto part = static_cast<size_t>(p);
    int32_t& id = p == 0 ? row.item.group1 : p == 1 ? row.item.group2 : row.item.group3;
    if (!r.Has(key)) {
      if (id != 0) row.groupNames[part] = FromSjis(doc_.groups[part].GetById(id).name);
      return;
    }
    const std::string name = r.Text(key);
    const auto found = groups_[part].constFind(Key(name));
    id = 0;
    if (name.empty()) return;
    row.groupNames[part] = r.Cell(key);
    if (found != groups_[part].constEnd()) {
      id = found.value();
    } else if (!plan_.newGroups[part].contains(r.Cell(key))) {
      plan_.newGroups[part] << r.Cell(key);
    }
  }

  void ReadPartner(RowReader& r) {
    ImportRow row;
    row.row = r.Row();
    const std::string name = r.Text("name");
    if (r.Cell("name").isEmpty()) {
      r.Refuse("name", QStringLiteral("%1を入力してください。").arg(r.Caption("name")));
      return;
    }
    row.existing = Existing(r, "name", name);
    if (row.existing == -2) return;
    CustomerRecord& p = row.partner;
    if (row.existing >= 0) p = doc_.Partners(PartnerKind()).Get(row.existing);
    p.name = name;
    for (auto [key, field] : {std::pair{"postal", &p.postal}, std::pair{"address1", &p.address1},
                              std::pair{"address2", &p.address2}, std::pair{"section", &p.section},
                              std::pair{"person", &p.person}, std::pair{"tel", &p.tel},
                              std::pair{"fax", &p.fax}, std::pair{"note", &p.note}}) {
      if (r.Has(key)) *field = r.Text(key);
    }
    if (r.Has("address")) Address(r, p);
    Terms(r, p);
    if (r.Has("opening")) p.openingBalance = r.Amount("opening");
    if (r.Has("openingReceipts")) p.openingReceipts = r.Amount("openingReceipts");
    if (!r.Failed()) plan_.rows.push_back(std::move(row));
  }

  // The list's 住所 joins the two lines with a blank.
  static void Address(RowReader& r, CustomerRecord& p) {
    const std::string whole = r.Text("address");
    const size_t blank = whole.find(' ');
    p.address1 = whole.substr(0, blank);
    p.address2 = blank == std::string::npos ? std::string() : whole.substr(blank + 1);
  }

  void Terms(RowReader& r, CustomerRecord& p) {
    const bool any = r.Has("closing") || r.Has("payMonth") || r.Has("payDay");
    if (r.Has("closing")) p.closingDay = std::max(0, r.Day("closing", r.Cell("closing")));
    if (r.Has("payMonth") && !r.Cell("payMonth").isEmpty()) {
      p.payMonth = std::max(0, r.Choice("payMonth", PayMonthChoices(),
                                        QStringLiteral("当月、翌月、翌々月、3ヶ月後〜6ヶ月後")));
    }
    if (r.Has("payDay")) PayDay(r, p);
    if (r.Has("rounding")) {
      p.rounding = std::max(
          0, r.Choice("rounding", RoundingChoices(), QStringLiteral("切捨て、切上げ、四捨五入")));
    }
    if (r.Has("decimals")) Decimals(r, p);
    // Terms given make them the partner's own.
    if (any) p.basis = 0;
    if (!r.Failed() && BreaksSameMonthRule(p.closingDay, p.payMonth, p.payDay)) {
      r.Refuse("payDay",
               QStringLiteral("当月支払の場合、支払日を締日より前に設定することは出来ません。"));
    }
  }

  // A day alone, or the list's "翌月25日": the month first, then the day.
  static void PayDay(RowReader& r, CustomerRecord& p) {
    const QString value = r.Cell("payDay");
    const QStringList months = PayMonthChoices();
    for (int m = static_cast<int>(months.size()) - 1; m >= 0; --m) {
      if (value.startsWith(months[m]) && value.size() > months[m].size()) {
        p.payMonth = m;
        p.payDay = std::max(0, r.Day("payDay", value.mid(months[m].size())));
        return;
      }
    }
    p.payDay = std::max(0, r.Day("payDay", value));
  }

  static void Decimals(RowReader& r, CustomerRecord& p) {
    const QString value = Folded(r.Cell("decimals"));
    const int index = DecimalsChoices().indexOf(r.Cell("decimals"));
    if (value == "0" || value == "1" || value == "2") {
      p.decimals = value.toInt();
    } else if (index >= 0) {
      p.decimals = index;
    } else {
      r.Refuse("decimals", QStringLiteral("%1「%2」は 0、1、2 のいずれかで入力してください。")
                               .arg(r.Caption("decimals"), r.Cell("decimals")));
    }
  }

  const Document& doc_;
  ImportPlan& plan_;
  QHash<QString, int> columns_;
  QHash<QString, QString> captions_;
  QHash<QByteArray, int> existing_;
  QHash<QByteArray, int> seen_;  // key to the row it was first seen on
  QSet<QByteArray> units_;
  std::array<QHash<QByteArray, int32_t>, 3> groups_;
};

std::string Bytes(const QString& text) {
  return ToSjis(text).value_or(std::string());
}

int32_t GroupId(const GroupList& list, const QString& name) {
  const std::string bytes = Bytes(name);
  for (const GroupRecord& g : list.Records()) {
    if (g.name == bytes) return g.id;
  }
  return 0;
}

void StoreItem(Document& doc, const ImportRow& row) {
  ItemRecord item = row.item;
  for (size_t p = 0; p < 3; ++p) {
    int32_t& id = p == 0 ? item.group1 : p == 1 ? item.group2 : item.group3;
    if (id == 0 && !row.groupNames[p].isEmpty()) id = GroupId(doc.groups[p], row.groupNames[p]);
  }
  const std::string price = MoneyToText(item.price);
  const std::string cost = MoneyToText(item.cost);
  int32_t id = item.id;
  if (row.existing < 0) {
    doc.items.Add(item.code, item.name, item.nameKana, item.unit, price, cost, item.speedCode,
                  item.note, item.taxClass, item.group1, item.group2, item.group3);
    id = doc.items.Records().back().id;
  } else {
    doc.items.Update(row.existing, item.code, item.name, item.nameKana, item.unit, price, cost,
                     item.speedCode, item.note, item.taxClass, item.group1, item.group2,
                     item.group3);
  }
  if (row.reduced) {
    doc.invoice.reducedItems.insert(id);
  } else {
    doc.invoice.reducedItems.erase(id);
  }
}

}  // namespace

std::optional<ImportTarget> ImportTargetFromKey(const QString& key) {
  if (key == QStringLiteral("items")) return ImportTarget::Items;
  if (key == QStringLiteral("suppliers")) return ImportTarget::Suppliers;
  if (key == QStringLiteral("customers")) return ImportTarget::Customers;
  return std::nullopt;
}

ImportPlan PlanCsvImport(const Document& doc, ImportTarget target, const QByteArray& csv,
                         bool update) {
  ImportPlan plan;
  plan.target = target;
  plan.update = update;
  const CsvTable table = ReadCsvTable(csv);
  plan.encoding = table.encoding;
  Planner(doc, plan).Run(table);
  return plan;
}

void ApplyCsvImport(Document& doc, const ImportPlan& plan) {
  if (!plan.Ready()) return;
  for (const QString& unit : plan.newUnits) doc.units.Add(Bytes(unit));
  for (size_t p = 0; p < 3; ++p) {
    for (const QString& name : plan.newGroups[p]) doc.groups[p].Add(Bytes(name));
  }
  const int kind = plan.target == ImportTarget::Customers ? kCustomerKind : kSupplierKind;
  for (const ImportRow& row : plan.rows) {
    if (plan.target == ImportTarget::Items) {
      StoreItem(doc, row);
    } else if (row.existing < 0) {
      doc.Partners(kind).Add(row.partner);
    } else {
      doc.Partners(kind).Update(row.existing, row.partner);
    }
  }
  doc.MarkChanged();
}

ShownList ImportPreview(const ImportPlan& plan) {
  ShownList list;
  const auto action = [](const ImportRow& r) {
    return r.existing < 0 ? QStringLiteral("新規") : QStringLiteral("更新");
  };
  if (plan.target == ImportTarget::Items) {
    list.columns = {{"行"},
                    {"区分"},
                    {"商品コード"},
                    {"商品名"},
                    {"単位"},
                    {"単価", ShownKind::Amount},
                    {"原価", ShownKind::Amount},
                    {"税区分"},
                    {"分類１"},
                    {"分類２"},
                    {"分類３"}};
    for (const ImportRow& r : plan.rows) {
      QString tax = TaxClassChoices().value(r.item.taxClass);
      if (r.reduced) tax += QStringLiteral("※");
      list.rows.push_back({QString::number(r.row), action(r), FromSjis(r.item.code),
                           FromSjis(r.item.name), FromSjis(r.item.unit),
                           FormattedAmount(r.item.price), FormattedAmount(r.item.cost), tax,
                           r.groupNames[0], r.groupNames[1], r.groupNames[2]});
    }
    return list;
  }
  list.columns = {{"行"}, {"区分"}, {"取引先名"}, {"締日"}, {"支払日"}, {"住所"}, {"電話"}};
  for (const ImportRow& r : plan.rows) {
    const CustomerRecord& p = r.partner;
    list.rows.push_back({QString::number(r.row), action(r), FromSjis(p.name),
                         ClosingDayText(p.closingDay), PaymentText(p.payMonth, p.payDay),
                         (FromSjis(p.address1) + QLatin1Char(' ') + FromSjis(p.address2)).trimmed(),
                         FromSjis(p.tel)});
  }
  return list;
}
