#include "texts/installer_table.h"

namespace tavi::texts {
namespace {

// Blanks inside the texts are part of them: the runs before "2)" set the two screen settings
// apart. 433 is kept with the others although the installer never shows it.
// clang-format off
constexpr TextRow kRows[] = {
    {kInstallationCompleted,
     {"Instalace dokončena", "Instaltion completed.", "Installation ist fertig.",
      "Installation är klar.", "Установка завершено."}},
    {kUpgradeCompleted,
     {"Upgrade dokončeno.", "Upgrade ready.", "Upgrade ist fertig.", "Uppgradera är klar.",
      "Обновление завершено."}},
    {kInstallComPort,
     {"Je nutno naistalovat COM Port. Zkontrolujte: C:\\KivTanOr5\\CH341SER\\SETUP.EXE",
      "You need to install the Port. Check: C:\\KivTanOr5\\CH341SER\\SETUP.EXE",
      "Sie müssen den Port installieren. Überprüfen Sie: C:\\KivTanOr5\\CH341SER\\SETUP.EXE",
      "Det är nödvändigt att installera en COM-port. Kontrollera: C:\\KivTanOr5\\CH341SER\\SETUP.EXE",
      "Необходимо установить COM-порт. Проверьте: C:\\KivTanOr5\\CH341SER\\SETUP.EXE"}},
    {kScreenSettings,
     {"PC musí být správně nastaven: 1)Nastaveni/usnadnění přístupu/obrazovka/ měřítko a rozložení=100%   2)Nastaveni/usnadnění přístupu/obrazovka/ rozlišení cca 1600x900",
      "PC must be set correctly: 1)Setting/accessibility/screen/scale and layout = 100%     2)Setting / accessibility / screen / resolution approx. 1600x900",
      "PC muss korrekt eingestellt sein: 1) Einstellung / Barrierefreiheit / Bildschirm / Maßstab und Layout = 100%       2) Einstellung / Barrierefreiheit / Bildschirm / Auflösung ca. 1600x900",
      "PC måste vara korrekt inställd: 1) Inställning / tillgänglighet / skärm / skala och layout = 100%      2) Inställning / tillgänglighet / skärm / upplösning ca 1600x900",
      "ПК должен быть правильно настроен: 1) Настройка / Доступность / Экран / Масштаб и Макет = 100%     2) Настройка / Доступность / Экран / Разрешение около 1600x900"}},
};
// clang-format on

}  // namespace

TextTable installerTextTable() {
  return TextTable(kRows);
}

}  // namespace tavi::texts
