#include "test_medium.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <system_error>

#include "platform/utf8_path.h"

namespace tavi::installer::testing {
namespace {

void add(std::vector<std::string>& files, std::string_view folder,
         std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    std::string path(folder);
    if (!path.empty()) path += '\\';
    path += name;
    files.push_back(std::move(path));
  }
}

// prefix + every number of first..last, padded to `digits`, + suffix.
void addNumbered(std::vector<std::string>& files, std::string_view folder, std::string_view prefix,
                 int first, int last, int digits, std::string_view suffix) {
  for (int number = first; number <= last; ++number) {
    const std::string digitsText = std::to_string(number);
    const std::size_t padding =
        std::max<std::size_t>(static_cast<std::size_t>(digits), digitsText.size()) -
        digitsText.size();
    files.push_back(std::string(folder) + "\\" + std::string(prefix) + std::string(padding, '0') +
                    digitsText + std::string(suffix));
  }
}

std::vector<std::string> buildCompleteMedium() {
  std::vector<std::string> files;
  add(files, "", {"VVlud.DLL", "GlobalSetPrep.dll"});
  add(files, "",
      {"Tavi Sorbel.ico", "Tavi Therapy.ico", "Tavi Setting.ico", "Tavi Timing.ico",
       "Tavi Scan.ico", "NevT Gener.ico", "Tavi TherapyVV.ico", "Tavi Universe.ico"});
  // One file answers both "NevT Gener.lnk" and "NevT GENER.lnk": names ignore case.
  add(files, "",
      {"Tavi Therapy.lnk", "Tavi Setting.lnk", "Tavi Timing.lnk", "Tavi Sorbel.lnk",
       "Tavi Sorbel DATA.lnk", "NevT Gener.lnk", "Tavi Therapy DATA.lnk", "Tavi Scan.lnk",
       "Timing LUD.lnk", "Tavi Universe.lnk"});
  add(files, "",
      {"Tavi Therapy.pdf", "Tavi Therapy DE.pdf", "Tavi Therapy EN.pdf", "Tavi Scan.pdf",
       "Tavi Scan DE.pdf", "Tavi Scan EN.pdf", "Tavi Universe.pdf", "Tavi Universe DE.pdf",
       "Tavi Universe EN.pdf", "Tavi Sorbel.pdf", "Tavi Sorbel DE.pdf", "Tavi Sorbel EN.pdf",
       "NevT Gener.pdf", "NevT Gener EN.pdf"});
  add(files, "DWin",
      {"Tavi Therapy.exe", "Tavi Setting.exe", "NevT GENER.exe", "Tavi Timing.exe",
       "Tavi Email.exe", "Kestmail.exe", "Prekladdat.exe", "Tavi Scan.exe", "Tavi Universe.exe",
       "DBZ_Ptg.txt"});
  add(files, R"(DWin\MultiG)",
      {"NevT GENER2.lnk", "NevT GENER3.lnk", "NevT GENER4.lnk", "NevT GENER5.lnk"});
  add(files, "Data",
      {"0cestaEx.txt", "datA.dat", "datC.dat", "datD.dat", "datFED.dat", "datG.dat",
       "DatKlCest.txt", "datP.dat", "datPO.dat", "datPR.dat", "datVelB.dat"});
  add(files, "Data",
      {"Australske.txt", "Bachovy.txt", "Benedictus.txt", "Bioligo.txt", "Diochi.txt",
       "DoTerra.txt", "Energy.txt", "Joalis.txt", "Nadeje.txt", "Schussler.txt", "Pellin.jpg",
       "PellinEN.jpg", "PellinSE.jpg", "PreparatP.pdf", "HebalExtracts.pdf", "ZatezP.pdf",
       "ZatezPEN.pdf", "ZatezPSE.pdf"});
  addNumbered(files, "Data", "SettingInf", 0, 5, 1, ".pdf");
  addNumbered(files, "Data", "SettingInfSc", 0, 5, 1, ".pdf");
  add(files, "Data", {"0uNULA.jpg",  "1LRED.jpg",    "1RED.jpg",     "1uRED.jpg",    "2LORANGE.jpg",
                      "2ORANGE.jpg", "2uORANGE.jpg", "3LYELLOW.jpg", "3uYELLOW.jpg", "3YELLOW.jpg",
                      "4GREEN.jpg",  "4LGREEN.jpg",  "4uGREEN.jpg",  "5BLUE.jpg",    "5LBLUE.jpg",
                      "5uBLUE.jpg",  "6LVIOLET.jpg", "6uVIOLET.jpg", "6VIOLET.jpg",  "7LPURPLE.jpg",
                      "7PURPLE.jpg", "7uPURPLE.jpg"});
  addNumbered(files, "Data", "barvyp", 0, 9, 2, ".png");
  addNumbered(files, "Data", "FreqPic", 0, 6, 1, ".jpg");
  addNumbered(files, "Data", "FrFscan", 0, 10, 2, ".jpg");
  addNumbered(files, "Data", "pict", 0, 7, 2, ".jpg");
  addNumbered(files, "Data", "PocetAAA", 0, 6, 1, ".jpg");
  addNumbered(files, "Data", "TherapyL", 0, 28, 1, ".png");
  add(files, "Data", {"TherapyLA.png", "zakl.jpg"});
  addNumbered(files, "Data", "Prefrence", 0, 35, 1, ".jpg");
  add(files, "Data",
      {"rlTool.pdf", "rlToolE.pdf", "rlToolD.pdf", "rlToolS.pdf", "r2Tool.pdf", "r2ToolE.pdf",
       "r2ToolD.pdf", "r2ToolS.pdf", "r3Tool.pdf", "r3ToolE.pdf", "r3ToolD.pdf", "r3ToolS.pdf"});
  add(files, "DataFr",
      {"Beck.txt",       "Bolest.txt",      "Detox.txt",      "DNA_oprava.txt", "DrClark.txt",
       "Endokrin.txt",   "Harmoniz.txt",    "HarmonizPW.txt", "Imunita.txt",    "Infekce.txt",
       "Jatra.txt",      "Krev_obeh.txt",   "Ledviny.txt",    "LowQ.txt",       "Lymfy.txt",
       "MetaterapQ.txt", "Nadledvinky.txt", "Nalada.txt",     "Pentagram.txt",  "Psychosomat.txt",
       "QDetox.txt",     "Ludrin.txt",      "ludrinPW.txt",   "Radost.txt",     "Reconect.txt",
       "Regenerace.txt", "Relaxace.txt",    "SolfeggQ.txt",   "Spectrum.txt",   "Vitalita.txt",
       "Young.txt"});
  add(files, "DataFr", {"Adrenal_Glands.txt", "Blood_circ.txt",   "DetoxE.txt",    "DNA_repair.txt",
                        "EndokrinE.txt",      "HarmonizE.txt",    "Imunity.txt",   "Infektion.txt",
                        "JoyE.txt",           "Kidney.txt",       "Liver.txt",     "LowQE.txt",
                        "Lymph_system.txt",   "MetaterapQE.txt",  "MoodE.txt",     "Pain.txt",
                        "PentagramE.txt",     "PsychosomatE.txt", "LudrinE.txt",   "ReconectE.txt",
                        "RegeneraceE.txt",    "RelaxaceE.txt",    "SolfeggQE.txt", "SpectrumE.txt",
                        "VitalitaE.txt",      "YoungE.txt"});
  add(files, "DataFr",
      {"RosaNoise.txt",    "RosaNoiseE.txt",    "QQDetox.txt",        "QQDetoxE.txt",
       "QQEndokrin.txt",   "QQEndokrinE.txt",   "QQHarmoniz.txt",     "QQHarmonizE.txt",
       "QQJoyE.txt",       "QQLowQ.txt",        "QQLowQE.txt",        "QQMetaterapQE.txt",
       "QQMetaterapQ.txt", "QQMoodE.txt",       "QQNalada.txt",       "QQPentagram.txt",
       "QQPentagramE.txt", "QQPsychosomat.txt", "QQPsychosomatE.txt", "QQLudrin.txt",
       "QQLudrinE.txt",    "QQRadost.txt",      "QQReconect.txt",     "QQReconectE.txt",
       "QQRegenerace.txt", "QQRegeneraceE.txt", "QQRelaxace.txt",     "QQRelaxaceE.txt",
       "QQRosaNoise.txt",  "QQRosaNoiseE.txt",  "QQSolfeggQ.txt",     "QQSolfeggQE.txt",
       "QQSpectrum.txt",   "QQSpectrumE.txt",   "QQVitalita.txt",     "QQVitalitaE.txt",
       "QQYoung.txt",      "QQYoungE.txt",      "LudrinNevT.txt"});
  add(files, "DataFr",
      {"LudrinNevTen.txt", "HealthDetox1.pdf", "HealthDetox2.pdf", "Patgn0.pdf", "Patgn0.txt"});
  add(files, "CH341SER",
      {"CH341PT.DLL", "CH341S64.SYS", "CH341S98.SYS", "ch341SER.CAT", "CH341SER.INF",
       "CH341SER.SYS", "CH341SER.VXD", "SETUP.EXE", "SETUP_Driver.lnk"});
  add(files, R"(CH341SER\DRVSETUP64)", {"DRVSETUP64.exe"});
  return files;
}

}  // namespace

const std::vector<std::string>& completeMedium() {
  static const std::vector<std::string> files = buildCompleteMedium();
  return files;
}

std::string mediumContent(std::string_view mediumPath) {
  std::string content = "medium ";
  content += mediumPath;
  content += std::string_view("\r\n\0\x1A\xFF", 5);
  return content;
}

namespace {

namespace fs = std::filesystem;

fs::path nativeIn(const fs::path& folder, std::string_view mediumPath) {
  fs::path path = folder;
  std::size_t start = 0;
  while (start <= mediumPath.size()) {
    const std::size_t end = std::min(mediumPath.find('\\', start), mediumPath.size());
    path /= platform::pathFromUtf8(mediumPath.substr(start, end - start));
    start = end + 1;
  }
  return path;
}

fs::path setAside(const fs::path& file) {
  fs::path aside = file;
  aside += ".aside";
  return aside;
}

void writeFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) ADD_FAILURE() << "cannot write " << path;
}

// The complete medium of this test program.
class CompleteMediumFolder {
 public:
  CompleteMediumFolder() {
    std::random_device random;
    folder_ = fs::temp_directory_path() /
              ("tavi-medium-" + std::to_string(random()) + "-" + std::to_string(random()));
    fs::create_directories(folder_);
    for (const std::string& path : completeMedium()) {
      writeFile(nativeIn(folder_, path), mediumContent(path));
    }
  }
  ~CompleteMediumFolder() {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  CompleteMediumFolder(const CompleteMediumFolder&) = delete;
  CompleteMediumFolder& operator=(const CompleteMediumFolder&) = delete;

  const fs::path& path() const { return folder_; }

 private:
  fs::path folder_;
};

const fs::path& completeMediumFolder() {
  static const CompleteMediumFolder folder;
  return folder.path();
}

}  // namespace

TestMedium::TestMedium(std::set<std::string> missing, std::string languageFile)
    : missing_(std::move(missing)), withLanguageFile_(!languageFile.empty()) {
  for (const std::string& path : missing_) {
    const fs::path file = nativeIn(folder(), path);
    std::error_code error;
    fs::rename(file, setAside(file), error);
    if (error) ADD_FAILURE() << "cannot set " << path << " aside: " << error.message();
  }
  if (withLanguageFile_) writeFile(nativeIn(folder(), "dLangv.dat"), languageFile);
}

TestMedium::~TestMedium() {
  std::error_code error;
  for (const std::string& path : missing_) {
    const fs::path file = nativeIn(folder(), path);
    fs::rename(setAside(file), file, error);
  }
  if (withLanguageFile_) fs::remove(nativeIn(folder(), "dLangv.dat"), error);
}

const fs::path& TestMedium::folder() const {
  return completeMediumFolder();
}

}  // namespace tavi::installer::testing
