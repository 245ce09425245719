#include "form_name_list.h"

#include "document.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "dialogs.h"
#include "form_controls.h"
#include "form_name_add.h"
#include "form_registry.h"
#include "sjis_codec.h"
#include "text_bytes.h"
#include "window_style.h"

TFormNameList::TFormNameList(Document& doc, const NameListDesign& design,
                             std::unique_ptr<NameListSource> names)
    : TForm(doc), design_(design), names_(std::move(names)) {
  setWindowTitle(design.caption);
  // Left with "戻る" only.
  BuildControls();
  BuildLayout();
  pattern_ =
      std::make_unique<ListWindowPattern>(listBox_, Actions(), design.messages, design.firstRow);
}

void TFormNameList::BuildControls() {
  if (!design_.tabs.isEmpty()) {
    TabControlLists = new QTabBar(this);
    TabControlLists->setObjectName(QStringLiteral("TabControlLists"));
    for (const QString& tab : design_.tabs) TabControlLists->addTab(tab);
    connect(TabControlLists, &QTabBar::currentChanged, this, &TFormNameList::TabControlListsChange);
  }
  listBox_ = new QListWidget(this);
  listBox_->setObjectName(design_.listBoxName);
  listBox_->setMinimumSize(design_.listBoxSize);
  ButtonIndexUp = SideButton(this, QStringLiteral("上に移動"), QStringLiteral("ButtonIndexUp"));
  ButtonIndexDown = SideButton(this, QStringLiteral("下に移動"), QStringLiteral("ButtonIndexDown"));
  addButton_ = FormButton(this, QStringLiteral("追加"), design_.addButtonName);
  editButton_ = FormButton(this, QStringLiteral("変更"), design_.editButtonName);
  deleteButton_ = FormButton(this, QStringLiteral("削除"), design_.deleteButtonName);
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);

  connect(listBox_, &QListWidget::itemDoubleClicked, this, &TFormNameList::ListBoxDblClick);
  connect(addButton_, &QPushButton::clicked, this, &TFormNameList::ButtonAddClick);
  connect(editButton_, &QPushButton::clicked, this, &TFormNameList::ButtonEditClick);
  connect(deleteButton_, &QPushButton::clicked, this, &TFormNameList::ButtonDeleteClick);
  connect(ButtonIndexUp, &QPushButton::clicked, this, &TFormNameList::ButtonIndexUpClick);
  connect(ButtonIndexDown, &QPushButton::clicked, this, &TFormNameList::ButtonIndexDownClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormNameList::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  // Narrow margins: the list boxes nearly fill their windows.
  layout->setContentsMargins(8, 8, 8, 8);
  if (TabControlLists != nullptr) layout->addWidget(TabControlLists);
  layout->addWidget(listBox_, 1);
  if (design_.buttonsInTwoRows) {
    layout->addLayout(
        ControlRow({ButtonIndexUp, ButtonIndexDown}, {addButton_, editButton_, deleteButton_}));
    layout->addLayout(ControlRow({}, {ButtonOk}));
  } else {
    layout->addLayout(ControlRow({ButtonIndexUp, ButtonIndexDown}, {}));
    layout->addLayout(ControlRow({addButton_, editButton_, deleteButton_}, {}));
    layout->addLayout(ControlRow({}, {ButtonOk}));
  }
  SetFixedWindowStyle(this, design_.clientSize);
}

ListActions TFormNameList::Actions() {
  ListActions a;
  a.refill = [this] { Fill(); };
  a.add = [this] { return AddEntry(); };
  a.change = [this](int row) { return ChangeEntry(row); };
  a.refuseDeleteAfterAsking = [this](int row) {
    return names_->IsUsed(row) ? design_.inUseMessage : QString();
  };
  a.remove = [this](int row) { names_->Delete(row); };
  a.moveUp = [this](int row) { names_->MoveUp(row); };
  a.moveDown = [this](int row) { names_->MoveDown(row); };
  a.changed = [this] { Doc().MarkChanged(); };
  return a;
}

void TFormNameList::FormShow() {
  if (TabControlLists != nullptr) names_->ChoosePart(TabControlLists->currentIndex());
  pattern_->Refill();
}

void TFormNameList::TabControlListsChange() {
  FormShow();
}

void TFormNameList::ButtonAddClick() {
  pattern_->Add();
}

void TFormNameList::ButtonEditClick() {
  pattern_->Change();
}

void TFormNameList::ButtonDeleteClick() {
  pattern_->Delete();
}

void TFormNameList::ButtonIndexUpClick() {
  pattern_->MoveUp();
}

void TFormNameList::ButtonIndexDownClick() {
  pattern_->MoveDown();
}

void TFormNameList::ListBoxDblClick() {
  pattern_->DoubleClick();
}

void TFormNameList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormNameList::Fill() {
  listBox_->clear();
  for (const std::string& name : names_->Names()) listBox_->addItem(FromSjis(name));
}

bool TFormNameList::AddEntry() {
  TFormNameAdd* entry = Entry();
  entry->Prepare(design_.addCaption, QString());
  if (ShowModal(entry) != QDialog::Accepted) return false;
  names_->Add(TextBytes(entry->Text()));
  return true;
}

bool TFormNameList::ChangeEntry(int row) {
  TFormNameAdd* entry = Entry();
  entry->Prepare(design_.changeCaption, FromSjis(names_->Names()[static_cast<size_t>(row)]));
  if (ShowModal(entry) != QDialog::Accepted) return false;
  names_->Put(row, TextBytes(entry->Text()));
  return true;
}

TFormNameAdd* TFormNameList::Entry() const {
  return Forms().As<TFormNameAdd>(design_.entryForm);
}
