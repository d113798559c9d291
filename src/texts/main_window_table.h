#pragma once

#include "texts/text_table.h"

namespace tavi::texts {

// The table of the main settings window `TForm8`, the largest of the editor.
TextTable mainWindowTextTable();

}  // namespace tavi::texts
