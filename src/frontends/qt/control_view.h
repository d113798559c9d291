#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "forms/caption_room.h"
#include "forms/control.h"
#include "frontends/qt/input_sink.h"
#include "frontends/qt/view_style.h"

class QKeyEvent;

namespace tavi::frontends::qt {

// The native widget of one control. It shows the control's properties and hands the person's
// actions on it to the model; it decides nothing itself.
class ControlView : public QObject {
 public:
  ControlView(forms::Control& control, InputSink& input);
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  forms::Control& control() const { return control_; }
  virtual QWidget& widget() = 0;
  // The widget that holds the keyboard focus for the control.
  virtual QWidget& focusTarget() { return widget(); }

  // Brings the widget in line with the control when the control changed since the last sync;
  // `force` redraws it anyway (the window's scale or font changed, or the caption's room did).
  // `room`: where the model places the control and what its caption shows.
  void sync(const ViewStyle& style, const forms::CaptionRoom& room, bool force);
  // The size in pixels the widget needs to show `text` whole in `font`: on one line, or for a
  // label that wraps, wrapped at `width`. What the model makes room with.
  virtual QSize captionSize(const QFont& font, const QString& text, int width) const;
  // The next sync rewrites the widget: a person changed it natively.
  void invalidate() { syncedRevision_.reset(); }
  // Gives the widget the model's accessible name, which a label elsewhere in the window may
  // have changed.
  void syncAccessibleName();

 protected:
  // Captions, values and items; called before the geometry is placed.
  virtual void syncContent(const ViewStyle& style) = 0;
  // Whether the widget paints its background with an Inherit colour too (the parent's, or the
  // native default of edit fields), hiding what lies beneath, as windowed controls do. Labels
  // and pictures are painted on their parent and let it show through.
  virtual bool fillsOwnBackground() const { return true; }
  // Keys the widget handles for the control beyond the model's key event (radio arrows).
  virtual bool keyPressed(QKeyEvent& /*event*/) { return false; }

  // Sends the native widget's input through this view: presses, Tab focus and keys.
  void watch(QWidget& native);
  InputSink& input() { return input_; }
  // The caption as the model lets it show: whole, or shortened with "…".
  QString shownCaption() const { return QString::fromStdString(room_.text); }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void applyColors(QWidget& native);

  forms::Control& control_;
  InputSink& input_;
  std::optional<std::uint64_t> syncedRevision_;
  forms::CaptionRoom room_;
  QColor background_;
  QColor text_;
};

}  // namespace tavi::frontends::qt
