#include "frontends/qt/form_view.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <filesystem>

#include "forms/controls.h"
#include "frontends/qt/colors.h"
#include "frontends/qt/control_views.h"
#include "platform/platform.h"

namespace tavi::frontends::qt {

namespace {

int depth(const forms::Control& control) {
  int levels = 0;
  for (const forms::Panel* panel = control.parent(); panel != nullptr; panel = panel->parent())
    ++levels;
  return levels;
}

// Labels and pictures are painted on their parent, beneath every windowed control.
bool paintedOnParent(const forms::Control& control) {
  return control.kind() == forms::ControlKind::Label ||
         control.kind() == forms::ControlKind::Picture;
}

}  // namespace

FormView::FormView(forms::Form& form, InputSink& input, const FontResolver& fonts,
                   const platform::Platform& platform, QWidget* owner,
                   std::function<void()> closeRequested)
    : form_(form),
      fonts_(fonts),
      platform_(platform),
      window_(std::make_unique<FormWindow>(std::move(closeRequested), owner)) {
  window_->setObjectName(QString::fromStdString(form.name()));
  for (forms::Control* control : form.controls()) {
    auto view = makeView(*control, *window_, input);
    view->widget().setObjectName(QString::fromStdString(control->name()));
    byControl_.emplace(control, view.get());
    views_.push_back(std::move(view));
  }
  for (const auto& view : views_) {
    if (const forms::Panel* panel = view->control().parent()) {
      if (ControlView* holder = this->view(*panel)) view->widget().setParent(&holder->widget());
    }
  }
}

FormView::~FormView() {
  // Children before the panels that hold them: a panel's widget deletes what it still holds.
  std::stable_sort(views_.begin(), views_.end(), [](const auto& a, const auto& b) {
    return depth(a->control()) > depth(b->control());
  });
  views_.clear();
}

ControlView* FormView::view(const forms::Control& control) const {
  const auto found = byControl_.find(&control);
  return found == byControl_.end() ? nullptr : found->second;
}

void FormView::invalidate(const forms::Control& control) {
  if (ControlView* changed = view(control)) {
    changed->invalidate();
    invalidated_ = true;
  }
}

void FormView::sync() {
  const bool first = !syncedRevision_;
  if (!first && *syncedRevision_ == form_.revision() && !invalidated_) return;
  syncedRevision_ = form_.revision();
  invalidated_ = false;

  const Scale scale = Scale::of(form_.pixelsPerInch());
  const bool restyle = first || scale != scale_ || form_.font() != font_;
  scale_ = scale;
  font_ = form_.font();
  syncWindow(restyle);
  const ViewStyle style{scale_, fonts_};
  std::vector<forms::CaptionRoom> rooms = fitCaptions();
  const bool moved = rooms_.size() != rooms.size();
  for (std::size_t i = 0; i < views_.size(); ++i) {
    const bool roomChanged =
        moved || rooms_[i].rect != rooms[i].rect || rooms_[i].text != rooms[i].text;
    views_[i]->sync(style, rooms[i], restyle || roomChanged);
    views_[i]->syncAccessibleName();
  }
  rooms_ = std::move(rooms);
  if (first) stackAndChainWidgets();
  syncVisibility();
  syncFocus();
}

std::vector<forms::CaptionRoom> FormView::fitCaptions() const {
  return forms::fitCaptions(form_, [this](const forms::Control& control, std::string_view text) {
    const ControlView* shown = view(control);
    if (shown == nullptr) return forms::TextSize{control.rect().width, control.rect().height};
    const QFont font = fonts_.font(control.font(), scale_);
    const QSize size = shown->captionSize(
        font, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
        scale_.px(control.rect().width));
    return forms::TextSize{scale_.design(size.width()), scale_.design(size.height())};
  });
}

void FormView::syncWindow(bool restyle) {
  const QString title = QString::fromStdString(form_.caption());
  if (window_->windowTitle() != title) window_->setWindowTitle(title);
  const QSize size(scale_.px(form_.clientWidth()), scale_.px(form_.clientHeight()));
  if (window_->size() != size || window_->minimumSize() != size) window_->setFixedSize(size);
  if (restyle) window_->setFont(fonts_.font(form_.font(), scale_));

  const QColor colour = toQColor(form_.color(), QApplication::palette());
  if (window_->palette().color(QPalette::Window) != colour || !window_->autoFillBackground()) {
    QPalette palette;
    if (colour.isValid()) palette.setColor(QPalette::Window, colour);
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
  }
  syncIcon();
}

void FormView::syncIcon() {
  if (iconFile_ == form_.iconFile()) return;
  iconFile_ = form_.iconFile();
  QIcon icon;
  if (!iconFile_->empty()) {
    const std::filesystem::path path = platform_.nativePath(*iconFile_);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
      icon = QIcon(QString::fromStdString(path.native()));
    }
  }
  // An empty icon gives the window the program's default icon.
  window_->setWindowIcon(icon);
}

void FormView::stackAndChainWidgets() {
  for (const auto& view : views_) {
    if (paintedOnParent(view->control())) view->widget().raise();
  }
  for (const auto& view : views_) {
    if (!paintedOnParent(view->control())) view->widget().raise();
  }
  QWidget* previous = nullptr;
  for (const auto& view : views_) {
    if (!view->control().takesKeyboardFocus()) continue;
    QWidget* next = &view->focusTarget();
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

void FormView::syncVisibility() {
  if (!form_.visible()) {
    if (!window_->isHidden()) window_->hide();
    return;
  }
  // A window is centred when the model asks, and the first time it appears.
  if (!placed_ || form_.centreRequests() != centreRequests_) centreOnScreen();
  placed_ = true;
  centreRequests_ = form_.centreRequests();
  if (window_->isHidden() || form_.showRequests() != showRequests_) {
    if (window_->isMinimized()) {
      window_->showNormal();
    } else {
      window_->show();
    }
    window_->raise();
    window_->activateWindow();
  }
  showRequests_ = form_.showRequests();
}

void FormView::centreOnScreen() {
  QScreen* screen = window_->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = window_->frameGeometry().size();
  window_->move(area.left() + (area.width() - frame.width()) / 2,
                area.top() + (area.height() - frame.height()) / 2);
}

void FormView::syncFocus() {
  const forms::Control* focused = form_.focused();
  if (focused == nullptr || !form_.visible()) return;
  ControlView* target = view(*focused);
  if (target == nullptr) return;
  QWidget& native = target->focusTarget();
  if (window_->focusWidget() == &native) return;
  if (native.isVisibleTo(window_.get()) && native.isEnabled())
    native.setFocus(Qt::OtherFocusReason);
}

}  // namespace tavi::frontends::qt
