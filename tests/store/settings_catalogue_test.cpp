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
  ASSERT_TRUE(path.starts_with(kSettingsFolder)) << path;
  const std::string_view name = path.substr(kSettingsFolder.size());
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
  for (const SwitchFile& file : switchFiles())
    expectSettingsFile(file.path);
}

TEST(SettingsCatalogueTest, DefaultsLieInTheirRanges) {
  for (const ValueSetting& setting : valueSettings()) {
    SCOPED_TRACE(setting.control);
    if (setting.extendedRange) {
      ASSERT_TRUE(setting.range);
      EXPECT_EQ(setting.extendedRange->minimum, setting.range->minimum);
      EXPECT_GT(setting.extendedRange->maximum, setting.range->maximum);
    }
    if (setting.whenAbsent != WhenAbsent::UseDefault) continue;
    ASSERT_TRUE(setting.range);
    EXPECT_GE(setting.defaultValue, setting.range->minimum);
    EXPECT_LE(setting.defaultValue, setting.range->maximum);
  }
}

TEST(SettingsCatalogueTest, ProductLineBoxesNameEachLineOnce) {
  std::set<int> lines;
  for (const ProductLineFlag& flag : productLineFlags())
    lines.insert(flag.productLine);
  EXPECT_EQ(lines, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(productLineFlags().size(), lines.size());
}

TEST(SettingsCatalogueTest, RemarksThatChangeLoadAndSaveAreConsistent) {
  for (const OptionFlag& flag : optionFlags()) {
    SCOPED_TRACE(flag.control);
    EXPECT_EQ(flag.save == FlagSave::AfterConfirmation, flag.confirmationText.has_value());
  }
  EXPECT_EQ(optionFlag("NewVesion").confirmationText, 807);
  EXPECT_EQ(optionFlag("MtdVsbl").sense, FlagSense::PresentUnticks);
  EXPECT_EQ(optionFlag("BezDiakrit2").load, FlagLoad::NotRead);
  EXPECT_EQ(optionFlag("Zpusob_mereni").radioItem, 1);
  EXPECT_EQ(optionFlag("VegeTXT").visibleOnlyWith, switchFile(SwitchEffect::ShowVegeTXT).path);
  EXPECT_EQ(optionFlag("ScaleWindows").path, switchFile(SwitchEffect::ScaleWindow).path);
  EXPECT_EQ(valueSetting("nastav_citlivost").whenAbsent, WhenAbsent::KeepControl);
  EXPECT_EQ(productLineFlag("Diochi").productLine, 10);
}

TEST(SettingsCatalogueTest, UnknownControlsAreRefused) {
  EXPECT_THROW(valueSetting("Velmira"), std::out_of_range);
  EXPECT_THROW(optionFlag("nastav_limit"), std::out_of_range);
  EXPECT_THROW(productLineFlag("Automat"), std::out_of_range);
}

}  // namespace
}  // namespace tavi::store
