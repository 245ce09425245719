#pragma once

class QWidget;

// Codes, numbers, postal codes and telephone numbers are typed with the Japanese input
// method off; names, addresses and remarks with it on. Note that QLineEdit::setReadOnly
// and setEchoMode switch the input method themselves: call these afterwards.
void SetImeOff(QWidget* widget);
void SetImeOn(QWidget* widget);
