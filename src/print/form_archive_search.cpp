#include "form_archive_search.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "amount_text.h"
#include "archive_folder.h"
#include "archive_issue.h"
#include "archive_unkept.h"
#include "archive_verify.h"
#include "dialogs.h"
#include "enter_navigation.h"
#include "form_cancel_reason.h"
#include "form_controls.h"
#include "issue_keeping.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "shell_open.h"
#include "sjis_codec.h"
#include "typed_date.h"
#include "window_style.h"

namespace {

const QStringList kKinds = {QStringLiteral("すべて"), QStringLiteral("納品書"),
                            QStringLiteral("請求書"), QStringLiteral("領収書")};

QStringList RowOf(const ArchiveEntry& e) {
  return {e.date.toString(QStringLiteral("yyyy/MM/dd")),
          KindWord(e.kind),
          e.partner,
          FormattedAmount(e.amount),
          e.issuedAt.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
          e.status};
}

QLineEdit* ConditionField(QWidget* parent, const QString& name, int width) {
  QLineEdit* edit = TextField(parent, name, Ime::Off);
  edit->setFixedWidth(width);
  return edit;
}

}  // namespace

TFormArchiveSearch::TFormArchiveSearch(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormArchiveSearch"));
  setWindowTitle(QStringLiteral("発行書類の検索"));
  BuildControls();
  SetResizableWindowStyle(this, {760, 520});
}

void TFormArchiveSearch::BuildControls() {
  EditDateFrom = ConditionField(this, QStringLiteral("EditDateFrom"), 100);
  EditDateTo = ConditionField(this, QStringLiteral("EditDateTo"), 100);
  EditAmountMin = ConditionField(this, QStringLiteral("EditAmountMin"), 100);
  EditAmountMax = ConditionField(this, QStringLiteral("EditAmountMax"), 100);
  EditPartner = TextField(this, QStringLiteral("EditPartner"), Ime::On);
  ComboBoxKind = PickList(this, QStringLiteral("ComboBoxKind"), kKinds);
  ButtonSearch = FormButton(this, QStringLiteral("検索"), QStringLiteral("ButtonSearch"));
  ListViewArchive = NewListView(this, QStringLiteral("ListViewArchive"),
                                {{QStringLiteral("日付"), 95},
                                 {QStringLiteral("種類"), 70},
                                 {QStringLiteral("取引先"), 200},
                                 {QStringLiteral("金額"), 110, true},
                                 {QStringLiteral("発行日時"), 150},
                                 {QStringLiteral("状態"), 100}});
  ButtonVerify = FormButton(this, QStringLiteral("検証"), QStringLiteral("ButtonVerify"));
  ButtonCancelIssue = FormButton(this, QStringLiteral("取消"), QStringLiteral("ButtonCancelIssue"));
  ButtonClose = FormButton(this, QStringLiteral("閉じる"), QStringLiteral("ButtonClose"));
  SetEscButton(ButtonClose);

  auto label = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };
  auto* first = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{label("日付"), EditDateFrom, label("～"), EditDateTo,
                                       label("金額"), EditAmountMin, label("～"), EditAmountMax}) {
    first->addWidget(w);
  }
  first->addStretch();
  auto* second = new QHBoxLayout;
  second->addWidget(label("取引先"));
  second->addWidget(EditPartner, 1);
  second->addWidget(label("種類"));
  second->addWidget(ComboBoxKind);
  second->addWidget(ButtonSearch);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ButtonVerify);
  bottom->addWidget(ButtonCancelIssue);
  bottom->addStretch();
  bottom->addWidget(ButtonClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(first);
  layout->addLayout(second);
  layout->addWidget(ListViewArchive, 1);
  layout->addLayout(bottom);

  InstallEnterNavigation(this);
  ListViewArchive->installEventFilter(this);
  connect(ButtonSearch, &QPushButton::clicked, this, &TFormArchiveSearch::ButtonSearchClick);
  connect(ButtonVerify, &QPushButton::clicked, this, &TFormArchiveSearch::ButtonVerifyClick);
  connect(ButtonCancelIssue, &QPushButton::clicked, this,
          &TFormArchiveSearch::ButtonCancelIssueClick);
  connect(ButtonClose, &QPushButton::clicked, this, &QDialog::accept);
  connect(ListViewArchive, &QTableWidget::cellDoubleClicked, this,
          &TFormArchiveSearch::OpenSelected);
}

void TFormArchiveSearch::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

bool TFormArchiveSearch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListViewArchive && EnterPress(event) != nullptr) {
    OpenSelected();
    return true;
  }
  return TForm::eventFilter(watched, event);
}

QString TFormArchiveSearch::Folder() const {
  return Doc().filePath.isEmpty() ? QString() : ArchiveFolderOf(Doc().filePath);
}

void TFormArchiveSearch::FormShow() {
  if (!Folder().isEmpty()) {
    try {
      // Documents issued while the archive could not be written reach it now if they can.
      RecordUnkept(UnkeptNotesPath(), Folder());
    } catch (const ArchiveError&) {
      // Still not writable: they wait, and the list shows what the index holds.
    }
  }
  if (Reload()) ButtonSearchClick();
}

bool TFormArchiveSearch::Reload() {
  entries_.clear();
  if (Folder().isEmpty()) return true;
  try {
    entries_ = ReadArchive(Folder());
    return true;
  } catch (const ArchiveError& e) {
    Show({});
    ShowMessage(e.Message());
    return false;
  }
}

std::optional<ArchiveQuery> TFormArchiveSearch::Query() {
  ArchiveQuery q;
  const QDate today = QDate::currentDate();
  for (auto [edit, end] : {std::pair{EditDateFrom, &q.from}, std::pair{EditDateTo, &q.to}}) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) continue;
    *end = ReadTypedDate(text, {today, today, TypedPart::Day});
    if (!*end) {
      ShowMessage(QStringLiteral("日付が正しくありません。"));
      edit->setFocus();
      return std::nullopt;
    }
  }
  for (auto [edit, end] : {std::pair{EditAmountMin, &q.min}, std::pair{EditAmountMax, &q.max}}) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) continue;
    *end = AmountOf(CleanedAmountText(text));
    if (!*end) {
      ShowMessage(QStringLiteral("金額が正しくありません。"));
      edit->setFocus();
      return std::nullopt;
    }
  }
  q.partner = EditPartner->text().trimmed();
  const int kind = ComboBoxKind->currentIndex();
  if (kind > 0) q.kind = static_cast<ArchiveKind>(kind - 1);
  return q;
}

void TFormArchiveSearch::ButtonSearchClick() {
  if (const std::optional<ArchiveQuery> q = Query()) Show(SearchArchive(entries_, *q));
}

void TFormArchiveSearch::Show(const std::vector<ArchiveEntry>& found) {
  listed_ = found;
  std::vector<QStringList> rows;
  rows.reserve(found.size());
  for (const ArchiveEntry& e : found) rows.push_back(RowOf(e));
  FillListView(ListViewArchive, rows);
  // The newest, which is what is looked for most often.
  SelectViewRow(ListViewArchive, static_cast<int>(rows.size()) - 1);
}

void TFormArchiveSearch::OpenSelected() {
  const int row = SelectedViewRow(ListViewArchive);
  if (row < 0) return;
  const ArchiveEntry& e = listed_[static_cast<size_t>(row)];
  // A cancel keeps no file of its own: it shows the document it cancelled.
  QString file = e.file;
  if (file.isEmpty() && e.of > 0 && e.of <= static_cast<int>(entries_.size())) {
    file = entries_[static_cast<size_t>(e.of - 1)].file;
  }
  if (file.isEmpty()) {
    ShowMessage(QStringLiteral("この記録には保存された書類がありません。"));
    return;
  }
  const QString path = QDir(Folder()).filePath(file);
  if (!QFileInfo::exists(path) || !OpenInShell(QUrl::fromLocalFile(path))) {
    ShowMessage(QStringLiteral("書類を開けませんでした。\n") + QDir::toNativeSeparators(path));
  }
}

void TFormArchiveSearch::ButtonVerifyClick() {
  if (Folder().isEmpty() || entries_.empty()) {
    ShowMessage(QStringLiteral("発行した書類の記録はありません。"));
    return;
  }
  try {
    const auto progress = StartProgress(this, QStringLiteral("発行書類を検証しています…"),
                                        static_cast<int>(entries_.size()));
    const ArchiveCheck check =
        VerifyArchive(Folder(), [&progress](int done, int) { return progress->Step(done); });
    if (!check.cancelled) ShowMessage(check.message);
  } catch (const ArchiveError& e) {
    ShowMessage(e.Message());
  }
}

void TFormArchiveSearch::ButtonCancelIssueClick() {
  const int row = SelectedViewRow(ListViewArchive);
  if (row < 0) {
    ShowMessage(QStringLiteral("取り消す書類を選択してください。"));
    return;
  }
  const ArchiveEntry issued = listed_[static_cast<size_t>(row)];
  if (issued.status == kCancelled) {
    ShowMessage(QStringLiteral("取消の記録は取り消せません。"));
    return;
  }
  if (IsCancelled(entries_, issued)) {
    ShowMessage(QStringLiteral("この書類はすでに取り消されています。"));
    return;
  }
  TFormCancelReason reason(Doc(), this);
  if (ShowModal(&reason) != QDialog::Accepted) return;
  try {
    CancelIssued(Folder(), issued, reason.Reason(), FromSjis(Doc().company.person));
  } catch (const ArchiveError& e) {
    ShowMessage(e.Message());
    return;
  }
  if (Reload()) ButtonSearchClick();
}
