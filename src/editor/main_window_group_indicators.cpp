#include <algorithm>

#include "catalogue/product_flags.h"
#include "editor/main_window.h"

namespace tavi::editor {

void TForm8::VyplnCtvereckyClick() {
  // Only existence is tested, so a missing PrepSwich folder simply leaves every box unticked.
  const catalogue::SelectedProducts flags(windows_.files);
  auto selected = [&flags](catalogue::ProductIndex index) { return flags.contains(index); };
  for (const catalogue::ProductGroup& group : catalogue::allGroups()) {
    GroupRow row = groupRow(group.key);
    row.allSelected.setChecked(std::all_of(group.products.begin(), group.products.end(), selected));
    row.anySelected.setChecked(std::any_of(group.products.begin(), group.products.end(), selected));
  }
}

}  // namespace tavi::editor
