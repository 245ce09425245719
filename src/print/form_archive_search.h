#pragma once

#include <vector>

#include "archive_entry.h"
#include "archive_search.h"
#include "form.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "発行書類の検索": the documents kept when issued, found by date, amount, partner and kind
// in any combination; Enter opens the PDF, 検証 checks the archive, 取消 cancels one.
class TFormArchiveSearch : public TForm {
  Q_OBJECT

 public:
  explicit TFormArchiveSearch(Document& doc);

  QLineEdit* EditDateFrom = nullptr;
  QLineEdit* EditDateTo = nullptr;
  QLineEdit* EditAmountMin = nullptr;
  QLineEdit* EditAmountMax = nullptr;
  QLineEdit* EditPartner = nullptr;
  QComboBox* ComboBoxKind = nullptr;
  QPushButton* ButtonSearch = nullptr;
  QTableWidget* ListViewArchive = nullptr;
  QPushButton* ButtonVerify = nullptr;
  QPushButton* ButtonCancelIssue = nullptr;
  QPushButton* ButtonClose = nullptr;

  // The entries listed, row by row.
  const std::vector<ArchiveEntry>& Listed() const { return listed_; }

 public slots:
  void FormShow();
  void ButtonSearchClick();
  void ButtonVerifyClick();
  void ButtonCancelIssueClick();
  void OpenSelected();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QString Folder() const;
  // Reads the index again; false, having said why, when it cannot be read.
  bool Reload();
  // The conditions typed; nothing, having said why, when one is not understood.
  std::optional<ArchiveQuery> Query();
  void Show(const std::vector<ArchiveEntry>& found);

  std::vector<ArchiveEntry> entries_;
  std::vector<ArchiveEntry> listed_;
};
