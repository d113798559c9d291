#pragma once

#include "texts/text_table.h"

namespace tavi::editor {

// The own-preparations window's own table.
texts::TextTable ownPreparationsTextTable();

}  // namespace tavi::editor
