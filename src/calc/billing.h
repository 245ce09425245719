#pragma once

// The billing computations shared by the payment, claim and invoice windows and tenpo-cli.
#include "billing_period.h"
#include "claim_detail.h"
#include "claim_list.h"
#include "cumulative_sums.h"
#include "payment_rows.h"
