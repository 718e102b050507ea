// Shapes, images, splitters, timers and speed buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

namespace {

class TExtForm : public TForm {
    LT_CLASS(TExtForm)
public:
    explicit TExtForm(TComponent* AOwner) : TForm(AOwner) {}
    template <class T>
    T* Get(const std::string& Name) const
    {
        auto* component = dynamic_cast<T*>(FindComponent(Name));
        EXPECT_NE(component, nullptr) << Name;
        return component;
    }
    void TimerTick(TObject* Sender)
    {
        if (++Ticks == 3)
            static_cast<TTimer*>(Sender)->SetEnabled(false);
    }
    void SplitterMoved(TObject*) { ++Moves; }
    int Ticks = 0;
    int Moves = 0;
};

const char* const kExtForm = R"(object ExtForm: TExtForm
  ClientHeight = 300
  ClientWidth = 400
  object pnlTop: TPanel
    Height = 40
    Align = alTop
  end
  object pnlLeft: TPanel
    Left = 0
    Top = 40
    Width = 100
    Align = alLeft
  end
  object splLeft: TSplitter
    Left = 100
    Top = 40
    MinSize = 20
    OnMoved = SplitterMoved
  end
  object pnlClient: TPanel
    Align = alClient
    object shpMark: TShape
      Left = 10
      Top = 10
      Width = 40
      Height = 20
      Brush.Color = clRed
      Pen.Width = 2
      Shape = stRoundRect
    end
    object btnBold: TSpeedButton
      Left = 60
      Top = 10
      AllowAllUp = True
      GroupIndex = 2
      Down = True
      Caption = 'B'
      Flat = True
      Layout = blGlyphTop
      Margin = 2
      Spacing = 1
    end
    object imgLogo: TImage
      Left = 100
      Top = 10
      Center = True
      Proportional = True
      Stretch = True
    end
  end
  object tmrTick: TTimer
    Interval = 10
    OnTimer = TimerTick
  end
end
)";

// A bitmap of one colour.
std::unique_ptr<TBitmap> Filled(int Width, int Height, TColor Color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    bitmap->MutableImage()->fill(ToQColor(Color));
    return bitmap;
}

// Mouse presses, moves and releases on a control's widget.
void Drag(TControl& Control, QPoint From, QPoint To)
{
    QTest::mousePress(Control.Widget(), Qt::LeftButton, {}, From);
    QTest::mouseMove(Control.Widget(), To);
    QTest::mouseRelease(Control.Widget(), Qt::LeftButton, {}, To);
}

void Hover(TControl& Control, bool Inside)
{
    if (Inside) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(Control.Widget(), &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(Control.Widget(), &leave);
    }
}

} // namespace

LT_IMPLEMENT_CLASS(TExtForm, TForm)
{
    P.Method("SplitterMoved", &TExtForm::SplitterMoved);
    P.Method("TimerTick", &TExtForm::TimerTick);
}

TEST(ExtControls, ReadFromADescription)
{
    TExtForm form(nullptr);
    ReadComponentFromText(form, kExtForm, "ExtForm");
    const auto* shape = form.Get<TShape>("shpMark");
    EXPECT_EQ(shape->Shape(), stRoundRect);
    EXPECT_EQ(shape->Brush()->Color(), clRed);
    EXPECT_EQ(shape->Pen()->Width(), 2);
    const auto* button = form.Get<TSpeedButton>("btnBold");
    EXPECT_TRUE(button->Down()) << "Down read before or after GroupIndex holds";
    EXPECT_TRUE(button->AllowAllUp());
    EXPECT_EQ(button->Layout(), blGlyphTop);
    EXPECT_EQ(button->Margin(), 2);
    EXPECT_EQ(button->Spacing(), 1);
    const auto* splitter = form.Get<TSplitter>("splLeft");
    EXPECT_EQ(splitter->Align(), alLeft);
    EXPECT_EQ(splitter->Cursor(), crHSplit);
    EXPECT_EQ(splitter->MinSize(), 20);
    EXPECT_EQ(splitter->FindControl(), form.Get<TPanel>("pnlLeft"));
    const auto* image = form.Get<TImage>("imgLogo");
    EXPECT_TRUE(image->Center() && image->Proportional() && image->Stretch());
    EXPECT_EQ(form.Get<TTimer>("tmrTick")->Interval(), 10u);
}

TEST(ExtControls, WriteWhatTheyReadAndKeepTheImagesPicture)
{
    ExpectRoundTrip<TExtForm>(kExtForm);

    TExtForm form(nullptr);
    ReadComponentFromText(form, kExtForm, "ExtForm");
    const auto picture = Filled(6, 4, clLime);
    form.Get<TImage>("imgLogo")->Picture()->SetGraphic(picture.get());
    const std::string text = WriteComponentToText(form);
    TExtForm copy(nullptr);
    ReadComponentFromText(copy, text, "copy");
    const TPicture* read = copy.Get<TImage>("imgLogo")->Picture();
    ASSERT_NE(read->Graphic(), nullptr);
    EXPECT_EQ(read->Width(), 6);
    EXPECT_EQ(PixelColor(*read->Graphic()->Image(), 5, 3), clLime);
}

TEST(Timer, EnabledInADescriptionStartsOnceLoadedAndStopsWhenDisabled)
{
    TExtForm form(nullptr);
    ReadComponentFromText(form, kExtForm, "ExtForm");
    auto* timer = form.Get<TTimer>("tmrTick");
    EXPECT_TRUE(timer->Enabled());
    ASSERT_TRUE(WaitUntil([&] { return form.Ticks >= 3; }));
    EXPECT_FALSE(timer->Enabled());
    WaitUntil([] { return false; }, 100);
    EXPECT_EQ(form.Ticks, 3);

    timer->SetOnTimer(nullptr);
    timer->SetEnabled(true);
    WaitUntil([] { return false; }, 60);
    EXPECT_EQ(form.Ticks, 3) << "a timer without a handler does not run";
}

// ---- TShape and TImage

TEST(Shape, DrawsEachFigureInsideItsBounds)
{
    struct TCase {
        TShapeType Shape;
        bool Corner;        // (0, 0) painted
        bool Side, Centre;  // brush colour at (10, 20) and (40, 20)
    };
    const TCase cases[] = {
        {stRectangle, true, true, true},    {stSquare, false, false, true},  {stRoundRect, false, true, true},
        {stRoundSquare, false, false, true}, {stEllipse, false, true, true}, {stCircle, false, false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Shape);
        TShape shape(nullptr);
        shape.SetBounds(0, 0, 80, 40);
        shape.Brush()->SetColor(clRed);
        shape.SetShape(c.Shape);
        const QImage image = Grab(shape);
        EXPECT_EQ(PixelColor(image, 0, 0) != ColorToRGB(shape.Color()), c.Corner);
        EXPECT_EQ(PixelColor(image, 10, 20) == clRed, c.Side);
        EXPECT_EQ(PixelColor(image, 40, 20) == clRed, c.Centre);
    }
    TShape shape(nullptr);
    shape.SetBounds(0, 0, 40, 20);
    shape.Pen()->SetColor(clBlue);
    EXPECT_EQ(PixelColor(Grab(shape), 0, 0), clBlue);
    shape.Pen()->SetWidth(4);
    EXPECT_EQ(PixelColor(Grab(shape), 3, 10), clBlue);
}

TEST(Image, PlacesThePictureByStretchProportionalAndCenter)
{
    struct TCase {
        bool Stretch, Proportional, Center;
        int ClientWidth, ClientHeight;
        TRect Expected;
    };
    const TCase cases[] = {
        {false, false, false, 100, 80, Rect(0, 0, 40, 20)},
        {false, false, true, 100, 80, Rect(30, 30, 70, 50)},
        {true, false, false, 100, 80, Rect(0, 0, 100, 80)},
        {true, true, false, 100, 80, Rect(0, 0, 100, 50)},
        {true, true, true, 100, 80, Rect(0, 15, 100, 65)},
        {false, true, false, 100, 80, Rect(0, 0, 40, 20)},
        {false, true, true, 30, 30, Rect(0, 7, 30, 22)},
    };
    const auto picture = Filled(40, 20, clRed);
    for (const TCase& c : cases) {
        TImage image(nullptr);
        image.SetBounds(0, 0, c.ClientWidth, c.ClientHeight);
        image.Picture()->SetGraphic(picture.get());
        image.SetStretch(c.Stretch);
        image.SetProportional(c.Proportional);
        image.SetCenter(c.Center);
        EXPECT_EQ(image.DestRect(), c.Expected) << c.Stretch << c.Proportional << c.Center;
    }
}

TEST(Image, DrawsThePictureAndLeavesItsTransparentColourOut)
{
    TExtForm form(nullptr);
    form.SetColor(clWhite);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 20, 10);
    auto picture = Filled(20, 10, clBlue);
    picture->MutableImage()->setPixel(5, 5, qRgb(255, 0, 0));
    image->Picture()->SetGraphic(picture.get());
    image->SetTransparent(true);
    QImage shown = Grab(*image);
    EXPECT_EQ(PixelColor(shown, 5, 5), clRed);
    EXPECT_EQ(PixelColor(shown, 15, 5), clWhite) << "blue, the bottom-left colour, is see-through";
    image->SetTransparent(false);
    EXPECT_EQ(PixelColor(Grab(*image), 15, 5), clBlue);

    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 20);
    image->Picture()->SetGraphic(Filled(33, 7, clLime).get());
    EXPECT_EQ(image->BoundsRect(), Rect(0, 0, 33, 7));
}

// ---- TSplitter

TEST(Splitter, DraggingResizesTheControlItFollowsAndTheLayoutFollows)
{
    TExtForm form(nullptr);
    ReadComponentFromText(form, kExtForm, "ExtForm");
    ShowForm(form, 400, 300);
    auto* left = form.Get<TPanel>("pnlLeft");
    auto* splitter = form.Get<TSplitter>("splLeft");
    auto* client = form.Get<TPanel>("pnlClient");
    EXPECT_EQ(form.Get<TPanel>("pnlTop")->BoundsRect(), Rect(0, 0, 400, 40));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 40, 100, 300));
    EXPECT_EQ(splitter->BoundsRect(), Rect(100, 40, 103, 300));
    EXPECT_EQ(client->BoundsRect(), Rect(103, 40, 400, 300));

    Drag(*splitter, QPoint(1, 50), QPoint(41, 50));
    EXPECT_EQ(left->Width(), 140);
    EXPECT_EQ(splitter->Left(), 140);
    EXPECT_EQ(client->BoundsRect(), Rect(143, 40, 400, 300));
    EXPECT_EQ(form.Moves, 1);

    // Past the end: the rest keeps MinSize.
    Drag(*splitter, QPoint(1, 50), QPoint(900, 50));
    EXPECT_EQ(left->Width(), 400 - 3 - 20);
    EXPECT_EQ(client->Width(), 20);

    // Below MinSize: AutoSnap closes the control, without it MinSize stays.
    Drag(*splitter, QPoint(1, 50), QPoint(-370, 50));
    EXPECT_EQ(left->Width(), 0);
    EXPECT_EQ(splitter->Left(), 0);
    Drag(*splitter, QPoint(1, 50), QPoint(61, 50));
    EXPECT_EQ(left->Width(), 60);
    splitter->SetAutoSnap(false);
    Drag(*splitter, QPoint(1, 50), QPoint(-100, 50));
    EXPECT_EQ(left->Width(), 20);
}

TEST(Splitter, OnCanResizeMayRefuseOrChangeTheSize)
{
    TExtForm form(nullptr);
    ReadComponentFromText(form, kExtForm, "ExtForm");
    ShowForm(form, 400, 300);
    auto* left = form.Get<TPanel>("pnlLeft");
    auto* splitter = form.Get<TSplitter>("splLeft");
    splitter->SetOnCanResize([](TObject*, int& size, bool& accept) {
        accept = size < 150;
        size -= size % 10;
    });
    Drag(*splitter, QPoint(1, 50), QPoint(27, 50));
    EXPECT_EQ(left->Width(), 120);
    Drag(*splitter, QPoint(1, 50), QPoint(60, 50));
    EXPECT_EQ(left->Width(), 120);
}

TEST(Splitter, WorksForTopAlignedControlsToo)
{
    TExtForm form(nullptr);
    const auto panel = [&](TAlign align) {
        auto* p = new TPanel(&form);
        p->SetParent(&form);
        p->SetHeight(50);
        p->SetAlign(align);
        return p;
    };
    ShowForm(form, 200, 300);
    TPanel* top = panel(alTop);
    auto* splitter = new TSplitter(&form);
    splitter->SetParent(&form);
    splitter->SetAlign(alTop);
    splitter->SetBounds(0, 60, 200, 4);
    TPanel* bottom = panel(alBottom);
    EXPECT_EQ(splitter->Top(), 50);
    EXPECT_EQ(splitter->FindControl(), top);
    Drag(*splitter, QPoint(10, 1), QPoint(10, 31));
    EXPECT_EQ(top->Height(), 80);
    EXPECT_EQ(bottom->Height(), 50);
}

// ---- TSpeedButton

TEST(SpeedButton, ButtonsOfAGroupInOneParentReleaseEachOther)
{
    TExtForm form(nullptr);
    auto* bar = new TPanel(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 200, 30);
    auto* other = new TPanel(&form);
    other->SetParent(&form);
    other->SetBounds(0, 40, 200, 30);
    const auto button = [&](TWinControl* parent, int left, int group) {
        auto* b = new TSpeedButton(&form);
        b->SetParent(parent);
        b->SetBounds(left, 2, 23, 22);
        b->SetGroupIndex(group);
        return b;
    };
    TSpeedButton* a = button(bar, 0, 1);
    TSpeedButton* b = button(bar, 30, 1);
    TSpeedButton* plain = button(bar, 60, 0);
    TSpeedButton* elsewhere = button(other, 0, 1);
    int clicks = 0;
    for (TSpeedButton* s : {a, b, plain, elsewhere})
        s->SetOnClick([&](TObject*) { ++clicks; });
    ShowForm(form, 200, 80);

    QTest::mouseClick(elsewhere->Widget(), Qt::LeftButton);
    QTest::mouseClick(a->Widget(), Qt::LeftButton);
    EXPECT_TRUE(a->Down());
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(elsewhere->Down()) << "another parent, another group";
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp one stays down";
    QTest::mouseClick(plain->Widget(), Qt::LeftButton);
    EXPECT_FALSE(plain->Down()) << "GroupIndex 0 never stays down";
    EXPECT_EQ(clicks, 5);

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "the group shares AllowAllUp";
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());

    // A press that leaves the button before the release is no click.
    QTest::mousePress(a->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(a->Widget(), QPoint(50, 5));
    QTest::mouseRelease(a->Widget(), Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicks, 6);
}

TEST(SpeedButton, AFlatButtonShowsItsEdgeOnlyWhileTheMouseIsOverIt)
{
    TExtForm form(nullptr);
    form.SetColor(clYellow);
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 23, 22);
    button->SetFlat(true);
    ShowForm(form, 100, 50);
    const auto corner = [&] { return PixelColor(OnScreen(*button), 0, 0); };
    ASSERT_TRUE(WaitUntil([&] { return corner() == clYellow; }));
    Hover(*button, true);
    EXPECT_TRUE(WaitUntil([&] { return corner() == ColorToRGB(clBtnHighlight); }));
    Hover(*button, false);
    EXPECT_TRUE(WaitUntil([&] { return corner() == clYellow; }));

    button->SetFlat(false);
    EXPECT_TRUE(WaitUntil([&] { return corner() != clYellow; })) << "a raised button always has its edge";
}

TEST(SpeedButton, GlyphStripGivesTheDisabledPictureAndItsCornerColourIsSeeThrough)
{
    auto strip = Filled(32, 16, clLime);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            strip->MutableImage()->setPixel(x, y, qRgb(0, 0, 255));
    for (int x = 0; x < 16; ++x)
        strip->MutableImage()->setPixel(x, 15, qRgb(255, 0, 255));

    TSpeedButton button(nullptr);
    button.SetBounds(0, 0, 30, 30);
    button.SetGlyph(strip.get());
    EXPECT_EQ(button.NumGlyphs(), 2);
    QImage shown = Grab(button);
    EXPECT_TRUE(Shows(shown, clLime, 0));
    EXPECT_FALSE(Shows(shown, clBlue, 0));
    EXPECT_FALSE(Shows(shown, clFuchsia, 0)) << "the bottom-left colour is see-through";

    button.SetEnabled(false);
    shown = Grab(button);
    EXPECT_TRUE(Shows(shown, clBlue, 0));
    EXPECT_FALSE(Shows(shown, clLime, 0));

    button.SetNumGlyphs(1);
    shown = Grab(button);
    EXPECT_FALSE(Shows(shown, clLime, 0)) << "one glyph is greyed when disabled";
    EXPECT_FALSE(Shows(shown, clBlue, 0));
}

TEST(ButtonLayout, PlacesGlyphAndCaptionByLayoutMarginAndSpacing)
{
    struct TCase {
        TButtonLayout Layout;
        int Margin, Spacing;
        TSize Text;
        TPoint Glyph;
        TPoint TextAt;
    };
    const TCase cases[] = {
        {blGlyphLeft, -1, 4, {30, 13}, {25, 12}, {45, 14}},
        {blGlyphRight, 5, 4, {30, 13}, {79, 12}, {45, 14}},
        {blGlyphTop, -1, -1, {30, 13}, {42, 3}, {35, 22}},
        {blGlyphBottom, 2, -1, {30, 13}, {42, 22}, {35, 5}},
        {blGlyphLeft, -1, 4, {0, 0}, {42, 12}, {58, 20}},
    };
    for (const TCase& c : cases) {
        const TButtonPlacement p =
            CalcButtonLayout(Rect(0, 0, 100, 40), {16, 16}, c.Text, c.Layout, c.Margin, c.Spacing, {0, 0});
        EXPECT_EQ(p.GlyphPos, c.Glyph) << c.Layout;
        EXPECT_EQ(p.TextBounds.TopLeft(), c.TextAt) << c.Layout;
    }
    const TButtonPlacement pressed =
        CalcButtonLayout(Rect(2, 2, 102, 42), {16, 16}, {30, 13}, blGlyphLeft, -1, 4, {1, 1});
    EXPECT_EQ(pressed.GlyphPos, (TPoint{28, 15}));
    EXPECT_EQ(pressed.TextBounds, Rect(48, 17, 78, 30));
}
