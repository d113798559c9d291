#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/color.h"
#include "forms/font.h"
#include "forms/geometry.h"

namespace tavi::forms {

class Application;
class Control;

// A window: title, client size, colour, font, visibility and its controls in creation order.
// Concrete windows (TForm8, ...) derive from it and hold their controls as named members.
class Form {
 public:
  Form(Application& app, std::string name, std::string caption, int clientWidth, int clientHeight);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  Application& app() const { return app_; }
  // The program-wide name of the single instance, "Form8" for TForm8.
  const std::string& name() const { return name_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  void setClientSize(int width, int height);
  const Color& color() const { return color_; }
  void setColor(const Color& color);
  const Font& font() const { return font_; }
  void setFont(const Font& font);
  // Windows path of the ".ico" file shown as the window's icon; empty for the default icon.
  const std::string& iconFile() const { return iconFile_; }
  void setIconFile(std::string path);

  bool visible() const { return visible_; }
  // Makes the window visible without blocking the others and brings it to the front.
  void show();
  void hide();
  // Asks the front end to centre the window on the desktop (counted, so every request is seen).
  void centre();
  std::uint64_t centreRequests() const { return centreRequests_; }
  std::uint64_t showRequests() const { return showRequests_; }

  // The pixel density the window is laid out for: 96 by design; a rescale to 85 shrinks the
  // window, its controls and fonts by 85/96 when drawn.
  int pixelsPerInch() const { return pixelsPerInch_; }
  void scaleTo(int pixelsPerInch);

  // The control that has the input focus; nullptr when none has.
  Control* focused() const { return focused_; }
  // Moves the focus from code, as SetFocus does; no exit handler runs.
  void setFocus(Control& control);
  // Counts every setFocus, so the application sees when a handler placed the focus itself.
  std::uint64_t focusRequests() const { return focusRequests_; }

  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(std::string_view name) const;

  std::uint64_t revision() const { return revision_; }

  // The window's creation handler; runs inside the application's error boundary.
  virtual void created() {}
  // The frame's close box. Secondary windows hide; the main window ends the program.
  virtual void closedByFrame();

 protected:
  void changed() { ++revision_; }

 private:
  friend class Control;
  friend class Application;
  void adopt(Control& control) { controls_.push_back(&control); }

  Application& app_;
  std::string name_;
  std::string caption_;
  int clientWidth_;
  int clientHeight_;
  Color color_ = Color::buttonFace();
  Font font_;
  std::string iconFile_;
  bool visible_ = false;
  std::uint64_t centreRequests_ = 0;
  std::uint64_t showRequests_ = 0;
  int pixelsPerInch_ = kDesignPixelsPerInch;
  Control* focused_ = nullptr;
  std::uint64_t focusRequests_ = 0;
  std::vector<Control*> controls_;
  std::uint64_t revision_ = 1;
};

}  // namespace tavi::forms
