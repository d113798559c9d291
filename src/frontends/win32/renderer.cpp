#include "frontends/win32/renderer.h"

#include <commctrl.h>

#include "frontends/win32/native_host.h"

namespace tavi::frontends::win32 {

Renderer::Renderer(forms::Application& app, const platform::Platform& platform)
    : app_(app), platform_(platform) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  registerWindowClasses();
}

Renderer::~Renderer() {
  // Destroying the windows moves the focus about; nothing of that is a person's action.
  const auto closing = gate_.syncing();
  // Secondary windows first: they belong to the main window.
  while (!windows_.empty())
    windows_.pop_back();
}

FormView* Renderer::window(const forms::Form& form) const {
  for (const auto& w : windows_) {
    if (w && &w->form() == &form) return w.get();
  }
  return nullptr;
}

HWND Renderer::nativeWindow(const forms::Control& control) const {
  FormView* w = window(control.form());
  ControlView* widget = w != nullptr ? w->widget(control) : nullptr;
  return widget != nullptr ? widget->hwnd() : nullptr;
}

void Renderer::sync() {
  syncWindows(false);
}

void Renderer::syncWindows(bool force) {
  const auto syncing = gate_.syncing();
  const auto& forms = app_.forms();
  if (windows_.size() < forms.size()) windows_.resize(forms.size());
  // A window gets its native controls when it first shows: most of the editor's never do.
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if (windows_[i] || !forms[i]->visible()) continue;
    if (i > 0) createView(0);  // the owner of every other window
    createView(i);
  }
  for (const auto& w : windows_) {
    if (w) w->sync(force);
  }
}

void Renderer::createView(std::size_t index) {
  if (windows_[index]) return;
  HWND owner = index == 0 ? nullptr : windows_.front()->hwnd();
  FormViewHost& host = *this;
  windows_[index] = std::make_unique<FormView>(*app_.forms()[index], host, gdi_, platform_, owner);
}

void Renderer::resync(FormView& window) {
  const auto syncing = gate_.syncing();
  window.sync(true);
}

void Renderer::restoreFocus(FormView& window) {
  const auto syncing = gate_.syncing();
  window.focusModelControl();
}

bool Renderer::deliver(forms::Control& source,
                       const std::function<void(forms::Application&)>& event) {
  // The native window may now show what the model does not take: the next sync compares it.
  if (FormView* w = window(source.form())) {
    if (ControlView* widget = w->widget(source)) widget->invalidate();
  }
  if (!gate_.act([&] { event(app_); })) return false;
  // An ended application stops the loop as soon as this message's dispatch returns.
  sync();
  return true;
}

bool Renderer::focusForPress(forms::Control& control) {
  if (control.form().focused() != &control) {
    if (gate_.act([&] { app_.focus(control); })) sync();
  }
  return gate_.pressGoesOn(control);
}

void Renderer::focusByKeyboard(forms::Control& control) {
  if (control.form().focused() == &control) return;
  if (gate_.act([&] { app_.focus(control); })) sync();
}

bool Renderer::keyPressed(forms::Control& control, forms::Key key) {
  const bool delivered =
      deliver(control, [&control, key](forms::Application& app) { app.keyDown(control, key); });
  return gate_.keyGoesOn(control, delivered);
}

void Renderer::closeRequested(forms::Form& form) {
  if (gate_.closeWindow(form)) sync();
}

void Renderer::dispatchMessage(MSG& message) {
  // Tab, arrows and Enter move between the controls of the window, as in a dialog.
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  for (const auto& w : windows_) {
    if (w && w->hwnd() == root && IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Renderer::run() {
  if (app_.start()) sync();
  MSG message;
  while (!app_.terminated()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) break;
    dispatchMessage(message);
  }
  const auto hiding = gate_.syncing();
  for (const auto& w : windows_) {
    if (w) ShowWindow(w->hwnd(), SW_HIDE);
  }
  return 0;
}

void Renderer::restoreMainWindow() {
  if (windows_.empty() || !windows_.front()) return;
  HWND main = windows_.front()->hwnd();
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
  SetForegroundWindow(main);
}

void Renderer::processPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that runs the program
      return;
    }
    dispatchMessage(message);
  }
}

}  // namespace tavi::frontends::win32
