#include "tools/screenshot_front_end.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/product_groups.h"
#include "editor/editor.h"
#include "editor/global_settings_window.h"
#include "editor/main_window/main_window.h"
#include "forms/controls.h"
#include "installer/installer.h"
#include "platform/platform.h"
#include "tools/demo_drive.h"
#include "tools/demo_medium.h"
#include "tools/screenshot_desktop.h"

namespace tavi::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLanguageCodes[] = {"cs", "en", "de", "sv", "ru"};

class Shooter {
 public:
  explicit Shooter(fs::path folder) : folder_(std::move(folder)) {}

  void save(DrawnApplication& drawn, const forms::Form& form, const std::string& name) {
    drawn.processMessages();
    const fs::path file = drawn.capture(form, folder_ / name);
    std::cout << file.string() << "  (" << form.name() << ": " << form.caption() << ")\n";
  }

 private:
  fs::path folder_;
};

tavi::platform::Platform demoPlatform(const DemoDrive& drive) {
  tavi::platform::PlatformOptions options;
  options.driveC = drive.driveC();
  options.currentFolder = drive.medium();
  options.desktopFolder = DemoDrive::kDesktopPath;
  return tavi::platform::Platform(options);
}

void writeLanguage(const DemoDrive& drive, int language) {
  std::ofstream file(drive.driveC() / "KivTanOr5" / "dLangv.dat", std::ios::binary);
  const std::uint32_t value = static_cast<std::uint32_t>(language);
  for (int shift = 0; shift < 32; shift += 8)
    file.put(static_cast<char>((value >> shift) & 0xFF));
}

void shootInstaller(ScreenshotFrontEnd& frontEnd, const fs::path& work, Shooter& shooter,
                    int language) {
  const std::string code = kLanguageCodes[language];
  std::cout << "setup, language " << code << "\n";
  const DemoDrive drive{work / ("setup-" + code)};
  writeDemoMedium(drive.medium());
  fs::create_directories(drive.desktop());
  auto platform = demoPlatform(drive);
  ScreenshotDesktop desktop;
  tavi::installer::Installer setup(platform, desktop);
  const auto drawn = frontEnd.draw(setup.app, platform);
  desktop.attach(drawn.get());
  tavi::installer::TForm1& window = setup.start();
  // The language window asks before any language is known: one picture is enough.
  if (language == 0) shooter.save(*drawn, window, "setup-language");
  // Halfway through the installation that picking a language starts.
  desktop.onProcessMessages = [&](int calls) {
    if (calls == 300) shooter.save(*drawn, window, "setup-installing-" + code);
  };
  setup.app.choose(window.Language, language);
}

// One run of the editor on the demo drive: `open` brings up the window to capture.
void shootEditor(ScreenshotFrontEnd& frontEnd, const DemoDrive& drive, Shooter& shooter,
                 const std::string& name,
                 const std::function<tavi::forms::Form&(tavi::editor::Editor&)>& open) {
  auto platform = demoPlatform(drive);
  ScreenshotDesktop desktop;
  tavi::editor::Editor editor(platform, desktop);
  const auto drawn = frontEnd.draw(editor.app, platform);
  desktop.attach(drawn.get());
  drawn->processMessages();
  tavi::forms::Form& window = open(editor);
  // A window that its opener does not show yet is shown as it is.
  if (!window.visible()) editor.app.dispatch([&window] { window.show(); });
  shooter.save(*drawn, window, name);
}

// Clicks a control of the main window by its design name, as its opener.
void clickOnMain(tavi::editor::Editor& editor, std::string_view control) {
  if (tavi::forms::Control* found = editor.Form8.findControl(control)) editor.app.click(*found);
}

tavi::forms::Form& formNamed(tavi::editor::Editor& editor, std::string_view name) {
  for (const auto& form : editor.app.forms()) {
    if (form->name() == name) return *form;
  }
  throw std::runtime_error("the editor has no window " + std::string(name));
}

// A window opened by clicking a control of the main window.
std::function<tavi::forms::Form&(tavi::editor::Editor&)> openedBy(std::string opener,
                                                                  std::string window) {
  return [opener, window](tavi::editor::Editor& editor) -> tavi::forms::Form& {
    clickOnMain(editor, opener);
    return formNamed(editor, window);
  };
}

std::function<tavi::forms::Form&(tavi::editor::Editor&)> globalSettingsIn(
    tavi::editor::GlobalSettingsMode mode) {
  return [mode](tavi::editor::Editor& editor) -> tavi::forms::Form& {
    editor.app.dispatch([&] { editor.Form27.open(mode); });
    return editor.Form27;
  };
}

void shootEditor(ScreenshotFrontEnd& frontEnd, const fs::path& work, Shooter& shooter) {
  const DemoDrive drive{work / "editor"};
  const auto installation = installDemoDrive(drive, 1);
  for (const auto& error : installation.errors)
    std::cout << "  (installer error: " << error << ")\n";

  const std::pair<std::string, std::function<tavi::forms::Form&(tavi::editor::Editor&)>> others[] =
      {
          {"editor-Form9-language", openedBy("Image1", "Form9")},
          {"editor-Form25-own-preparations", openedBy("MePreparat", "Form25")},
          {"editor-Form27-colours", globalSettingsIn(tavi::editor::GlobalSettingsMode::Colour)},
          {"editor-Form27-groups", globalSettingsIn(tavi::editor::GlobalSettingsMode::GroupHiding)},
          {"editor-Form27-branding", globalSettingsIn(tavi::editor::GlobalSettingsMode::Branding)},
      };
  for (int language = 0; language < 5; ++language) {
    const std::string code = kLanguageCodes[language];
    std::cout << "editor, language " << code << "\n";
    writeLanguage(drive, language);
    shootEditor(frontEnd, drive, shooter, "editor-main-" + code,
                [](tavi::editor::Editor& editor) -> tavi::forms::Form& { return editor.Form8; });
    for (const auto& [name, open] : others)
      shootEditor(frontEnd, drive, shooter, name + "-" + code, open);
    // The selection windows, each opened by its group's button.
    for (const tavi::catalogue::ProductGroup& group : tavi::catalogue::allGroups()) {
      const std::string window(group.window.substr(1));  // "Form30" of "TForm30"
      shootEditor(frontEnd, drive, shooter,
                  "editor-" + window + "-" + std::string(group.key) + "-" + code,
                  openedBy(std::string(group.key), window));
    }
  }
}

}  // namespace

void takeScreenshots(ScreenshotFrontEnd& frontEnd, const fs::path& folder, const fs::path& work) {
  fs::create_directories(folder);
  Shooter shooter(folder);
  for (int language = 0; language < 5; ++language)
    shootInstaller(frontEnd, work, shooter, language);
  shootEditor(frontEnd, work, shooter);
}

}  // namespace tavi::tools
