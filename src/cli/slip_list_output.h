#pragma once

#include <string>

#include "computed_list_csv.h"
#include "json_in.h"
#include "slip_values.h"

// The slip list as the window computes it, with each slip's lines as its detail shows them.
Json SlipListJson(const Document& doc, const SlipListQuery& query);
