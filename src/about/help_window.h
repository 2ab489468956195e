#pragma once

// The program's own window for the user guide, for a desktop that cannot open a text file: the
// guide, read-only, in a text browser, and a button that closes the window.

#include <QWidget>

#include "about/help_document.h"

class QTextBrowser;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows `text`, the guide at `path`, in the help window of `owner`: a new one when none is
  // open, else the open one with the text again, brought to the front. The window belongs to
  // `owner` and is deleted when it closes.
  static HelpWindow* ShowFor(QWidget* owner, const QString& path, const QString& text);

  explicit HelpWindow(QWidget* parent = nullptr);

  QTextBrowser* browser() const { return browser_; }
  const QString& path() const { return path_; }

 private:
  void SetGuide(const QString& path, const QString& text);

  QTextBrowser* browser_ = nullptr;
  QString path_;
};

// Shows the guide in the help window of its owner.
class HelpWindowViewer : public GuideViewer {
 public:
  explicit HelpWindowViewer(QWidget* owner) : owner_(owner) {}
  void Show(const QString& path, const QString& text) override {
    HelpWindow::ShowFor(owner_, path, text);
  }

 private:
  QWidget* owner_;
};
