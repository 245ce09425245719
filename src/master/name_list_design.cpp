#include "name_list_design.h"

namespace {

NameListDesign MakeGroupDesign() {
  NameListDesign d;
  d.caption = QStringLiteral("分類の編集");
  d.clientSize = {289, 461};
  d.listBoxSize = {265, 329};
  d.tabs = {QStringLiteral("分類１"), QStringLiteral("分類２"), QStringLiteral("分類３")};
  d.listBoxName = QStringLiteral("ListBoxGroupList");
  d.addButtonName = QStringLiteral("ButtonAddGroup");
  d.editButtonName = QStringLiteral("ButtonEditGroup");
  d.deleteButtonName = QStringLiteral("ButtonDeleteGroup");
  d.firstRow = FirstRow::Fixed;
  d.inUseMessage =
      QStringLiteral("この項目は既に商品リストで使用中のため、削除することが出来ません。");
  d.entryForm = FormId::GroupAdd;
  d.addCaption = QStringLiteral("分類の追加");
  d.changeCaption = QStringLiteral("分類の編集");
  d.entry = {{435, 93},
             QStringLiteral("分類名"),
             317,
             QStringLiteral("EditName"),
             QStringLiteral("分類名を入力してください。"),
             true};
  return d;
}

NameListDesign MakeTanniDesign() {
  NameListDesign d;
  d.caption = QStringLiteral("単位リスト編集");
  d.clientSize = {277, 420};
  d.listBoxSize = {253, 300};
  d.listBoxName = QStringLiteral("ListBoxTanniList");
  d.addButtonName = QStringLiteral("ButtonAddTanni");
  d.editButtonName = QStringLiteral("ButtonEditTanni");
  d.deleteButtonName = QStringLiteral("ButtonDeleteTanni");
  d.entryForm = FormId::TanniAdd;
  d.addCaption = QStringLiteral("単位の追加");
  d.changeCaption = QStringLiteral("単位の変更");
  d.entry = {{435, 123},
             QStringLiteral("単位名称"),
             317,
             QStringLiteral("EditName"),
             QStringLiteral("単位名称を入力してください。"),
             true};
  return d;
}

NameListDesign MakeLineNoteDesign() {
  NameListDesign d;
  d.caption = QStringLiteral("備考リスト");
  d.clientSize = {712, 222};
  d.listBoxSize = {693, 137};
  d.listBoxName = QStringLiteral("ListBoxLineNoteList");
  d.addButtonName = QStringLiteral("ButtonAddLineNote");
  d.editButtonName = QStringLiteral("ButtonEditNoteList");
  d.deleteButtonName = QStringLiteral("ButtonDeleteNoteList");
  d.buttonsInTwoRows = true;
  d.messages.selectToChange = QStringLiteral("変更する項目を選択して下さい。");
  d.messages.atTop = QStringLiteral("これ以上上に移動することは出来ません。");
  d.messages.atBottom = QStringLiteral("これ以上下に移動することは出来ません。");
  d.entryForm = FormId::LineNoteAdd;
  d.addCaption = QStringLiteral("備考リストの追加");
  d.changeCaption = QStringLiteral("備考リストの変更");
  d.entry = {{773, 101},
             QString(),
             733,
             QStringLiteral("EditLineNote"),
             QStringLiteral("備考内容を入力してください。"),
             false};
  return d;
}

}  // namespace

const NameListDesign& GroupListDesign() {
  static const NameListDesign design = MakeGroupDesign();
  return design;
}

const NameListDesign& TanniListDesign() {
  static const NameListDesign design = MakeTanniDesign();
  return design;
}

const NameListDesign& LineNoteListDesign() {
  static const NameListDesign design = MakeLineNoteDesign();
  return design;
}
