#pragma once
// Conversions between the window layer's values and Qt's.
#include <string>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

#include "platform/rtl/rects.h"
#include "platform/ui/graphics.h"

QString ToQString(const std::string& Text);
std::string FromQString(const QString& Text);
QColor ToQColor(TColor Color);
// Paints the background of an edit or list widget (its palette's Base) in Color.
void SetBaseColor(QWidget* Widget, TColor Color);
TColor FromQColor(const QColor& Color);
QFont ToQFont(const TFont& Font);
QRect ToQRect(const TRect& Rect);
TRect FromQRect(const QRect& Rect);
