#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/product_flags.h"
#include "catalogue/product_groups.h"
#include "catalogue/product_index.h"
#include "editor/editor.h"
#include "forms/scripted_desktop.h"
#include "support/test_drive.h"

namespace tavi::editor::testing {

// The editor on a temporary drive C: with a scripted desktop. It starts only when start() is
// called, so that a test can lay out the settings folder first.
class EditorSession {
 public:
  explicit EditorSession(tavi::testing::TestDriveOptions options = {})
      : drive(std::move(options)) {}

  Editor& start() {
    editor_.emplace(drive.platform(), desktop);
    return *editor_;
  }
  Editor& editor() { return *editor_; }

  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;

 private:
  std::optional<Editor> editor_;
};

// Selects products the way another program of the suite would: by creating their flag files.
inline void selectOnDrive(const tavi::testing::TestDrive& drive,
                          std::span<const catalogue::ProductIndex> products) {
  for (catalogue::ProductIndex index : products)
    drive.write(catalogue::productFlagPath(index), "");
}

// The products of a group whose flag files exist, in the group's order.
inline std::vector<catalogue::ProductIndex> selectedOnDrive(const tavi::testing::TestDrive& drive,
                                                            const catalogue::ProductGroup& group) {
  std::vector<catalogue::ProductIndex> selected;
  for (catalogue::ProductIndex index : group.products) {
    if (drive.exists(catalogue::productFlagPath(index))) selected.push_back(index);
  }
  return selected;
}

inline std::vector<catalogue::ProductIndex> productsOf(const catalogue::ProductGroup& group) {
  return {group.products.begin(), group.products.end()};
}

// Every file on the drive with its bytes, to show that an action wrote nothing.
inline std::map<std::string, std::string> driveContents(const tavi::testing::TestDrive& drive) {
  return drive.contents();
}

}  // namespace tavi::editor::testing
