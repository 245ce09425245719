#include "overflow_guard.h"

#include <QString>

#include "dialogs.h"
#include "list_limits.h"
#include "money.h"

bool ComputedWithinRange(const std::function<void()>& compute) {
  try {
    compute();
    return true;
  } catch (const MoneyOverflow&) {
    ShowMessage(QStringLiteral("金額が大きすぎるため計算できません。"));
    return false;
  } catch (const ListRefused& e) {
    ShowMessage(QString::fromUtf8(e.what()));
    return false;
  }
}
