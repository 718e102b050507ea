#pragma once
// Controls on shown forms for the window layer's tests: the application
// object, forms on the offscreen screen, what a control shows there, and
// running the event loop until something has happened.
#include <functional>
#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/qtconvert.h"
#include "tests/support/unansweredboxes.h"

// The test program's application object, made on first use; a message
// box that no test answers fails the test (TUnansweredBoxes).
inline TApplication& TestApplication()
{
    static std::unique_ptr<TApplication> own;
    if (!Application) {
        own = std::make_unique<TApplication>(nullptr);
        own->Initialize();
        TUnansweredBoxes::Watch();
    }
    return *Application;
}

// Runs the event loop (letting it go idle) until Done holds, for at most
// Ms milliseconds; returns Done().
inline bool WaitUntil(const std::function<bool()>& Done, int Ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Shows Form at the screen's top-left with the given client size and waits
// until it is on the screen and active.
inline void ShowForm(TCustomForm& Form, int ClientWidth, int ClientHeight)
{
    Form.SetBounds(0, 0, ClientWidth, ClientHeight);
    Form.Show();
    QWidget* window = Form.Widget();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

// What the screen shows of a control (its window's last painted pixels).
inline QImage OnScreen(const TControl& Control)
{
    QWidget* widget = Control.Widget();
    QWidget* window = widget->window();
    const QImage whole = window->screen()->grabWindow(window->winId()).toImage();
    const QPoint at = widget->mapTo(window, QPoint(0, 0));
    return whole.copy(at.x(), at.y(), widget->width(), widget->height());
}

// The control painted now, on its own.
inline QImage Grab(const TControl& Control)
{
    return Control.Widget()->grab().toImage();
}

inline TColor PixelColor(const QImage& Image, int X, int Y)
{
    return FromQColor(QColor(Image.pixel(X, Y)));
}

// The smallest rectangle holding every pixel that is not Background (an
// empty rectangle when there is none).
inline TRect InkBounds(const QImage& Image, TColor Background)
{
    const QRgb back = ToQColor(ColorToRGB(Background)).rgb() & 0xFFFFFFu;
    TRect r{Image.width(), Image.height(), 0, 0};
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFFu) != back) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return IsRectEmpty(r) ? TRect{} : r;
}

// Whether some pixel is close to Color.
inline bool Shows(const QImage& Image, TColor Color, int Tolerance = 60)
{
    const QColor want = ToQColor(ColorToRGB(Color));
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x) {
            const QColor c(Image.pixel(x, y));
            if (std::abs(c.red() - want.red()) <= Tolerance && std::abs(c.green() - want.green()) <= Tolerance &&
                std::abs(c.blue() - want.blue()) <= Tolerance)
                return true;
        }
    return false;
}

// Reads Text into a new root of class T, writes it back, reads that into
// another new root and writes it again: the two writings must agree.
template <class T>
void ExpectRoundTrip(const std::string& Text)
{
    T first(nullptr);
    ReadComponentFromText(first, Text, "first");
    const std::string written = WriteComponentToText(first);
    T second(nullptr);
    ReadComponentFromText(second, written, "second");
    EXPECT_EQ(WriteComponentToText(second), written);
}
