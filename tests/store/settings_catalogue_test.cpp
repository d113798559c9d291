#include "store/settings_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "store/settings_paths.h"

namespace tavi::store {
namespace {

// Every path names a file directly in the settings folder, in full.
void expectSettingsFile(std::string_view path) {
  const std::string folder = std::string(kSettingsFolder) + "\\";
  ASSERT_TRUE(path.starts_with(folder)) << path;
  const std::string_view name = path.substr(folder.size());
  EXPECT_FALSE(name.empty()) << path;
  EXPECT_EQ(name.find('\\'), std::string_view::npos) << path;
}

TEST(SettingsCatalogueTest, EveryFileLiesInTheSettingsFolderAndHasOneMeaning) {
  std::set<std::string, std::less<>> seen;
  auto visit = [&](std::string_view path) {
    expectSettingsFile(path);
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_TRUE(seen.insert(lower).second) << "twice in the catalogue: " << path;
  };
  for (const ValueSetting& setting : valueSettings())
    visit(setting.path);
  for (const OptionFlag& flag : optionFlags())
    visit(flag.path);
  for (const ProductLineFlag& flag : productLineFlags())
    visit(flag.path);
  for (const FixedFile& file : fixedFiles())
    visit(file.path);
  for (std::string_view path :
       {kOwnPreparationsFile, kExtendedRangesSwitch, kVegeTxtSwitch, kGroupHidingFile})
    visit(path);
}

TEST(SettingsCatalogueTest, ProductLineBoxesNameEachLineOnce) {
  std::set<int> lines;
  for (const ProductLineFlag& flag : productLineFlags())
    lines.insert(flag.productLine);
  EXPECT_EQ(lines, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(productLineFlags().size(), lines.size());
}

TEST(SettingsCatalogueTest, UnknownControlsAreRefused) {
  EXPECT_THROW(valueSetting("Velmira"), std::out_of_range);
  EXPECT_THROW(optionFlag("nastav_limit"), std::out_of_range);
  EXPECT_THROW(productLineFlag("Automat"), std::out_of_range);
}

}  // namespace
}  // namespace tavi::store
