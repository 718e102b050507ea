#include "platform/ui/qtconvert.h"

#include <cstdlib>

#include <QPalette>
#include <QWidget>

QString ToQString(const std::string& Text)
{
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

std::string FromQString(const QString& Text)
{
    const QByteArray bytes = Text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QColor ToQColor(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& Color)
{
    return RGBColor(Color.red(), Color.green(), Color.blue());
}

QFont ToQFont(const TFont& Font)
{
    QFont font(ToQString(Font.Name()));
    font.setPixelSize(std::max(1, std::abs(Font.Height())));
    font.setBold(Font.Style().Contains(fsBold));
    font.setItalic(Font.Style().Contains(fsItalic));
    font.setUnderline(Font.Style().Contains(fsUnderline));
    font.setStrikeOut(Font.Style().Contains(fsStrikeOut));
    if (Font.Pitch() == fpFixed)
        font.setFixedPitch(true);
    return font;
}

QRect ToQRect(const TRect& Rect)
{
    return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

TRect FromQRect(const QRect& Rect)
{
    return Bounds(Rect.x(), Rect.y(), Rect.width(), Rect.height());
}

void SetBaseColor(QWidget* Widget, TColor Color)
{
    QPalette palette = Widget->palette();
    SetEnabledColor(palette, QPalette::Base, ToQColor(Color));
    Widget->setPalette(palette);
}

void SetEnabledColor(QPalette& Palette, QPalette::ColorRole Role, const QColor& Color)
{
    Palette.setColor(QPalette::Active, Role, Color);
    Palette.setColor(QPalette::Inactive, Role, Color);
}
