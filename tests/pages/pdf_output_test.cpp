#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "file_error.h"
#include "master_list_reports.h"
#include "pdf_output.h"

namespace {

Report Partners(int count) {
  ListSnapshot s;
  s.title = PartnerListTitle(0);
  s.printDate = QDate(2024, 4, 5);
  for (int i = 1; i <= count; ++i) {
    s.rows.push_back({QStringLiteral("株式会社テスト商事%1").arg(i), QStringLiteral("20日"),
                      QStringLiteral("翌月10日"), QStringLiteral("大阪府")});
  }
  return PartnerListReport(s);
}

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(PdfOutput, WritesAnA4PdfWithRealText) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.pdf");
  WritePdf(path, Partners(40), QStringLiteral("てんぽ帳"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  const QString info = RunTool("pdfinfo", {path});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
  const QString text = RunTool("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(text.contains(QStringLiteral("株式会社テスト商事40"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("仕入先一覧")));
}

TEST(PdfOutput, AFailedWriteLeavesNothingBehind) {
  QTemporaryDir dir;
  // A folder that does not exist cannot take the file.
  EXPECT_THROW(WritePdf(dir.filePath("none/out.pdf"), Partners(1), "t"), FileError);
  EXPECT_FALSE(QFile::exists(dir.filePath("none/out.pdf")));
  // A folder in the way is left as it was.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pdf"));
  EXPECT_THROW(WritePdf(dir.filePath("taken.pdf"), Partners(1), "t"), FileError);
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.pdf")).isDir());
}

TEST(PdfOutput, AnEmptyDocumentIsNoPdf) {
  EXPECT_THROW(RenderPdf(Partners(0), "t"), PrintError);
}
