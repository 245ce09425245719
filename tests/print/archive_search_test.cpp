#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "archive_folder.h"
#include "archive_issue.h"
#include "form_archive_search.h"
#include "form_cancel_reason.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "print_fixture.h"
#include "shell_open.h"
#include "ui_test_helpers.h"

namespace {

IssuedDocument Doc(const char* kind, QDate date, int amount, const char* partner) {
  return {QString::fromUtf8(kind),
          date,
          Money::FromInt(amount),
          1,
          QString::fromUtf8(partner),
          date.toString(QStringLiteral("yyyy-MM")),
          QString()};
}

class ArchiveSearchTest : public PrintFormsTest {
 protected:
  void SetUp() override {
    PrintFormsTest::SetUp();
    doc_.filePath = dir.filePath(QStringLiteral("shop.TLG"));
    folder = ArchiveFolderOf(doc_.filePath);
    const QDateTime at(QDate(2026, 12, 8), QTime(14, 32, 5));
    KeepDocument(folder, Doc("invoice", QDate(2026, 10, 31), 1000, "株式会社ひまわり商店"), "", "a",
                 at);
    KeepDocument(folder, Doc("invoice", QDate(2026, 11, 30), 2000, "株式会社ひまわり商店"), "", "b",
                 at);
    KeepDocument(folder, Doc("delivery-note", QDate(2026, 11, 30), 3000, "さくら商事"), "", "c",
                 at);
    KeepDocument(folder, Doc("receipt", QDate(2026, 12, 1), 2000, "山田様"), "", "d", at);
    previous_ = SetShellHandler([this](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
  }
  void TearDown() override {
    SetShellHandler(previous_);
    PrintFormsTest::TearDown();
  }

  // Runs `steps` in the search window as the user opens it.
  void InWindow(const std::function<void(TFormArchiveSearch&)>& steps) {
    script_.ExpectModal<TFormArchiveSearch>(steps);
    ShowModal(Forms().As<TFormArchiveSearch>(FormId::ArchiveSearch));
  }

  static QStringList Column(const TFormArchiveSearch& f, int column) {
    QStringList texts;
    for (const QStringList& row : ListViewTexts(f.ListViewArchive)) texts << row[column];
    return texts;
  }

  static void Search(TFormArchiveSearch& f, const QString& from, const QString& to,
                     const QString& min, const QString& max, const QString& partner, int kind) {
    f.EditDateFrom->setText(from);
    f.EditDateTo->setText(to);
    f.EditAmountMin->setText(min);
    f.EditAmountMax->setText(max);
    f.EditPartner->setText(partner);
    f.ComboBoxKind->setCurrentIndex(kind);
    f.ButtonSearch->click();
  }

  QTemporaryDir dir;
  QString folder;
  std::vector<QUrl> opened;
  ShellHandler previous_;
};

TEST_F(ArchiveSearchTest, ConditionsCombineWithTheirBordersIncluded) {
  InWindow([](TFormArchiveSearch& f) {
    EXPECT_EQ(f.ListViewArchive->rowCount(), 4);
    EXPECT_EQ(SelectedViewRow(f.ListViewArchive), 3);
    EXPECT_EQ(ListViewTexts(f.ListViewArchive)[0],
              (QStringList{"2026/10/31", "請求書", "株式会社ひまわり商店", "1,000",
                           "2026/12/08 14:32:05", "発行"}));
    struct Case {
      QStringList fields;  // from, to, min, max, partner
      int kind;
      QStringList partners;
    };
    const std::vector<Case> cases = {
        {{"2026/11/30", "2026/12/01", "", "", ""},
         0,
         {"株式会社ひまわり商店", "さくら商事", "山田様"}},
        {{"", "", "2000", "2,000", ""}, 0, {"株式会社ひまわり商店", "山田様"}},
        {{"", "", "", "", "ﾋﾏﾜﾘ"}, 0, {"株式会社ひまわり商店", "株式会社ひまわり商店"}},
        {{"2026/11/01", "", "", "2000", "ひまわり"}, 2, {"株式会社ひまわり商店"}},
        {{"", "", "1500", "", ""}, 1, {"さくら商事"}},
        {{"2027/01/01", "", "", "", ""}, 0, {}},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.fields.join('|').toStdString());
      Search(f, c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4], c.kind);
      EXPECT_EQ(Column(f, 2), c.partners);
    }
    Search(f, "2026/13/01", "", "", "", "", 0);
    EXPECT_EQ(f.focusWidget(), f.EditDateFrom);
    Search(f, "", "", "", "abc", "", 0);
    EXPECT_EQ(f.focusWidget(), f.EditAmountMax);
    f.ButtonClose->click();
  });
  EXPECT_EQ(script_.Messages(),
            (QStringList{"日付が正しくありません。", "金額が正しくありません。"}));
}

// Enter opens the PDF; 取消 asks the reason and adds an entry; 検証 finds a changed file.
TEST_F(ArchiveSearchTest, OpenCancelAndVerify) {
  script_.ExpectModal<TFormArchiveSearch>([&](TFormArchiveSearch& f) {
    SelectViewRow(f.ListViewArchive, 1);
    PressKey(f.ListViewArchive, Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile(),
              folder + "/2026/11/20261130_株式会社ひまわり商店_請求書_2000.pdf");

    f.ButtonCancelIssueClick();  // the reason window is refused empty, then given one
    ASSERT_EQ(f.ListViewArchive->rowCount(), 5);
    EXPECT_EQ(Column(f, 5).last(), "取消");
    SelectViewRow(f.ListViewArchive, 1);
    f.ButtonCancelIssueClick();
    SelectViewRow(f.ListViewArchive, 4);
    PressKey(f.ListViewArchive, Qt::Key_Return);  // the cancelled document's PDF
    EXPECT_EQ(opened.back(), opened[0]);

    f.ButtonVerifyClick();
    QFile pdf(opened[0].toLocalFile());
    ASSERT_TRUE(pdf.open(QIODevice::Append));
    pdf.write("x");
    pdf.close();
    f.ButtonVerifyClick();
    f.ButtonClose->click();
  });
  script_.ExpectModal<TFormCancelReason>([](TFormCancelReason& r) {
    r.ButtonOk->click();
    EXPECT_TRUE(r.isVisible());
    r.EditReason->setText(QStringLiteral("金額の誤り"));
    r.ButtonOk->click();
  });
  ShowModal(Forms().As<TFormArchiveSearch>(FormId::ArchiveSearch));
  const std::vector<ArchiveEntry> kept = ReadArchive(folder);
  ASSERT_EQ(kept.size(), 5u);
  EXPECT_EQ(kept[4].status, kCancelled);
  EXPECT_EQ(kept[4].of, 2);
  EXPECT_EQ(kept[4].reason, QStringLiteral("金額の誤り"));
  EXPECT_EQ(script_.Messages(),
            (QStringList{"取消の理由を入力してください。", "この書類はすでに取り消されています。",
                         "改ざんは見つかりませんでした。（5 件）",
                         "2 件目の書類が変更されています: "
                         "2026/11/20261130_株式会社ひまわり商店_請求書_2000.pdf"}));
}

}  // namespace
