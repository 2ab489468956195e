#pragma once

// The main window as a test drives it: started in a folder of the test's own, which is the working
// folder while the test runs (the history files live there), its message boxes answered by a
// ScriptedPrompter.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

class MainWindowFixture : public testing::Test {
 protected:
  MainWindowFixture() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    OpenWindow();
  }
  ~MainWindowFixture() override {
    window.reset();
    QDir::setCurrent(old_dir);
  }

  // A new main window in place of the open one, as at a new start of the program.
  void OpenWindow() {
    window.reset();
    auto scripted = std::make_unique<ScriptedPrompter>();
    prompter = scripted.get();
    window = std::make_unique<MainWindow>(std::move(scripted));
  }

  template <typename T = QWidget>
  T* Control(const QString& name) {
    return window->findChild<T*>(name);
  }
  QLineEdit* Row(int i) { return Control<QLineEdit>(QStringLiteral("l_content(%1)").arg(i)); }
  QAction* Action(const char* name) { return Control<QAction>(QLatin1String(name)); }

  // Picks an entry from a combo box's list with the mouse, as the user does.
  void PickFromList(const QString& box_name, const QString& entry) {
    auto* box = Control<QComboBox>(box_name);
    ASSERT_NE(box, nullptr) << box_name.toStdString();
    const int index = box->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  }

  TempFolder folder;
  QString old_dir;
  ScriptedPrompter* prompter = nullptr;
  std::unique_ptr<MainWindow> window;
};
