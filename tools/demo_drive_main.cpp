// tavi-demo-drive FOLDER [LANGUAGE]: prepares a demo installation in FOLDER, so that the
// programs can be tried without the suite: a generated medium, installed by the installer.
// LANGUAGE is the suite's language index, 0 Czech (the default is 1, English).
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "tools/demo_drive.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: tavi-demo-drive FOLDER [LANGUAGE 0..4]\n";
    return 2;
  }
  const int language = argc == 3 ? std::atoi(argv[2]) : 1;
  try {
    const tavi::tools::DemoDrive drive{std::filesystem::absolute(argv[1])};
    const auto installation = tavi::tools::installDemoDrive(drive, language);
    for (const auto& message : installation.messages)
      std::cout << "setup: " << message << '\n';
    for (const auto& error : installation.errors)
      std::cerr << "setup error: " << error << '\n';
    if (!installation.errors.empty()) return 1;
    std::cout << "Demo drive C: " << drive.driveC().string() << '\n';
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavi-demo-drive: " << error.what() << '\n';
    return 1;
  }
}
