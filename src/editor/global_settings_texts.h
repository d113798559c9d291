#pragma once

#include "texts/text_table.h"

namespace tavi::editor {

// The global settings window's own table.
texts::TextTable globalSettingsTextTable();

}  // namespace tavi::editor
