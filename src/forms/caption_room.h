#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/geometry.h"

namespace tavi::forms {

// The design size (96 dpi units) a control needs to show `text` whole with its own decoration
// (a check box's box, a button's margins, a field's margins): on one line, or for a label that
// wraps, wrapped at its width. The front ends measure it in the font they draw with.
struct TextSize {
  int width = 0;
  int height = 0;
};
using CaptionMeasure = std::function<TextSize(const Control& control, std::string_view text)>;

// Where a control goes and what its caption shows.
struct CaptionRoom {
  Rect rect;
  // The caption as it shows: whole, or its start followed by "…".
  std::string text;
  // False when the caption was shortened; the whole caption is then the control's tooltip.
  bool whole = true;
};

inline constexpr std::string_view kEllipsis = "…";

// Whether a control's caption is placed by the caption rule: labels, check boxes, buttons and
// fields drawn as captions. Every other control keeps its design rectangle and text.
bool hasFittedCaption(const Control& control);

// Makes room for every caption of the window that its design rectangle cannot hold, in the
// order a designer tries, so that no caption covers another control, reaches outside its
// window or panel, or is cut mid-letter:
//  1. it grows into free space away from the edge its text is aligned to (a label as its
//     alignment says, a check box or caption field to the right, downwards when it wraps);
//  2. failing that, the labels on its row that it would cover (the value beside "Limit:")
//     move along with it, where the whole row stays free and inside its parent;
//  3. failing that, a caption or caption field grows to the other side, into free space;
//  4. failing all, it keeps its design rectangle and is shortened with "…".
// Overlaps that the design itself has (indicators lying on a button) stay as designed. A
// label occupies only what its text covers. One room per control, in creation order.
std::vector<CaptionRoom> fitCaptions(const Form& form, const CaptionMeasure& measure);

// The longest start of `text` that, followed by "…", fits `width` as `fits` measures it;
// "…" alone when not even one character does.
std::string shortenedToFit(std::string_view text,
                           const std::function<bool(std::string_view)>& fits);

}  // namespace tavi::forms
