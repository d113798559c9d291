#pragma once

#include "texts/text_table.h"

namespace tavi::editor {

// The selection windows' own table: their buttons and the titles looked up by number.
texts::TextTable productWindowTextTable();
// The same with "Green food" (901), which only the windows of TForm19 and TForm20 carry.
texts::TextTable productWindowTextTableWithGreenFood();

}  // namespace tavi::editor
