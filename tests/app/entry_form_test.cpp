#include "entry_form.h"

#include <gtest/gtest.h>

#include "document.h"

namespace {

class CheckedForm : public TEntryForm {
 public:
  using TEntryForm::TEntryForm;
  bool complete = false;
  int queries = 0;

 protected:
  bool FormCloseQuery() override {
    ++queries;
    return complete;
  }
};

TEST(EntryForm, OkClosesOnlyWhenTheEntriesAreComplete_CancelAlwaysCloses) {
  Document doc;
  CheckedForm form(doc);
  form.show();
  form.accept();
  EXPECT_TRUE(form.isVisible());
  form.complete = true;
  form.accept();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);

  form.complete = false;
  form.show();
  form.reject();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.queries, 2);
}

TEST(EntryForm, BlankTextIsBlanksOnlyIncludingIdeographicSpace) {
  EXPECT_TRUE(IsBlankText(QString()));
  EXPECT_TRUE(IsBlankText(QStringLiteral(" \t　 ")));
  EXPECT_FALSE(IsBlankText(QStringLiteral(" 箱")));
}

}  // namespace
