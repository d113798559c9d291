#pragma once

#include "texts/text_table.h"

namespace tavi::texts {

// The own-preparations window's own table.
TextTable ownPreparationsTextTable();

}  // namespace tavi::texts
