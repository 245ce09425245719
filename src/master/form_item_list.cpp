#include "form_item_list.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs.h"
#include "document.h"
#include "form_controls.h"
#include "form_csv_import.h"
#include "form_item_add.h"
#include "form_registry.h"
#include "item_fields.h"
#include "item_row.h"
#include "list_find.h"
#include "list_view.h"
#include "master_list_reports.h"
#include "print_hand_off.h"
#include "sjis_codec.h"
#include "window_style.h"

TFormItemList::TFormItemList(Document& doc) : TForm(doc) {
  setWindowTitle(QStringLiteral("商品リスト"));
  // Left with "戻る" (or the close box) only.
  BuildControls();
  BuildLayout();
  Connect();
  pattern_ = std::make_unique<ListWindowPattern>(ListViewItemList, Actions());
}

void TFormItemList::BuildControls() {
  ListViewItemList = new QTableWidget(this);
  ListViewItemList->setObjectName(QStringLiteral("ListViewItemList"));
  SetUpListView(ListViewItemList, {{QStringLiteral("商品コード"), 120},
                                   {QStringLiteral("商品名"), 150},
                                   {QStringLiteral("単位"), 100},
                                   {QStringLiteral("単価"), 80, true},
                                   {QStringLiteral("原価"), 80, true},
                                   {QStringLiteral("短縮コード"), 100},
                                   {QStringLiteral("税区分"), 80},
                                   {QStringLiteral("備考"), 150},
                                   {QStringLiteral("分類１"), 100},
                                   {QStringLiteral("分類２"), 100},
                                   {QStringLiteral("分類３"), 100}});
  // Code, name and kana of the record behind each row, the kana not being a column.
  FindTarget find = TableFindTarget(ListViewItemList, {});
  find.texts = [this](int row) {
    const ItemRecord item = Doc().items.Get(row);
    return QStringList{FromSjis(item.code), FromSjis(item.name), FromSjis(item.nameKana)};
  };
  FindBar = new TFindBar(this, find);
  ButtonIndexUp = SideButton(this, QStringLiteral("上に移動"), QStringLiteral("ButtonIndexUp"));
  ButtonIndexDown = SideButton(this, QStringLiteral("下に移動"), QStringLiteral("ButtonIndexDown"));
  ButtonGroupList =
      SideButton(this, QStringLiteral("分類の設定"), QStringLiteral("ButtonGroupList"));
  ButtonTanniList =
      SideButton(this, QStringLiteral("単位の設定"), QStringLiteral("ButtonTanniList"));
  ButtonImportCsv = SideButton(this, QStringLiteral("CSV取込…"), QStringLiteral("ButtonImportCsv"));
  ButtonDeleteItem = FormButton(this, QStringLiteral("削除"), QStringLiteral("ButtonDeleteItem"));
  ButtonEditItem = FormButton(this, QStringLiteral("編集"), QStringLiteral("ButtonEditItem"));
  ButtonAddItem = FormButton(this, QStringLiteral("追加"), QStringLiteral("ButtonAddItem"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
}

void TFormItemList::BuildLayout() {
  QHBoxLayout* top = ControlRow({FindBar}, {ButtonIndexUp, ButtonIndexDown});
  auto* actions = new QGridLayout;
  actions->addWidget(ButtonDeleteItem, 0, 0);
  actions->addWidget(ButtonEditItem, 0, 1);
  actions->addWidget(ButtonAddItem, 0, 2);
  actions->addWidget(ButtonPrint, 1, 1);
  actions->addWidget(ButtonOk, 1, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ButtonGroupList, 0, Qt::AlignBottom);
  bottom->addWidget(ButtonTanniList, 0, Qt::AlignBottom);
  bottom->addWidget(ButtonImportCsv, 0, Qt::AlignBottom);
  bottom->addStretch();
  bottom->addLayout(actions);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ListViewItemList, 1);
  layout->addLayout(bottom);
  SetResizableWindowStyle(this, {830, 610});
}

void TFormItemList::Connect() {
  connect(ButtonAddItem, &QPushButton::clicked, this, &TFormItemList::ButtonAddItemClick);
  connect(ButtonEditItem, &QPushButton::clicked, this, &TFormItemList::ButtonEditItemClick);
  connect(ButtonDeleteItem, &QPushButton::clicked, this, &TFormItemList::ButtonDeleteItemClick);
  connect(ButtonIndexUp, &QPushButton::clicked, this, &TFormItemList::ButtonIndexUpClick);
  connect(ButtonIndexDown, &QPushButton::clicked, this, &TFormItemList::ButtonIndexDownClick);
  connect(ButtonGroupList, &QPushButton::clicked, this, &TFormItemList::ButtonGroupListClick);
  connect(ButtonTanniList, &QPushButton::clicked, this, &TFormItemList::ButtonTanniListClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormItemList::ButtonPrintClick);
  connect(ButtonImportCsv, &QPushButton::clicked, this, &TFormItemList::ButtonImportCsvClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ListViewItemList, &QTableWidget::itemDoubleClicked, this,
          &TFormItemList::ListViewItemListDblClick);
}

ListActions TFormItemList::Actions() {
  ListActions a;
  a.refill = [this] { Fill(); };
  a.add = [this] { return AddProducts(); };
  a.change = [this](int row) { return ChangeProduct(row); };
  a.refuseDelete = [this](int row) {
    return Doc().slips.IsProductUsed(Doc().items.Get(row).id)
               ? QStringLiteral("この商品は既に伝票に記録されているため削除することが出来ません。")
               : QString();
  };
  a.remove = [this](int row) { DeleteItem(Doc(), row); };
  a.moveUp = [this](int row) { Doc().items.MoveUp(row); };
  a.moveDown = [this](int row) { Doc().items.MoveDown(row); };
  a.changed = [this] { Doc().MarkChanged(); };
  return a;
}

void TFormItemList::ButtonImportCsvClick() {
  if (ImportCsvFromFile(this, ImportTarget::Items)) pattern_->Refill();
}

void TFormItemList::FormShow() {
  pattern_->Refill();
}

void TFormItemList::ButtonAddItemClick() {
  pattern_->Add();
}

void TFormItemList::ButtonEditItemClick() {
  pattern_->Change();
}

void TFormItemList::ButtonDeleteItemClick() {
  pattern_->Delete();
}

void TFormItemList::ButtonIndexUpClick() {
  pattern_->MoveUp();
}

void TFormItemList::ButtonIndexDownClick() {
  pattern_->MoveDown();
}

void TFormItemList::ListViewItemListDblClick() {
  pattern_->DoubleClick();
}

void TFormItemList::ButtonGroupListClick() {
  ShowModal(Forms().Get(FormId::GroupList));
  // Classification names may have changed.
  pattern_->Refill();
}

void TFormItemList::ButtonTanniListClick() {
  // Products hold their unit as text, so the list needs no refresh.
  ShowModal(Forms().Get(FormId::TanniList));
}

void TFormItemList::ButtonPrintClick() {
  PrintReport(kReportItemList,
              ItemListReport({QStringLiteral("登録商品一覧"), ListViewTexts(ListViewItemList),
                              QDate::currentDate()}));
}

void TFormItemList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormItemList::Fill() {
  std::vector<QStringList> rows;
  for (const ItemRecord& item : Doc().items.Records()) {
    rows.push_back(ItemRowTexts(item, Doc().groups, Doc().invoice.reducedItems));
  }
  FillListView(ListViewItemList, rows);
}

bool TFormItemList::AddProducts() {
  TFormItemAdd* entry = Entry();
  entry->PrepareAdd();
  if (ShowModal(entry) == QDialog::Accepted) {
    AddItem(Doc(), entry->Entered());
    return true;
  }
  // Cancel ends a continuous series; the products added before it stay.
  return entry->AddedInSeries();
}

bool TFormItemList::ChangeProduct(int row) {
  TFormItemAdd* entry = Entry();
  entry->PrepareEdit(Doc().items.Get(row));
  if (ShowModal(entry) != QDialog::Accepted) return false;
  UpdateItem(Doc(), row, entry->Entered());
  return true;
}

TFormItemAdd* TFormItemList::Entry() const {
  return Forms().As<TFormItemAdd>(FormId::ItemAdd);
}
