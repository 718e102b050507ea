// Elements drawn by the application's style, in the look of the desktop.
#include <algorithm>

#include <QApplication>
#include <QStyle>
#include <QStyleOption>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/canvasstate.h"
#include "platform/ui/qtconvert.h"

namespace {

void SetUp(QStyleOption& Option, const TThemedState& State, const TRect& Rect)
{
    Option.rect = ToQRect(Rect);
    Option.palette = QApplication::palette();
    Option.state = QStyle::State_None;
    if (!State.Disabled)
        Option.state |= QStyle::State_Enabled;
    else
        Option.palette.setCurrentColorGroup(QPalette::Disabled);
    Option.state |= State.Pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (State.Hot)
        Option.state |= QStyle::State_MouseOver;
    if (State.Focused)
        Option.state |= QStyle::State_HasFocus;
    if (State.Mixed)
        Option.state |= QStyle::State_NoChange;
    else
        Option.state |= State.Checked ? QStyle::State_On : QStyle::State_Off;
}

QStyle::PrimitiveElement ArrowOf(TThemedElement Element)
{
    switch (Element) {
    case TThemedElement::ScrollArrowUp: return QStyle::PE_IndicatorArrowUp;
    case TThemedElement::ScrollArrowLeft: return QStyle::PE_IndicatorArrowLeft;
    case TThemedElement::ScrollArrowRight: return QStyle::PE_IndicatorArrowRight;
    default: return QStyle::PE_IndicatorArrowDown;
    }
}

} // namespace

void TCanvas::DrawThemed(TThemedElement Element, const TThemedState& State, const TRect& Rect)
{
    QStyle* style = qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
    if (!style)
        throw EInvalidOperation("Themed drawing needs the application object");
    Apply();
    QPainter& p = *FState->Painter;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    switch (Element) {
    case TThemedElement::ButtonPush: {
        QStyleOptionButton option;
        SetUp(option, State, Rect);
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &p);
        break;
    }
    case TThemedElement::CheckBox:
    case TThemedElement::RadioButton: {
        // The indicator is a square in the middle of the rectangle.
        const int side = std::min(Rect.Width(), Rect.Height());
        QStyleOptionButton option;
        SetUp(option, State, Bounds(Rect.Left + (Rect.Width() - side) / 2, Rect.Top + (Rect.Height() - side) / 2,
                                    side, side));
        style->drawPrimitive(Element == TThemedElement::CheckBox ? QStyle::PE_IndicatorCheckBox
                                                                 : QStyle::PE_IndicatorRadioButton,
                             &option, &p);
        break;
    }
    case TThemedElement::HeaderItem: {
        QStyleOptionHeader option;
        SetUp(option, State, Rect);
        option.position = QStyleOptionHeader::Middle;
        style->drawControl(QStyle::CE_HeaderSection, &option, &p);
        break;
    }
    case TThemedElement::EditFrame: {
        QStyleOptionFrame option;
        SetUp(option, State, Rect);
        option.state &= ~(QStyle::State_Raised | QStyle::State_On | QStyle::State_Off);
        option.state |= QStyle::State_Sunken;
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option);
        option.midLineWidth = 0;
        style->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &p);
        break;
    }
    case TThemedElement::ComboDropDownButton:
    case TThemedElement::ScrollArrowUp:
    case TThemedElement::ScrollArrowDown:
    case TThemedElement::ScrollArrowLeft:
    case TThemedElement::ScrollArrowRight: {
        QStyleOption option;
        SetUp(option, State, Rect);
        style->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &p);
        if (State.Pressed)
            option.rect.translate(1, 1);
        style->drawPrimitive(ArrowOf(Element), &option, &p);
        break;
    }
    }
    p.restore();
    FState->MarkDirty();
    Changed();
}
