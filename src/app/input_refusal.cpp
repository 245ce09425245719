#include "input_refusal.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kTipMilliseconds = 4000;

}  // namespace

void RefuseInput(QWidget* field, const QString& character) {
  QApplication::beep();
  if (character.isEmpty()) return;
  // Beside the field, so that it does not cover what is being typed.
  const QPoint beside = field->mapToGlobal(QPoint(field->width() + 2, 0));
  QToolTip::showText(beside, UnusableCharacterTip(character), field, QRect(), kTipMilliseconds);
}

QString UnusableCharacterTip(const QString& character) {
  return QStringLiteral("「%1」は使用できません").arg(character);
}
