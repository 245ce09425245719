#pragma once

#include <QString>

class QWidget;

// A key or paste that a field will not take is refused visibly, never dropped in silence:
// the field beeps, and when a character is to blame a short tip beside the field names it.
void RefuseInput(QWidget* field, const QString& character = QString());

// 「😀」は使用できません
QString UnusableCharacterTip(const QString& character);
