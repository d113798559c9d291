// tavi-screenshots FOLDER: draws every window of both programs on a demo installation with the
// Qt front end and writes each as a PNG file into FOLDER.
#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "forms/form.h"
#include "frontends/qt/event_loop.h"
#include "frontends/qt/renderer.h"
#include "tools/screenshot_front_end.h"

namespace {

namespace fs = std::filesystem;

class QtDrawnApplication final : public tavi::tools::DrawnApplication {
 public:
  QtDrawnApplication(tavi::forms::Application& app, const tavi::platform::Platform& platform)
      : renderer_(app, platform) {}

  void processMessages() override {
    renderer_.sync();
    QApplication::processEvents();
  }

  fs::path capture(const tavi::forms::Form& form, const fs::path& file) override {
    const fs::path png = fs::path(file).replace_extension(".png");
    QWidget* window = renderer_.window(form);
    if (window == nullptr || !window->grab().save(QString::fromStdString(png.string()))) {
      throw std::runtime_error("cannot capture " + form.name() + " into " + png.string());
    }
    return png;
  }

 private:
  tavi::frontends::qt::Renderer renderer_;
};

class QtFrontEnd final : public tavi::tools::ScreenshotFrontEnd {
 public:
  std::unique_ptr<tavi::tools::DrawnApplication> draw(
      tavi::forms::Application& app, const tavi::platform::Platform& platform) override {
    return std::make_unique<QtDrawnApplication>(app, platform);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavi screenshots"));
  tavi::frontends::qt::prepareApplication(application);
  if (argc != 2) {
    std::cerr << "usage: tavi-screenshots FOLDER\n";
    return 2;
  }
  try {
    QTemporaryDir work;
    if (!work.isValid()) throw std::runtime_error("cannot create a temporary folder");
    QtFrontEnd frontEnd;
    tavi::tools::takeScreenshots(frontEnd, fs::absolute(argv[1]), work.path().toStdString());
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavi-screenshots: " << error.what() << '\n';
    return 1;
  }
}
