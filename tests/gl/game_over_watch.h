// A "Game Over" box that opens while a test draws frames is counted and
// answered "Restart", so that the frames go on (and a wrong rule fails the
// test instead of stopping it).
#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

class GameOverWatch {
public:
    GameOverWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->windowTitle() != "Game Over")
                return;
            ++count;
            QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, "r");
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier, "r");
            QCoreApplication::sendEvent(target, &press);
            QCoreApplication::sendEvent(target, &release);
        });
        m_timer.start(20);
    }

    int count = 0;

private:
    QTimer m_timer;
};
