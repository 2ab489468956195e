#include "about/help_window.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "model/fonts.h"
#include "widgets/single_window.h"
#include "widgets/window_placement.h"

namespace {

// The guide is laid out in columns of a font that is two columns wide for a Chinese character
// and one for a Latin one: the Ming font keeps them lined up. 80 columns and 36 lines fit the
// guide's widest line and most of a section.
constexpr int kColumns = 80;
constexpr int kLines = 36;

}  // namespace

HelpWindow* HelpWindow::ShowFor(QWidget* owner, const QString& path, const QString& text) {
  HelpWindow* open =
      owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  // The guide goes in before the window shows, so it never shows the last one's title.
  if (open) open->SetGuide(path, text);
  return ShowSingle(open, [&] {
    auto* window = new HelpWindow(owner);
    window->SetGuide(path, text);
    if (owner) PlaceBeside(window, owner);
    return window;
  });
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("help_window"));
  setAttribute(Qt::WA_DeleteOnClose);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("help_text"));
  browser_->setReadOnly(true);
  browser_->setOpenLinks(false);
  QFont font(kMingFont);
  font.setPointSizeF(11);
  browser_->setFont(font);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  buttons->button(QDialogButtonBox::Close)->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  CloseOnEscape(this);

  const QFontMetrics metrics(font);
  const int frame = 2 * browser_->frameWidth() + 2 * browser_->document()->documentMargin();
  resize(metrics.horizontalAdvance(QString(kColumns, u'0')) + frame + 40,
         metrics.lineSpacing() * kLines + frame + 60);
}

void HelpWindow::SetGuide(const QString& path, const QString& text) {
  path_ = path;
  setWindowTitle(tr("說明文件 - %1").arg(QFileInfo(path).fileName()));
  browser_->setPlainText(text);
}
