#include "forms/caption_room.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/label_fit.h"

namespace tavi::forms {

namespace {

// How near a label on the row may come to the caption that pushes it, at the least.
constexpr int kRowGap = 2;
// A label counts as on the caption's row when their tops differ by no more than this.
constexpr int kRowSlack = 3;

bool intersects(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

bool isLabel(const Control& control) {
  return control.kind() == ControlKind::Label;
}

// Which way a caption's text grows when it needs more room than its design gives it.
enum class Growth : std::uint8_t { Right, Left, Both, None };

Growth naturalGrowth(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Label:
      switch (static_cast<const Label&>(control).alignment()) {
        case Alignment::Left:
          return Growth::Right;
        case Alignment::Right:
          return Growth::Left;
        case Alignment::Center:
          return Growth::Both;
      }
      return Growth::None;
    case ControlKind::CheckBox:
    case ControlKind::Edit:
      return Growth::Right;
    default:
      return Growth::None;
  }
}

// The other side: captions and caption fields may give up their left edge, never a check box
// its box or a button its frame.
Growth otherGrowth(const Control& control) {
  switch (naturalGrowth(control)) {
    case Growth::Right:
      return control.kind() == ControlKind::CheckBox ? Growth::None : Growth::Left;
    case Growth::Left:
      return Growth::Right;
    default:
      return Growth::None;
  }
}

Rect grown(const Rect& rect, int width, Growth growth) {
  const int missing = width - rect.width;
  Rect placed = rect;
  placed.width = width;
  if (growth == Growth::Left) placed.left -= missing;
  if (growth == Growth::Both) placed.left -= missing / 2;
  return placed;
}

class CaptionLayout {
 public:
  CaptionLayout(const Form& form, const CaptionMeasure& measure)
      : form_(form), measure_(measure), controls_(form.controls()) {
    rooms_.reserve(controls_.size());
    needs_.reserve(controls_.size());
    for (const Control* control : controls_) {
      CaptionRoom room{control->rect(), shownCaption(*control), true};
      TextSize need{room.rect.width, room.rect.height};
      if (hasFittedCaption(*control) && !room.text.empty()) {
        need = measure_(*control, room.text);
        room.rect.height = std::max(room.rect.height, need.height);
      }
      rooms_.push_back(std::move(room));
      needs_.push_back(need);
    }
  }

  std::vector<CaptionRoom> fit() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const Control& control = *controls_[i];
      if (!hasFittedCaption(control) || rooms_[i].text.empty()) continue;
      if (needs_[i].width <= rooms_[i].rect.width) continue;
      if (isLabel(control) && static_cast<const Label&>(control).wordWrap()) continue;
      makeRoom(i);
    }
    return std::move(rooms_);
  }

 private:
  void makeRoom(std::size_t i) {
    const Rect design = rooms_[i].rect;
    const int width = needs_[i].width;
    if (const Growth growth = naturalGrowth(*controls_[i]); growth != Growth::None) {
      // A label grows as it always did, away from the edge its alignment holds.
      const Rect wider =
          isLabel(*controls_[i])
              ? fittedLabelRect(static_cast<const Label&>(*controls_[i]), width, needs_[i].height)
              : grown(design, width, growth);
      if (isFree(i, wider)) {
        rooms_[i].rect = wider;
        return;
      }
      if (growth == Growth::Right && pushRow(i, wider)) {
        rooms_[i].rect = wider;
        return;
      }
    }
    if (const Growth growth = otherGrowth(*controls_[i]); growth != Growth::None) {
      const Rect wider = grown(design, width, growth);
      if (isFree(i, wider)) {
        rooms_[i].rect = wider;
        return;
      }
    }
    shorten(i);
  }

  void shorten(std::size_t i) {
    const Control& control = *controls_[i];
    const int room = rooms_[i].rect.width;
    rooms_[i].text = shortenedToFit(rooms_[i].text, [&](std::string_view candidate) {
      return measure_(control, candidate).width <= room;
    });
    rooms_[i].whole = false;
    needs_[i] = measure_(control, rooms_[i].text);
  }

  // The labels on the caption's row that `wider` would cover move right, each keeping a small
  // gap to what lies before it, when the whole row then stays free.
  bool pushRow(std::size_t i, const Rect& wider) {
    std::vector<std::size_t> row;
    for (std::size_t j = 0; j < controls_.size(); ++j) {
      if (j == i || !isSibling(i, j) || !isLabel(*controls_[j])) continue;
      const Rect extent = occupied(j);
      if (extent.width <= 0 || std::abs(extent.top - rooms_[i].rect.top) > kRowSlack) continue;
      if (extent.left >= rooms_[i].rect.left) row.push_back(j);
    }
    std::sort(row.begin(), row.end(),
              [this](std::size_t a, std::size_t b) { return occupied(a).left < occupied(b).left; });
    std::vector<std::pair<std::size_t, Rect>> moves;
    int reached = wider.right();
    for (const std::size_t j : row) {
      const Rect extent = occupied(j);
      if (extent.left >= reached + kRowGap) break;
      Rect moved = rooms_[j].rect;
      moved.left += reached + kRowGap - extent.left;
      moves.emplace_back(j, moved);
      reached = occupiedAt(j, moved).right();
    }
    if (moves.empty()) return false;
    // With the row moved, nothing else may be in the way of the caption or of the row.
    const std::vector<CaptionRoom> before = rooms_;
    for (const auto& [index, rect] : moves)
      rooms_[index].rect = rect;
    rooms_[i].rect = wider;
    bool free = isFree(i, wider);
    for (const auto& [index, rect] : moves)
      free = free && isFree(index, occupied(index));
    if (!free) rooms_ = before;
    return free;
  }

  bool isSibling(std::size_t a, std::size_t b) const {
    return controls_[a]->parent() == controls_[b]->parent() && controls_[b]->showing();
  }

  // Inside its parent, and covering no control of its parent that its design rectangle did
  // not already cover.
  bool isFree(std::size_t i, const Rect& rect) const {
    if (!inside(rect, parentArea(*controls_[i]))) return false;
    const Rect design = occupiedAt(i, controls_[i]->rect());
    for (std::size_t j = 0; j < controls_.size(); ++j) {
      if (j == i || !isSibling(i, j)) continue;
      const Rect other = occupied(j);
      if (other.width <= 0 || other.height <= 0) continue;
      if (intersects(rect, other) && !intersects(design, occupiedAt(j, controls_[j]->rect())))
        return false;
    }
    return true;
  }

  Rect parentArea(const Control& control) const {
    if (const Panel* panel = control.parent())
      return {0, 0, panel->rect().width, panel->rect().height};
    return {0, 0, form_.clientWidth(), form_.clientHeight()};
  }

  Rect occupied(std::size_t j) const { return occupiedAt(j, rooms_[j].rect); }

  // A label covers only its text, aligned in its rectangle; every other control all of it.
  Rect occupiedAt(std::size_t j, const Rect& rect) const {
    const Control& control = *controls_[j];
    if (!isLabel(control)) return rect;
    if (rooms_[j].text.empty()) return {rect.left, rect.top, 0, 0};
    const auto& label = static_cast<const Label&>(control);
    const int width = std::min(needs_[j].width, rect.width);
    if (label.wordWrap())
      return {rect.left, rect.top, rect.width, std::min(needs_[j].height, rect.height)};
    switch (label.alignment()) {
      case Alignment::Left:
        return {rect.left, rect.top, width, rect.height};
      case Alignment::Right:
        return {rect.right() - width, rect.top, width, rect.height};
      case Alignment::Center:
        return {rect.left + (rect.width - width) / 2, rect.top, width, rect.height};
    }
    return rect;
  }

  const Form& form_;
  const CaptionMeasure& measure_;
  const std::vector<Control*>& controls_;
  std::vector<CaptionRoom> rooms_;
  std::vector<TextSize> needs_;
};

// Bytes that continue a UTF-8 sequence; a text is only ever cut before a character's first.
bool continues(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

bool hasFittedCaption(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::Button:
      return true;
    case ControlKind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      return edit.readOnly() && !edit.border();
    }
    default:
      return false;
  }
}

std::vector<CaptionRoom> fitCaptions(const Form& form, const CaptionMeasure& measure) {
  return CaptionLayout(form, measure).fit();
}

std::string shortenedToFit(std::string_view text,
                           const std::function<bool(std::string_view)>& fits) {
  std::vector<std::size_t> cuts;
  for (std::size_t at = 1; at < text.size(); ++at) {
    if (!continues(text[at])) cuts.push_back(at);
  }
  const auto candidate = [&](std::size_t cut) {
    std::string_view start = text.substr(0, cut);
    while (!start.empty() && start.back() == ' ')
      start.remove_suffix(1);
    return std::string(start) + std::string(kEllipsis);
  };
  // The longest start that fits: the widths grow with the start, so halve the range.
  std::size_t low = 0;
  std::size_t high = cuts.size();
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    if (fits(candidate(cuts[middle - 1]))) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low == 0 ? std::string(kEllipsis) : candidate(cuts[low - 1]);
}

}  // namespace tavi::forms
