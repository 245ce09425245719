#include "golden_file.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

void ExpectGolden(const QString& name, const QString& actual) {
  const QString path = QStringLiteral(TENPO_GOLDEN_DIR "/") + name;
  QFile file(path);
  if (qEnvironmentVariableIntValue("TENPO_UPDATE_GOLDEN") == 1) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(actual.toUtf8());
    return;
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly))
      << path.toStdString() << " is missing; run with TENPO_UPDATE_GOLDEN=1 to write it";
  const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  const QStringList got = actual.split(QLatin1Char('\n'));
  // The first differing line tells more than two walls of text.
  for (qsizetype i = 0; i < std::min(expected.size(), got.size()); ++i) {
    ASSERT_EQ(got[i].toStdString(), expected[i].toStdString())
        << name.toStdString() << " line " << i + 1;
  }
  ASSERT_EQ(got.size(), expected.size()) << name.toStdString() << ": line count";
}
