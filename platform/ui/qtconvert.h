#pragma once
// Conversions between the window layer's values and Qt's.
#include <string>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

#include "platform/rtl/rects.h"
#include "platform/ui/graphics.h"

QString ToQString(const std::string& Text);
std::string FromQString(const QString& Text);
QColor ToQColor(TColor Color);
// Paints the background of an edit or list widget (its palette's Base) in
// Color while it is enabled; disabled, it looks as the style's disabled ones.
void SetBaseColor(QWidget* Widget, TColor Color);
// Role in Color for the enabled widget (active and inactive windows); the
// disabled colour group keeps the style's, as standard controls show.
void SetEnabledColor(QPalette& Palette, QPalette::ColorRole Role, const QColor& Color);
TColor FromQColor(const QColor& Color);
QFont ToQFont(const TFont& Font);
QRect ToQRect(const TRect& Rect);
TRect FromQRect(const QRect& Rect);
