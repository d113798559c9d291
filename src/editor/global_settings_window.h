#pragma once

#include <string>

#include "editor/editor_window.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "texts/text_table.h"

namespace tavi::editor {

// What the global settings window is opened for; each mode saves its own file.
enum class GlobalSettingsMode {
  GroupHiding,  // product lines and groups hidden suite-wide: store::kGroupHidingFile
  Branding,     // window texts, logo and colours: one file of this window's own
  Colour,       // the colours only, into the same file with its texts empty
};

// Settings for every program of the suite rather than one user's work. Saving or restoring the
// defaults ends the editor: the suite, this editor included, reads them at its next start.
class TForm27 : public EditorWindow {
 public:
  TForm27(forms::Application& app, WindowSet& windows);

  // Shows the window (where it stands if already shown), arranges it for the mode and runs the
  // preparation step.
  void open(GlobalSettingsMode mode);
  // True while the group check boxes are shown; the save and the default follow it.
  bool groupHidingMode() const { return PSettingpreparat.visible(); }

  void StartClick();
  void UlozClick();
  void VychoziNastavClick();
  void KonecClick();
  // The frame's close box does what Konec does.
  void closedByFrame() override { KonecClick(); }

  forms::Label NameWindowL;
  forms::Edit NameWindow;
  forms::Label NadpisWindowL;
  forms::Edit NadpisWindow;
  forms::Label AdrLogoL;
  forms::Edit AdrLogo;
  forms::Label WindowsColorL;
  forms::RadioGroup WindowsColor;
  forms::Panel Panel1;
  forms::Picture Image1;
  forms::Label FrekvencyColorL;
  forms::RadioGroup FrekvencyColor1;
  forms::RadioGroup FrekvencyColor2;
  forms::Panel Panel2;
  forms::Picture Image2;
  forms::Label TlacitkaColorL;
  forms::RadioGroup TlacitkaColor;

  // Covers everything above the buttons in group-hiding mode. Checked means hidden.
  forms::Panel PSettingpreparat;
  forms::Edit PVisble;
  forms::CheckBox Velmira;
  forms::CheckBox Joalis;
  forms::CheckBox Energy;
  forms::CheckBox Diochi;
  forms::CheckBox doTERRA;
  forms::CheckBox Nadeje;
  forms::CheckBox Bioligo;
  forms::CheckBox BachBox;
  forms::CheckBox Australske;
  forms::CheckBox HerbalExtracts;
  forms::CheckBox Schlussler;
  forms::CheckBox MePreparat;
  forms::CheckBox QuantumMinerals;
  forms::CheckBox Praparaty;
  forms::CheckBox Praparaty2;
  forms::CheckBox Praparaty3;
  forms::CheckBox FinClub;
  forms::CheckBox LR;
  forms::CheckBox Koloidni;
  forms::CheckBox Zelene;
  forms::CheckBox HealthDetox;
  forms::CheckBox BenedictusP;
  forms::CheckBox Dedek;
  forms::CheckBox Mycomedika;
  forms::CheckBox Harmonelo;
  forms::CheckBox NuSkin;
  forms::CheckBox Starlife;
  forms::CheckBox NastrZdr;
  forms::CheckBox Zinzino;

  forms::Button Uloz;
  forms::Button VychoziNastav;
  forms::Button Konec;
  forms::Button Start;

 private:
};

}  // namespace tavi::editor
