#include "csv_table.h"

#include <QStringDecoder>

#include "sjis_codec.h"

namespace {

QString Decoded(const QByteArray& bytes, QString& encoding) {
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    encoding = QStringLiteral("UTF-8（BOM 付き）");
    return QString::fromUtf8(bytes.mid(3));
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    encoding = QStringLiteral("UTF-8");
    return text;
  }
  encoding = QStringLiteral("Shift_JIS");
  return FromSjis(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

bool AllBlank(const QStringList& fields) {
  for (const QString& f : fields) {
    if (!f.trimmed().isEmpty()) return false;
  }
  return true;
}

// Splits the text into records; a quoted field may hold "" for a quote and line breaks.
class Splitter {
 public:
  explicit Splitter(const QString& text) : text_(text) {}

  std::vector<CsvTable::Record> Records() {
    std::vector<CsvTable::Record> records;
    int row = 1;
    while (pos_ < text_.size()) {
      QStringList fields = Record();
      if (!AllBlank(fields)) records.push_back({row, fields});
      ++row;
    }
    return records;
  }

 private:
  QStringList Record() {
    QStringList fields;
    QString field;
    bool quoted = false;
    while (pos_ < text_.size()) {
      const QChar c = text_[pos_++];
      if (quoted) {
        if (c != QLatin1Char('"')) {
          field += c;
        } else if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
          field += c;
          ++pos_;
        } else {
          quoted = false;
        }
      } else if (c == QLatin1Char('"')) {
        quoted = true;
      } else if (c == QLatin1Char(',')) {
        fields << field;
        field.clear();
      } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
        if (c == QLatin1Char('\r') && pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) {
          ++pos_;
        }
        break;
      } else {
        field += c;
      }
    }
    fields << field;
    return fields;
  }

  const QString& text_;
  qsizetype pos_ = 0;
};

}  // namespace

CsvTable ReadCsvTable(const QByteArray& bytes) {
  CsvTable table;
  const QString text = Decoded(bytes, table.encoding);
  table.records = Splitter(text).Records();
  return table;
}
