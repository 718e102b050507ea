#pragma once
// A message box that no test hook answers (an exception a handler raised,
// shown by the application object) fails the running test and closes at
// once, instead of waiting for an operator who never comes: with the mouse
// held by a control nothing would ever answer it. A test that answers the
// boxes on the screen itself says so with a TAnsweredOnScreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

class TUnansweredBoxes final : public QObject {
public:
    // From now on, for the whole test program.
    static void Watch()
    {
        static QPointer<TUnansweredBoxes> watch;
        if (!watch)
            watch = new TUnansweredBoxes();
    }

    // While one lives, the boxes shown are the test's to answer.
    class TAnsweredOnScreen {
    public:
        TAnsweredOnScreen() { ++Answering(); }
        ~TAnsweredOnScreen() { --Answering(); }
        TAnsweredOnScreen(const TAnsweredOnScreen&) = delete;
        TAnsweredOnScreen& operator=(const TAnsweredOnScreen&) = delete;
    };

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        auto* box = Event->type() == QEvent::Show && Answering() == 0 ? qobject_cast<QMessageBox*>(Watched) : nullptr;
        if (box) {
            ADD_FAILURE() << "A message box nobody answers: " << box->text().toStdString();
            QTimer::singleShot(0, box, &QDialog::reject);
        }
        return false;
    }

private:
    static int& Answering()
    {
        static int count = 0;
        return count;
    }
    TUnansweredBoxes() : QObject(qApp) { qApp->installEventFilter(this); }
};
