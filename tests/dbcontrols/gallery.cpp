// Renders the edit buttons in their looks and states and the popups (list
// with images and grip, recently-used list with its scroll bar, calendar,
// special row, calculator), the editors, the combo boxes and the check
// boxes in their looks into one
// picture, for looking at them:
//   dbcontrols_gallery OUTPUT.png
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include "dbcontrols/buttonpaint.h"
#include "dbcontrols/mrulistboxlt.h"
#include "dbcontrols/popuplistboxlt.h"
#include "dbcontrols/popupmonthcalendarlt.h"
#include "dbcontrols/sizegriplt.h"
#include "dbcontrols/extravaluerow.h"
#include "tests/dbcontrols/gallerycalculators.h"
#include "tests/dbcontrols/gallerycheckboxes.h"
#include "tests/dbcontrols/gallerycombos.h"
#include "tests/dbcontrols/galleryeditors.h"
#include "tests/dbcontrols/gallerynumberedits.h"
#include "platform/ui/application.h"
#include "platform/ui/picture.h"
#include "platform/ui/stdctrls.h"

namespace {
constexpr int kCell = 40;
constexpr int kLabelWidth = 70;

// Every button face in every look (rows) and state (columns).
class TButtonGallery : public TCustomControl {
public:
    explicit TButtonGallery(TComponent* AOwner) : TCustomControl(AOwner)
    {
        SetColor(clBtnFace);
        SetBounds(0, 0, kLabelWidth + 6 * 4 * kCell + 20, 3 * (kCell + 6) + 40);
    }

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(ClientRect());
        static const char* const kStates[4] = {"normal", "hot", "pressed", "disabled"};
        static const TButtonPaintKindLt kKinds[6] = {bpkDropDownLt, bpkEllipsisLt, bpkUpDownLt,
                                                     bpkPlusLt,     bpkMinusLt,    bpkCheckBoxLt};
        for (int s = 0; s < 4; ++s) {
            TRect r = Bounds(kLabelWidth + s * 6 * kCell, 4, 6 * kCell, 20);
            c->Brush()->SetStyle(bsClear);
            c->DrawText(kStates[s], r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
            c->Brush()->SetStyle(bsSolid);
        }
        struct TLook {
            const char* Name;
            bool Themed;
            bool Flat;
        } looks[3] = {{"themed", true, false}, {"classic", false, false}, {"flat", false, true}};
        const bool themes = ButtonThemesEnabled();
        for (int l = 0; l < 3; ++l) {
            const int top = 30 + l * (kCell + 6);
            TRect label = Bounds(4, top, kLabelWidth - 8, kCell);
            c->Brush()->SetStyle(bsClear);
            c->DrawText(looks[l].Name, label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            c->Brush()->SetStyle(bsSolid);
            SetButtonThemesEnabled(looks[l].Themed);
            for (int s = 0; s < 4; ++s) {
                for (int k = 0; k < 6; ++k) {
                    const int left = kLabelWidth + (s * 6 + k) * kCell + 10;
                    // A white editor strip behind each button, as inside an edit.
                    const TRect editor = Bounds(left - 4, top + 4, 26, kCell - 8);
                    c->Brush()->SetColor(clWindow);
                    c->FillRect(editor);
                    const TRect face = Bounds(left, top + 6, 17, kCell - 12);
                    const bool pressed = s == 2;
                    PaintButtonFace(c, face, clWindow, kKinds[k] == bpkCheckBoxLt ? 1 : 0, s != 3, s == 1 || s == 2,
                                    looks[l].Flat, pressed ? (kKinds[k] == bpkUpDownLt ? 2 : 1) : 0, kKinds[k]);
                }
            }
        }
        SetButtonThemesEnabled(themes);
    }
};

// The special row above a list, in its own colour and font.
class TSpecRowView : public TCustomControl {
public:
    explicit TSpecRowView(TComponent* AOwner) : TCustomControl(AOwner), FRow(std::make_unique<TSpecRowLt>(this))
    {
        FRow->SetCellsText("(нет);\"Все; любые\"");
        FRow->SetColor(clInfoBk);
        FRow->Font()->SetStyle(TFontStyles{fsBold});
        FRow->SetVisible(true);
        SetColor(clWindow);
        SetBounds(0, 0, 200, 20);
    }

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        c->Brush()->SetColor(FRow->Color());
        c->FillRect(ClientRect());
        c->SetFont(FRow->Font());
        const int half = Width() / 2;
        for (int i = 0; i < FRow->CellCount(); ++i) {
            TRect r = Rect(i * half + 3, 0, (i + 1) * half - 3, Height());
            c->Brush()->SetStyle(bsClear);
            c->DrawText(FRow->CellTextAt(i), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            c->Brush()->SetStyle(bsSolid);
        }
        c->Pen()->SetColor(clBtnShadow);
        c->MoveTo(half, 0);
        c->LineTo(half, Height());
        c->MoveTo(0, Height() - 1);
        c->LineTo(Width(), Height() - 1);
    }

private:
    std::unique_ptr<TSpecRowLt> FRow;
};

// Small coloured squares for the list's images.
void FillImages(TImageList* Images)
{
    Images->SetSize(12, 12);
    const TColor colours[3] = {clRed, clGreen, clBlue};
    for (const TColor colour : colours) {
        TBitmap bitmap;
        bitmap.SetSize(12, 12);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(Rect(0, 0, 12, 12));
        bitmap.Canvas()->Brush()->SetColor(colour);
        bitmap.Canvas()->Ellipse(1, 1, 11, 11);
        Images->Add(&bitmap, nullptr);
    }
}

QImage Grab(TControl* Control)
{
    return Control->Widget()->grab().toImage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication qtApplication(argc, argv);
    TApplication application(nullptr);
    application.Initialize();

    TForm form(nullptr);
    form.SetCaption("Edit buttons and popups");
    form.SetColor(clBtnFace);
    auto* buttons = new TButtonGallery(&form);
    buttons->SetParent(&form);
    form.SetBounds(20, 20, buttons->Width(), buttons->Height());
    form.Show();

    auto* images = new TImageList(&form);
    FillImages(images);

    auto* list = new TPopupListboxLt(&form);
    list->SetParent(&form);
    for (const char* s : {"Канал 1", "Канал 2", "Канал 3", "Канал 4", "Канал 5", "Канал 6", "Канал 7", "Канал 8"})
        list->Items()->Add(s);
    list->SetImageList(images);
    list->SetOnGetImageIndex([](TObject*, int Item, int& Image) { Image = Item % 3; });
    list->SetBounds(40, 300, 140, 0);
    list->SetRowCount(6);
    list->SetItemIndex(2);
    list->Show();

    auto* mru = new TMRUListboxLt(&form);
    mru->SetParent(&form);
    for (int i = 1; i <= 20; ++i)
        mru->Items()->Add("Схема " + std::to_string(i));
    mru->SetBounds(200, 300, 140, 0);
    mru->SetRowCount(6);
    mru->SetItemIndex(0);
    mru->Perform(WM_DROPDOWNSIDE, 2);   // opened above its editor: grip at the top
    mru->Perform(WM_DROPDOWNSIDE, 1);   // left edge kept: grip at the top right
    mru->Show();

    auto* calendar = new TPopupMonthCalendarLt(&form);
    calendar->SetParent(&form);
    calendar->SetDate(EncodeDate(2024, 2, 14));
    calendar->SetWeekNumbers(true);
    calendar->SetLeft(360);
    calendar->SetTop(300);
    calendar->Show();

    const auto [flatCalc, raisedCalc] = MakeGalleryCalculators(&form);

    auto* specRow = new TSpecRowView(&form);
    specRow->SetParent(&form);
    specRow->SetVisible(false);

    const std::unique_ptr<TForm> editors = MakeEditorsGallery(images);
    editors->Show();
    TDBComboBoxLt* dropped = nullptr;
    const std::unique_ptr<TForm> combos = MakeCombosGallery(images, dropped);
    combos->SetTop(editors->Top() + editors->Height() + 40);
    combos->Show();
    TDBNumberEditLt* calculating = nullptr;
    const std::unique_ptr<TForm> numbers = MakeNumberEditsGallery(calculating);
    numbers->SetTop(combos->Top() + combos->Height() + 40);
    numbers->Show();
    const std::unique_ptr<TForm> checkBoxes = MakeCheckBoxesGallery();
    checkBoxes->Show();
    QTest::qWait(100);
    calculating->SetFocus();
    calculating->DropDown();
    QTest::qWait(100);
    const QImage numberLooks = Grab(numbers.get());
    const QImage droppedCalculator = Grab(calculating->CalculatorPopup());
    const QPoint calculatorAt = numbers->Widget()->mapFromGlobal(calculating->CalculatorPopup()->Widget()->pos());
    calculating->CloseUp(false);
    dropped->SetFocus();
    dropped->DropDown();

    QTest::qWait(300);

    const QImage top = Grab(&form);
    const QImage editorLooks = editors->Widget()->grab().toImage();
    const QImage popups[] = {Grab(list), Grab(mru), Grab(calendar), Grab(flatCalc), Grab(raisedCalc)};
    const QImage row = Grab(specRow);
    const QImage comboLooks = Grab(combos.get());
    const QImage droppedList = Grab(dropped->PopupList());
    const QImage checkBoxLooks = Grab(checkBoxes.get());
    const QPoint listAt = combos->Widget()->mapFromGlobal(dropped->PopupList()->Widget()->pos());
    constexpr int gap = 16;
    int width = top.width();
    int popupsWidth = gap;
    int popupsHeight = 0;
    for (const QImage& p : popups) {
        popupsWidth += p.width() + gap;
        popupsHeight = std::max(popupsHeight, p.height());
    }
    width = std::max({width, popupsWidth, row.width() + 2 * gap, editorLooks.width() + 2 * gap,
                      comboLooks.width() + 2 * gap, checkBoxLooks.width() + 2 * gap});
    const int combosHeight = std::max(comboLooks.height(), listAt.y() + droppedList.height());
    width = std::max(width, numberLooks.width() + 2 * gap);
    const int numbersHeight = std::max(numberLooks.height(), calculatorAt.y() + droppedCalculator.height());
    QImage out(width,
               top.height() + popupsHeight + row.height() + editorLooks.height() + combosHeight + numbersHeight +
                   checkBoxLooks.height() + 8 * gap,
               QImage::Format_RGB32);
    out.fill(QColor(200, 200, 200));
    QPainter painter(&out);
    painter.drawImage(0, 0, top);
    int x = gap;
    const int y = top.height() + gap;
    for (const QImage& p : popups) {
        painter.drawImage(x, y, p);
        x += p.width() + gap;
    }
    painter.drawImage(gap, y + popupsHeight + gap, row);
    const int editorsTop = y + popupsHeight + row.height() + 2 * gap;
    painter.drawImage(gap, editorsTop, editorLooks);
    // The combo boxes with the dropped-down list where it shows on screen.
    const int combosTop = editorsTop + editorLooks.height() + gap;
    painter.drawImage(gap, combosTop, comboLooks);
    painter.drawImage(gap + listAt.x(), combosTop + listAt.y(), droppedList);
    // The number edits with the calculator where it showed.
    const int numbersTop = combosTop + combosHeight + gap;
    painter.drawImage(gap, numbersTop, numberLooks);
    painter.drawImage(gap + calculatorAt.x(), numbersTop + calculatorAt.y(), droppedCalculator);
    painter.drawImage(gap, numbersTop + numbersHeight + gap, checkBoxLooks);
    painter.end();
    if (!out.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
