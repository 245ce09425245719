#include "payment_mode.h"

#include "customer_list.h"

const PaymentModeTexts& PaymentTexts(int mode) {
  static const PaymentModeTexts payments{
      QStringLiteral("支払を記録する"),
      QStringLiteral("支払日"),
      QStringLiteral("支払額"),
      QStringLiteral("支払データの入力"),
      QStringLiteral("支払データの編集"),
      QStringLiteral("選択中の支払データを削除します、よろしいですか？")};
  static const PaymentModeTexts receipts{
      QStringLiteral("入金を記録する"),
      QStringLiteral("入金日"),
      QStringLiteral("入金額"),
      QStringLiteral("入金データの入力"),
      QStringLiteral("入金データの編集"),
      QStringLiteral("選択中の入金データを削除します、よろしいですか？")};
  return mode == kCustomerKind ? receipts : payments;
}
