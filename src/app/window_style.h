#pragma once

#include <QSize>

class QDialog;

// An entry or small list window: fixed single border, no border icons (it is left with
// its own buttons), the client size given or what the layout needs if larger.
void SetFixedWindowStyle(QDialog* window, QSize clientSize);
// A list window the user may resize and maximise; the client size given is also the least.
void SetResizableWindowStyle(QDialog* window, QSize clientSize);
