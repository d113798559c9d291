#include "frontends/qt/memo_view.h"

#include <QSignalBlocker>
#include <string>

namespace tavi::frontends::qt {

namespace {

QString joinedLines(const std::vector<std::string>& lines) {
  QStringList joined;
  joined.reserve(static_cast<qsizetype>(lines.size()));
  for (const auto& line : lines)
    joined.push_back(QString::fromStdString(line));
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

MemoView::MemoView(forms::Memo& memo, QWidget& parent, InputSink& input)
    : ControlView(memo, input), memo_(memo), widget_(std::make_unique<QPlainTextEdit>(&parent)) {
  widget_->setFocusPolicy(Qt::TabFocus);
  widget_->setTabChangesFocus(true);
  widget_->setContextMenuPolicy(Qt::NoContextMenu);
  // Mouse presses land on the viewport, keys on the editor.
  watch(*widget_);
  watch(*widget_->viewport());
  // The sync blocks the signals while it writes, so only a person's typing gets here.
  QObject::connect(widget_.get(), &QPlainTextEdit::textChanged, this, [this] {
    const std::string text = widget_->toPlainText().toStdString();
    this->input().deliver(memo_,
                          [this, text](forms::Application& app) { app.changeText(memo_, text); });
  });
}

void MemoView::syncContent(const ViewStyle& /*style*/) {
  const QSignalBlocker quiet(widget_.get());
  // Rewriting an unchanged text would move the cursor while the person types.
  const QString text = joinedLines(memo_.lines());
  if (widget_->toPlainText() != text) widget_->setPlainText(text);
}

}  // namespace tavi::frontends::qt
