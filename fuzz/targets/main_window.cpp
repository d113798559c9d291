// The main window's settings files, whatever they hold: the window's load reads them, its save
// writes them back, and a second load and save of what the first save wrote leave exactly the
// same files. GlobalSetPrep.dll, which the load reads to hide product groups, is among them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "forms/scripted_desktop.h"
#include "platform/io_error.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

namespace {

using tavi::fuzzing::FuzzDrive;

constexpr std::string_view kSettingsFolder = R"(C:\KivTanOr5)";
constexpr std::string_view kFlagFolder = R"(C:\KivTanOr5\PrepSwich)";
constexpr std::string_view kGroupHiding = R"(C:\KivTanOr5\GlobalSetPrep.dll)";

// The files an input may lay out, by the number that the input gives them.
constexpr std::array<std::string_view, 20> kFiles = {
    "datFontScale.dat", "datZoomWin.dat",  "datLimit.dat",     "datDavkaSum.dat",
    "datPricisC.dat",   "datPlusRife.dat", "COM_Nr.dat",       "datC.dat",
    "0cestaEx.txt",     "0cestaDBZ.txt",   "dLangv.dat",       "GlobalSetPrep.dll",
    "RozsSWE.dat",      "datAnimal.dat",   "datE.dat",         "datMtdVsbl.dat",
    "ScaleWindows.dat", "datvegeTXT.dat",  "datNewVesion.dat", "datBezDiakrit2.dat"};

// One editor for the run; before every load its window gets back what its design gave it,
// since the load only ever hides controls and widens ranges.
struct Session {
  Session() {
    for (const tavi::forms::Control* control : editor.Form8.controls())
      designVisible.push_back(control->visible());
  }
  void restoreDesign() {
    const auto& controls = editor.Form8.controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
      controls[i]->setVisible(designVisible[i]);
    editor.Form8.scaleTo(96);
    editor.Form8.nastav_citlivost.setMax(sensitivityMax);
    editor.Form8.pricist.setMax(plusMax);
  }

  tavi::forms::ScriptedDesktop desktop;
  tavi::editor::Editor editor{FuzzDrive::instance().platform(), desktop};
  std::vector<bool> designVisible;
  int sensitivityMax = editor.Form8.nastav_citlivost.max();
  int plusMax = editor.Form8.pricist.max();
};

std::map<std::string, std::string> settingsFiles(const FuzzDrive& drive) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(drive.native(kSettingsFolder))) {
    if (entry.is_regular_file()) {
      files[entry.path().filename().string()] =
          drive.read(std::string(kSettingsFolder) + "\\" + entry.path().filename().string());
    }
  }
  return files;
}

// Runs a handler as a dispatch would, telling whether it ended on a file error.
template <class Handler>
bool runs(Handler handler) {
  try {
    handler();
    return true;
  } catch (const tavi::platform::IoError&) {
    return false;
  }
}

// A value file that held exactly what its control shows goes back byte for byte.
void checkUnchanged(const std::map<std::string, std::string>& before,
                    const std::map<std::string, std::string>& after, tavi::editor::TForm8& window) {
  const auto kept = [&](const std::string& name) {
    const auto was = before.find(name);
    const auto is = after.find(name);
    return is != after.end() && is->second == was->second;
  };
  const std::pair<const char*, const tavi::forms::ScrollBar*> bars[] = {
      {"datFontScale.dat", &window.VelPism},
      {"datLimit.dat", &window.nastav_limit},
      {"datC.dat", &window.nastav_citlivost},
      {"datPricisC.dat", &window.pricist},
      {"datPlusRife.dat", &window.PlusRife}};
  for (const auto& [name, bar] : bars) {
    const auto was = before.find(name);
    if (was == before.end() || was->second.size() != 1) continue;
    const int value = static_cast<unsigned char>(was->second[0]);
    if (value >= bar->min() && value <= bar->max() && value > 0) FUZZ_CHECK(kept(name));
  }
  for (const char* name : {"datZoomWin.dat", "datDavkaSum.dat"}) {
    const auto was = before.find(name);
    if (was == before.end() || was->second.size() != 1) continue;
    const auto value = static_cast<unsigned char>(was->second[0]);
    if (std::string_view(name) == "datZoomWin.dat" ? value > 0 : value < 3) FUZZ_CHECK(kept(name));
  }
  // A port of one or two characters, stored as the program stores it.
  const auto port = before.find("COM_Nr.dat");
  if (port != before.end() && (port->second.size() == 3 || port->second.size() == 4) &&
      port->second.ends_with("\r\n") &&
      port->second.find_first_of("\r\n\x1a") == port->second.size() - 2) {
    FUZZ_CHECK(kept("COM_Nr.dat"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session session;
  FuzzDrive& drive = FuzzDrive::instance();
  tavi::editor::TForm8& window = session.editor.Form8;

  drive.clearFolder(kSettingsFolder);
  std::filesystem::create_directory(drive.native(kFlagFolder));
  // Records: a file number, a length, that many bytes.
  for (std::size_t i = 0; i + 1 < size;) {
    const std::string_view name = kFiles[data[i] % kFiles.size()];
    const std::size_t length = std::min<std::size_t>(data[i + 1], size - i - 2);
    drive.write(std::string(kSettingsFolder) + "\\" + std::string(name),
                std::string_view(reinterpret_cast<const char*>(data + i + 2), length));
    i += 2 + length;
  }

  const auto laidOut = settingsFiles(drive);
  session.restoreDesign();
  session.desktop.clear();
  if (!runs([&] { window.vyplnsetClick(); })) return 0;

  // Rows that the global settings switch off are hidden; the load never hides others.
  if (drive.isFile(kGroupHiding)) {
    const auto lines = session.editor.windows.files.ReadListFile(kGroupHiding);
    const std::array<std::string_view, 12> boxes = {
        "Velmira", "Joalis",  "Energy",     "Diochi",         "doTERRA",    "Nadeje",
        "Bioligo", "BachBox", "Australske", "HerbalExtracts", "Schlussler", "QuantumMinerals"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const bool hide = i < lines.size() && lines[i] == "1";
      FUZZ_CHECK(window.findControl(boxes[i])->visible() == !hide);
    }
  }
  for (const tavi::forms::ScrollBar* bar : {&window.nastav_citlivost, &window.nastav_limit,
                                            &window.VelPism, &window.pricist, &window.PlusRife}) {
    FUZZ_CHECK(bar->position() >= bar->min() && bar->position() <= bar->max());
  }

  const bool saved = runs([&] { window.UlozClick(); });
  for (const std::string& error : session.desktop.errors())
    FUZZ_CHECK(error.rfind("Unexpected", 0) != 0);
  if (!saved || !session.editor.app.terminated()) return 0;
  const auto first = settingsFiles(drive);
  checkUnchanged(laidOut, first, window);

  // What the save wrote reads again as the same settings.
  session.restoreDesign();
  FUZZ_CHECK(runs([&] { window.vyplnsetClick(); }));
  FUZZ_CHECK(runs([&] { window.UlozClick(); }));
  FUZZ_CHECK(settingsFiles(drive) == first);
  return 0;
}
