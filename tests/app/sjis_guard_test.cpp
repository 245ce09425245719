#include "sjis_guard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include "form_controls.h"
#include "qt_printers.h"
#include "sjis_codec.h"
#include "ss_edit.h"
#include "text_bytes.h"
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

TEST(SjisGuard, UnusableCharacterIsRefusedWithATipNamingIt) {
  QWidget window;
  auto* text = TextField(&window, QStringLiteral("EditName"), Ime::On);
  auto* password = TextField(&window, QStringLiteral("EditPassword"), Ime::Off);
  password->setEchoMode(QLineEdit::Password);
  QComboBox* unit = EditableList(&window, QStringLiteral("ComboBoxTanni"), Ime::On);
  auto* amount = TSsEdit::Plain(&window);
  ShowActive(&window);
  struct Case {
    QLineEdit* field;
    QString typed;
    QString kept;
    QString named;
  };
  const Case cases[] = {
      {text, QStringLiteral("a😀b"), QStringLiteral("ab"), QStringLiteral("😀")},
      {password, QStringLiteral("pä1"), QStringLiteral("p1"), QStringLiteral("ä")},
      {unit->lineEdit(), QStringLiteral("個€"), QStringLiteral("個"), QStringLiteral("€")},
      {amount, QStringLiteral("1é"), QStringLiteral("1"), QStringLiteral("é")},
  };
  for (const Case& c : cases) {
    QToolTip::hideText();
    FocusOn(c.field);
    TypeText(c.field, c.typed);
    EXPECT_EQ(c.field->text(), c.kept);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("「%1」は使用できません").arg(c.named));
  }
  // A paste with one such character is refused whole.
  QToolTip::hideText();
  text->insert(QStringLiteral("新商品😀"));
  EXPECT_EQ(text->text(), QStringLiteral("ab"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("「😀」は使用できません"));
}

TEST(SjisGuard, NumberFieldRefusesOnlyANumberTooLongForAnAmount) {
  TSsEdit* amount = TSsEdit::Plain(nullptr);
  TypeText(amount, QString(20, QLatin1Char('9')));
  EXPECT_EQ(amount->text(), QString(14, QLatin1Char('9')));
  // Other text is the window's to judge.
  amount->clear();
  TypeText(amount, QStringLiteral("１２"));
  EXPECT_EQ(amount->text(), QStringLiteral("１２"));
  delete amount;
}

// A spreadsheet cell or a line of a mail comes with its line break; a one-line field keeps
// the text without it, in a name as in an amount.
TEST(SjisGuard, PastedLineBreaksAreLeftOut) {
  QLineEdit name;
  GuardSjis(&name);
  name.setText(QStringLiteral("青森"));
  name.setCursorPosition(1);
  name.insert(QStringLiteral("りんご\r\n"));
  EXPECT_EQ(name.text(), QStringLiteral("青りんご森"));
  EXPECT_EQ(name.cursorPosition(), 4);
  name.end(false);
  name.insert(QStringLiteral("\n東京都\r\n千代田区"));
  EXPECT_EQ(name.text(), QStringLiteral("青りんご森東京都千代田区"));

  TSsEdit* amount = TSsEdit::Plain(nullptr);
  amount->clear();
  amount->insert(QStringLiteral("1,000\r\n"));
  EXPECT_EQ(amount->text(), QStringLiteral("1,000"));
  delete amount;
}

TEST(SjisGuard, YenSignIsStoredAs5CAndShownBackAsYen) {
  QLineEdit edit;
  GuardSjis(&edit);
  TypeText(&edit, QStringLiteral("¥100\\‾"));
  EXPECT_EQ(edit.text(), QStringLiteral("¥100¥~"));
  EXPECT_EQ(TextBytes(edit.text()), "\\100\\~");
  edit.setText(FromSjis("C:\\data"));
  EXPECT_EQ(edit.text(), QStringLiteral("C:¥data"));
  EXPECT_EQ(TextBytes(edit.text()), "C:\\data");
}

TEST(SjisGuard, DamagedTextStaysEditable) {
  QLineEdit edit;
  GuardSjis(&edit);
  edit.setText(FromSjis("A\x81"));  // a cut-off character
  edit.end(false);
  TypeText(&edit, QStringLiteral("B"));
  EXPECT_EQ(edit.text(), QStringLiteral("A\uFFFDB"));
  edit.setCursorPosition(2);
  PressKey(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("AB"));
}

}  // namespace
