#include "program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTranslator>

namespace {

// Dates in the windows and Qt's own dialog texts are Japanese whatever the system says.
TEST(Program, SpeaksJapaneseWhateverTheSystemLocale) {
  const QLocale old;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QTranslator translator;
  UseJapanese(translator);
  EXPECT_EQ(QLocale().language(), QLocale::Japanese);
  EXPECT_TRUE(QLocale()
                  .toString(QDate(2024, 3, 31), QLocale::LongFormat)
                  .startsWith(QStringLiteral("2024年3月31日")));
  EXPECT_NE(QApplication::translate("QFileDialog", "Save As"), QStringLiteral("Save As"));
  QApplication::removeTranslator(&translator);
  QLocale::setDefault(old);
}

}  // namespace
