#include "installer/installer.h"

namespace tavi::installer {

Installer::Installer(platform::Platform& platform, forms::DesktopServices& desktop)
    : app(desktop), platform_(platform) {}

TForm1& Installer::start() {
  if (Form1 == nullptr) Form1 = &app.create<TForm1>(platform_);
  return *Form1;
}

TForm1& Installer::startUnattended(const Unattended& run) {
  if (Form1 == nullptr) Form1 = &app.create<TForm1>(platform_, run);
  return *Form1;
}

}  // namespace tavi::installer
