#include "frontends/qt/font_resolver.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "platform/platform.h"

namespace tavi::frontends::qt {

namespace {

constexpr std::string_view kDesignFamily = "Tahoma";

// Sans-serif families whose widths come closest to Tahoma's, best first.
const std::array kStandIns = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};

bool installed(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Loads the font files of a family from the first folder that has them; true when loaded.
bool loadFrom(const std::vector<std::filesystem::path>& folders,
              std::initializer_list<const char*> files) {
  for (const auto& folder : folders) {
    bool loaded = false;
    for (const char* name : files) {
      std::error_code error;
      const auto path = folder / name;
      if (!std::filesystem::is_regular_file(path, error)) continue;
      loaded |= QFontDatabase::addApplicationFont(QString::fromStdString(path.native())) >= 0;
    }
    if (loaded) return true;
  }
  return false;
}

QString tahoma(const platform::Platform& platform) {
  const QString family = QString::fromUtf8(kDesignFamily.data(), kDesignFamily.size());
  if (installed(family)) return family;
  // The fonts of the Wine prefix that runs the suite, then those of Wine itself (fonts-wine).
  const std::vector<std::filesystem::path> folders = {
      platform.nativePath(R"(C:\windows\Fonts)"), "/usr/share/wine/fonts", "/usr/lib/wine/fonts",
      "/opt/wine-stable/share/wine/fonts"};
  if (loadFrom(folders, {"tahoma.ttf", "tahomabd.ttf"}) && installed(family)) return family;
  for (const QString& standIn : kStandIns) {
    if (installed(standIn)) return standIn;
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

FontResolver::FontResolver(const platform::Platform& platform) {
  families_.emplace(std::string(kDesignFamily), tahoma(platform));
}

QString FontResolver::family(const std::string& designFamily) const {
  if (const auto found = families_.find(designFamily); found != families_.end()) {
    return found->second;
  }
  const QString requested = QString::fromStdString(designFamily);
  return installed(requested) ? requested : families_.find(kDesignFamily)->second;
}

QFont FontResolver::font(const forms::Font& font, const Scale& scale) const {
  QFont result(family(font.name));
  // Points at 96 dpi, rounded to whole pixels as the design system does (8 pt is 11 pixels).
  const int designPixels =
      static_cast<int>(std::lround(font.pointSize * forms::kDesignPixelsPerInch / 72.0));
  result.setPixelSize(std::max(1, scale.px(designPixels)));
  result.setBold(font.bold);
  result.setStyleHint(QFont::SansSerif);
  return result;
}

}  // namespace tavi::frontends::qt
