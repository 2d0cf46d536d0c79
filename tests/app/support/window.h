#pragma once

#include "app/support/fakeplatform.h"
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"

#include <QTest>

#include <memory>

// A main window on a fake desktop, shown at a known size.
struct TestWindow {
  FakePlatform platform;
  std::unique_ptr<Moxten> window;

  explicit TestWindow(QSize size = QSize(1000, 700)) { open(size); }

  void open(QSize size = QSize(1000, 700)) {
    window = std::make_unique<Moxten>(platform);
    window->setWindowState(Qt::WindowNoState);
    window->resize(size);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  Moxten* operator->() const { return window.get(); }
  FieldCanvas& field() const { return window->Field->canvas; }
  // A file in the test's own folder.
  QString file(const QString& name) const { return platform.folder.filePath(name); }
  std::uint32_t pixel(int x, int y) const { return field().pixel(x, y); }

  void press(Qt::MouseButton button, QPoint at) { QTest::mousePress(window->Field, button, {}, at); }
  void click(QPoint at) { QTest::mouseClick(window->Field, Qt::LeftButton, {}, at); }
  void clickAll(std::initializer_list<QPoint> points) {
    for (const QPoint at : points) click(at);
  }
};
