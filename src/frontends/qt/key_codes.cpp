#include "frontends/qt/key_codes.h"

#include <QKeyEvent>

namespace tavi::frontends::qt {

namespace {

forms::Key vk(int code) {
  return static_cast<forms::Key>(code);
}

}  // namespace

std::optional<forms::Key> virtualKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk(key);  // 'A'..'Z' as on Windows
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    // The number pad has codes of its own.
    return vk(event.modifiers() & Qt::KeypadModifier ? 0x60 + (key - Qt::Key_0) : key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk(0x70 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace:
      return vk(0x08);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return forms::Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return forms::Key::Enter;
    case Qt::Key_Escape:
      return forms::Key::Escape;
    case Qt::Key_Space:
      return vk(0x20);
    case Qt::Key_PageUp:
      return vk(0x21);
    case Qt::Key_PageDown:
      return vk(0x22);
    case Qt::Key_End:
      return vk(0x23);
    case Qt::Key_Home:
      return vk(0x24);
    case Qt::Key_Left:
      return vk(0x25);
    case Qt::Key_Up:
      return vk(0x26);
    case Qt::Key_Right:
      return vk(0x27);
    case Qt::Key_Down:
      return vk(0x28);
    case Qt::Key_Insert:
      return vk(0x2D);
    case Qt::Key_Delete:
      return forms::Key::Delete;
    case Qt::Key_Shift:
      return vk(0x10);
    case Qt::Key_Control:
      return vk(0x11);
    case Qt::Key_Alt:
      return vk(0x12);
    default:
      return std::nullopt;
  }
}

}  // namespace tavi::frontends::qt
