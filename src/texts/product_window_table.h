#pragma once

#include "texts/text_table.h"

namespace tavi::texts {

// The selection windows' own table: their buttons and the titles looked up by number.
TextTable productWindowTextTable();
// The same with "Green food" (901), which only the windows of TForm19 and TForm20 carry.
TextTable productWindowTextTableWithGreenFood();

}  // namespace tavi::texts
