#pragma once

#include "texts/text_table.h"

namespace tavi::texts {

// The global settings window's own table.
TextTable globalSettingsTextTable();

}  // namespace tavi::texts
