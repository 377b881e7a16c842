// Closes every message box as soon as it is up and keeps what it said, so a
// test can go through an action that tells the user something, whether the
// message comes at once or once the action is done.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageCatcher : public QObject {
 public:
  MessageCatcher() {
    timer_.callOnTimeout(this, &MessageCatcher::CloseOpenMessage);
    timer_.start(5);
  }

  // "title|text" of each message, in order.
  QStringList messages;

 private:
  void CloseOpenMessage() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    messages << box->windowTitle() + u'|' + box->text();
    box->button(QMessageBox::Ok)->click();
  }

  QTimer timer_;
};
