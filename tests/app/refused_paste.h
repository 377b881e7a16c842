// Pastes a text too large for a box with Ctrl+V and checks that the box
// refuses it as a whole: one message to the user, and memory that stays put.
#pragma once

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include "tests/app/message_catcher.h"
#include "tests/app/peak_memory.h"

// Callers check QTest::currentTestFailed() before going on.
inline void PasteExpectingRefusal(QWidget* box, const QString& pasted) {
  using namespace Qt::StringLiterals;
  QGuiApplication::clipboard()->setText(pasted);
  MessageCatcher catcher;
  PeakMemory memory;
  memory.Start();
  QElapsedTimer clock;
  clock.start();

  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

  qInfo("%lld characters refused in %lld ms; memory rose %ld MB", pasted.size(), clock.elapsed(),
        memory.RiseMegabytes());
  QVERIFY2(memory.RiseMegabytes() < 32, "memory rose 32 MB or more");
  QCOMPARE(catcher.messages.size(), 1);
  QVERIFY(catcher.messages[0].startsWith(u"信息：|粘贴的内容过长，没有粘贴。"_s));
}
