#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/product_groups.h"
#include "catalogue/product_index.h"
#include "editor/editor_window.h"
#include "editor/fill_state.h"
#include "editor/product_window_design.h"
#include "editor/product_window_layout.h"
#include "editor/window_set.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "texts/text_table.h"

namespace tavi::editor {

// A selection window: one box per product of its group, ticked while the product's flag file
// exists. All 17 windows are this class; each instance keeps the name of its design
// ("Form<number>"). The main window opens one with show() followed by NastavClick().
class TProductWindow : public EditorWindow {
 private:
  // Declared first: the controls below are placed from it.
  ProductWindowDesign design_;
  const catalogue::ProductGroup& group_;
  ProductWindowLayout layout_;
  std::vector<std::unique_ptr<forms::CheckBox>> boxes_;  // in the order of the layout
  FillState filled_;

 public:
  TProductWindow(forms::Application& app, WindowSet& windows, const ProductWindowDesign& design);

  const ProductWindowDesign& design() const { return design_; }
  const catalogue::ProductGroup& group() const { return group_; }
  // The box of one of the group's products ("DopButt57", "CheckBox211"); throws
  // std::invalid_argument for a product of another group.
  forms::CheckBox& product(catalogue::ProductIndex index) const;
  // The product boxes from the top of the first column to the bottom of the last.
  const std::vector<std::unique_ptr<forms::CheckBox>>& productBoxes() const { return boxes_; }

  // Fill: colour, language, texts and ticks from the settings folder.
  void NastavClick();
  // Gives every product box the state of CheckVSE, then saves.
  void VseClick();
  // Writes the group's flag files, refreshes the main window's indicators and hides.
  void UlozClick();
  void KonecClick();
  // The frame's close box does what Konec does.
  void closedByFrame() override { KonecClick(); }
  void Info1Click();
  void Info2Click();

  forms::CheckBox CheckVSE;
  forms::Button Vse;
  forms::Button Uloz;
  forms::Button Konec;
  forms::Button Nastav;
  // Only the Health Detox window has them.
  std::optional<forms::Button> Info1;
  std::optional<forms::Button> Info2;

 private:
  void fill();
};

}  // namespace tavi::editor
