// tavi-screenshots FOLDER: draws every window of both programs on a demo installation with the
// Qt front end and writes each as a PNG file into FOLDER: the installer before and while it
// installs, the editor's main window in all five languages and each of its other windows.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "apps/demo_drive.h"
#include "apps/demo_medium.h"
#include "apps/screenshot_desktop.h"
#include "editor/editor.h"
#include "editor/global_settings_window.h"
#include "editor/main_window.h"
#include "forms/controls.h"
#include "frontends/qt/event_loop.h"
#include "frontends/qt/renderer.h"
#include "installer/installer.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;
using tavi::apps::DemoDrive;
using tavi::apps::ScreenshotDesktop;
using tavi::frontends::qt::Renderer;

constexpr const char* kLanguageCodes[] = {"cs", "en", "de", "sv", "ru"};

class Shooter {
 public:
  explicit Shooter(fs::path folder) : folder_(std::move(folder)) {}

  void save(Renderer& renderer, const tavi::forms::Form& form, const std::string& name) {
    renderer.sync();
    QApplication::processEvents();
    QWidget* window = renderer.window(form);
    const fs::path file = folder_ / (name + ".png");
    if (window == nullptr || !window->grab().save(QString::fromStdString(file.native()))) {
      throw std::runtime_error("cannot capture " + form.name() + " into " + file.string());
    }
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

void shootInstaller(const fs::path& work, Shooter& shooter) {
  std::cout << "setup\n";
  const DemoDrive drive{work / "setup"};
  tavi::apps::writeDemoMedium(drive.medium());
  fs::create_directories(drive.desktop());
  auto platform = demoPlatform(drive);
  ScreenshotDesktop desktop;
  tavi::installer::Installer setup(platform, desktop);
  Renderer renderer(setup.app, platform);
  desktop.attach(&renderer);
  tavi::installer::TForm1& window = setup.start();
  shooter.save(renderer, window, "setup-language");
  // Halfway through the installation that picking a language starts.
  desktop.onProcessMessages = [&](int calls) {
    if (calls == 300) shooter.save(renderer, window, "setup-installing");
  };
  setup.app.choose(window.Language, 1);
}

// One run of the editor on the demo drive: `open` brings up the window to capture.
void shootEditor(const DemoDrive& drive, Shooter& shooter, const std::string& name,
                 const std::function<tavi::forms::Form&(tavi::editor::Editor&)>& open) {
  auto platform = demoPlatform(drive);
  ScreenshotDesktop desktop;
  tavi::editor::Editor editor(platform, desktop);
  Renderer renderer(editor.app, platform);
  desktop.attach(&renderer);
  renderer.sync();
  tavi::forms::Form& window = open(editor);
  // A window that its opener does not show yet is shown as it is.
  if (!window.visible()) editor.app.dispatch([&window] { window.show(); });
  shooter.save(renderer, window, name);
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

void shootEditor(const fs::path& work, Shooter& shooter) {
  const DemoDrive drive{work / "editor"};
  const auto installation = tavi::apps::installDemoDrive(drive, 1);
  for (const auto& error : installation.errors)
    std::cout << "  (installer error: " << error << ")\n";

  for (int language = 0; language < 5; ++language) {
    std::cout << "editor, language " << kLanguageCodes[language] << "\n";
    writeLanguage(drive, language);
    shootEditor(drive, shooter, std::string("editor-main-") + kLanguageCodes[language],
                [](tavi::editor::Editor& editor) -> tavi::forms::Form& { return editor.Form8; });
  }

  std::cout << "editor, the other windows in English\n";
  writeLanguage(drive, 1);
  const std::pair<std::string, std::function<tavi::forms::Form&(tavi::editor::Editor&)>> shots[] = {
      {"editor-Form9-language", openedBy("Image1", "Form9")},
      {"editor-Form10-Praparaty", openedBy("Praparaty", "Form10")},
      {"editor-Form11-Praparaty2", openedBy("Praparaty2", "Form11")},
      {"editor-Form12-Koloidni", openedBy("Koloidni", "Form12")},
      {"editor-Form13-QuantumMinerals", openedBy("QuantumMinerals", "Form13")},
      {"editor-Form14-Praparaty3", openedBy("Praparaty3", "Form14")},
      {"editor-Form15-FinClub", openedBy("FinClub", "Form15")},
      {"editor-Form16-LR", openedBy("LR", "Form16")},
      {"editor-Form19-BenedictusP", openedBy("BenedictusP", "Form19")},
      {"editor-Form20-Zelene", openedBy("Zelene", "Form20")},
      {"editor-Form22-Dedek", openedBy("Dedek", "Form22")},
      {"editor-Form24-HealthDetox", openedBy("HealthDetox", "Form24")},
      {"editor-Form25-own-preparations", openedBy("MePreparat", "Form25")},
      {"editor-Form27-colours", globalSettingsIn(tavi::editor::GlobalSettingsMode::Colour)},
      {"editor-Form27-groups", globalSettingsIn(tavi::editor::GlobalSettingsMode::GroupHiding)},
      {"editor-Form27-branding", globalSettingsIn(tavi::editor::GlobalSettingsMode::Branding)},
      {"editor-Form28-Mycomedika", openedBy("Mycomedika", "Form28")},
      {"editor-Form29-Harmonelo", openedBy("Harmonelo", "Form29")},
      {"editor-Form30-NuSkin", openedBy("NuSkin", "Form30")},
      {"editor-Form31-NastrZdr", openedBy("NastrZdr", "Form31")},
      {"editor-Form32-Starlife", openedBy("Starlife", "Form32")},
      {"editor-Form33-Zinzino", openedBy("Zinzino", "Form33")},
  };
  for (const auto& [name, open] : shots)
    shootEditor(drive, shooter, name, open);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tavi screenshots"));
  tavi::frontends::qt::prepareApplication(application);
  if (argc != 2) {
    std::cerr << "usage: tavi-screenshots FOLDER\n";
    return 2;
  }
  try {
    const fs::path folder = fs::absolute(argv[1]);
    fs::create_directories(folder);
    QTemporaryDir work;
    if (!work.isValid()) throw std::runtime_error("cannot create a temporary folder");
    Shooter shooter(folder);
    shootInstaller(work.path().toStdString(), shooter);
    shootEditor(fs::path(work.path().toStdString()), shooter);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavi-screenshots: " << error.what() << '\n';
    return 1;
  }
}
