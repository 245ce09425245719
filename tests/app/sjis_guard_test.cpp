#include "sjis_guard.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "qt_printers.h"
#include "ui_test_helpers.h"

namespace {

TEST(SjisGuard, TypedJisFormsAreMappedAndOtherCharactersRefused) {
  QLineEdit edit;
  GuardSjis(&edit);
  TypeText(&edit, QStringLiteral("1〜2−3"));
  EXPECT_EQ(edit.text(), QStringLiteral("1～2－3"));
  TypeText(&edit, QStringLiteral("€"));
  TypeText(&edit, QStringLiteral("髙ｱ①"));
  EXPECT_EQ(edit.text(), QStringLiteral("1～2－3髙ｱ①"));
  EXPECT_EQ(edit.cursorPosition(), edit.text().size());
}

TEST(SjisGuard, PasteIsMappedWholeOrRefusedWhole) {
  QLineEdit edit;
  GuardSjis(&edit);
  edit.setText(QStringLiteral("商品"));
  edit.setCursorPosition(1);
  edit.insert(QStringLiteral("¢£¬‖—"));
  EXPECT_EQ(edit.text(), QStringLiteral("商￠￡￢∥―品"));
  EXPECT_EQ(edit.cursorPosition(), 6);
  edit.insert(QStringLiteral("新商品😀"));
  EXPECT_EQ(edit.text(), QStringLiteral("商￠￡￢∥―品"));
}

TEST(SjisGuard, EditableComboBoxIsGuardedToo) {
  QComboBox combo;
  combo.setEditable(true);
  GuardSjis(&combo);
  combo.lineEdit()->insert(QStringLiteral("個〜"));
  combo.lineEdit()->insert(QStringLiteral("é"));
  EXPECT_EQ(combo.currentText(), QStringLiteral("個～"));
}

}  // namespace
