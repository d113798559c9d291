#include "renderer_fixture.h"

#include "frontends/win32/control_tags.h"

namespace tavi::frontends::win32::testing {

RendererTest::RendererTest() : demo(app.create<DemoWindow>()) {
  desktop.attach(&renderer);
  demo.show();
  renderer.sync();
  HWND window = native(demo);
  if (window == nullptr) ADD_FAILURE() << "no window: is there a display?";
  SetForegroundWindow(window);
  pump();
}

RendererTest::~RendererTest() {
  desktop.attach(nullptr);
}

HWND RendererTest::native(const forms::Form& form) const {
  FormView* window = renderer.window(form);
  return window != nullptr ? window->hwnd() : nullptr;
}

HWND RendererTest::item(const forms::RadioGroup& group, int index) const {
  return findTagged(native(group), group.name(), index);
}

RECT RendererTest::placeOf(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

}  // namespace tavi::frontends::win32::testing
