#pragma once

#include "claim_detail.h"
#include "claim_list.h"
#include "shown_list.h"
#include "slip_values.h"

// The slip, claim and claim detail lists as their windows show them, so the windows and
// tenpo-cli --as-shown write the same CSV.

// 日付, 伝票No, 金額, 区分 (出荷 or 仕入, 返品) and the hidden slip id.
ShownList SlipListShown(const SlipListRows& list);
// 得意先名, 請求金額 (支払金額 for suppliers), 締日, 支払予定 and the hidden partner id.
ShownList ClaimListShown(const std::vector<ClaimListRow>& rows, int mode);
// The invoice's rows: date and number on a slip's first line; with `marked`, a
// reduced-rate product's name is followed by the mark.
ShownList ClaimDetailShown(const ClaimDetail& detail, bool marked);

// The lines of a slip under the slip list: a return's quantities and amounts negative, as
// they count in its total.
std::vector<QStringList> SlipDetailTexts(const std::vector<SlipDetailRow>& rows, bool isReturn);

// Follows a reduced-rate product's name where qualified invoices are issued.
inline const QString kReducedMark = QStringLiteral("※");
