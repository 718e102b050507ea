// Renders data grids with every kind of title (plain, sort-marked, vertical,
// multi-level), check boxes, odd and even rows, the indicator's states,
// footers, a selection and a column's edit buttons, columns selected by
// clicks on their titles' strip with the selection cursor over it, the
// filter row's editor after a scroll, the grid's shared pictures enlarged,
// and the title rows of the multi-level grid's RTF export as text, into one
// picture for looking at them:
//   dbgrid_gallery OUTPUT.png
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/core/gridimageslt.h"
#include "dbgrid/core/gridstylelt.h"
#include "dbgrid/exchange/gridexportrtf.h"
#include "dbgrid/filter/inplacefilteredit.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/streams.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/imglist.h"
#include "tests/dbcontrols/tablefields.h"

namespace {
// A table of light steps: number, delay, name, on/off.
struct TStepsTable {
    TClientDataSet* Table;
    TDataSource* Source;

    explicit TStepsTable(TComponent* Owner, int Rows)
    {
        Table = new TClientDataSet(Owner);
        auto* id = AddTableField<TIntegerField>(Table, "FID");
        auto* delay = AddTableField<TIntegerField>(Table, "FDELAY");
        auto* name = AddTableField<TStringField>(Table, "FNAME", 20);
        auto* on = AddTableField<TBooleanField>(Table, "FON");
        id->SetDisplayLabel("№");
        delay->SetDisplayLabel("Задержка|мс");
        name->SetDisplayLabel("Задержка|Название шага");
        on->SetDisplayLabel("Вкл.");
        Table->CreateDataSet();
        for (int i = 1; i <= Rows; ++i) {
            Table->Append();
            id->SetAsInteger(i);
            delay->SetAsInteger(i * 150);
            name->SetAsString("Шаг " + std::to_string(i));
            on->SetAsBoolean(i % 3 != 0);
            Table->Post();
        }
        Table->First();
        Source = new TDataSource(Owner);
        Source->SetDataSet(Table);
    }
};

TDBGridLt* MakeGrid(TForm* Form, const TStepsTable& Steps, int Left, int Top, int Width, int Height)
{
    auto* grid = new TDBGridLt(Form);
    grid->SetParent(Form);
    grid->SetBounds(Left, Top, Width, Height);
    grid->SetDataSource(Steps.Source);
    return grid;
}

QImage Enlarged(const QImage& Image, int Scale)
{
    return Image.scaled(Image.width() * Scale, Image.height() * Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The shared pictures on the button face, four times their size.
QImage SharedPictures()
{
    constexpr int scale = 4, gap = 8;
    std::vector<QImage> pictures;
    for (int i = 0; i < GridIndicatorImages()->Count(); ++i)
        pictures.push_back(GridIndicatorImages()->Picture(i));
    for (int i = 0; i < GridSortMarkerImages()->Count(); ++i)
        pictures.push_back(GridSortMarkerImages()->Picture(i));
    for (const TGridCursorLt cursor : {gcDownLt, gcRightLt, gcLeftLt})
        pictures.push_back(GridCursor(cursor).pixmap().toImage());
    int width = gap, height = 0;
    for (const QImage& p : pictures) {
        width += p.width() * (p.width() > 16 ? 2 : scale) + gap;
        height = std::max(height, p.height() * (p.width() > 16 ? 2 : scale));
    }
    QImage out(width, height + 2 * gap, QImage::Format_RGB32);
    out.fill(QColor(240, 240, 240));
    QPainter painter(&out);
    int x = gap;
    for (const QImage& p : pictures) {
        const QImage big = Enlarged(p, p.width() > 16 ? 2 : scale);
        painter.drawImage(x, gap, big);
        x += big.width() + gap;
    }
    return out;
}

// A column that always shows its buttons: up-down arrows, a plus sign and
// a glyph of a red dot.
void ShowEditButtons(TDBGridLt* Grid)
{
    TColumnLt* delay = Grid->Columns()->Items(1);
    delay->SetWidth(130);
    delay->SetButtonStyle(cbsUpDown);
    delay->SetAlwaysShowEditButton(true);
    delay->EditButtons()->Add()->SetStyle(ebsPlusLt);
    TEditButtonLt* dot = delay->EditButtons()->Add();
    dot->SetStyle(ebsGlyphLt);
    TBitmap glyph;
    glyph.SetSize(9, 9);
    glyph.MutableImage()->fill(QColor(255, 0, 255));
    QPainter painter(glyph.MutableImage());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(1, 0, 7, 7);
    painter.end();
    dot->SetGlyph(&glyph);
}

// RTF text with each \uN? shown as its character, to be read.
QString WithUnicodeShown(const std::string& Rtf)
{
    QString out;
    for (std::size_t i = 0; i < Rtf.size(); ++i) {
        const std::size_t mark = Rtf.find('?', i);
        if (Rtf.compare(i, 2, "\\u") == 0 && mark != std::string::npos && mark > i + 2) {
            out += QChar(static_cast<char16_t>(std::stoi(Rtf.substr(i + 2, mark - i - 2))));
            i = mark;
        } else {
            out += QChar::fromLatin1(Rtf[i]);
        }
    }
    return out;
}

// The title rows of the grid's RTF export (up to the first record) as
// lines of text on white.
QImage RtfTitleText(TDBGridLt* Grid)
{
    TStringStream stream;
    ExportGridToStream<TDBGridLtExportAsRTF>(Grid, stream, true);
    const std::string rtf = stream.DataString();
    const std::size_t from = rtf.find("\\trowd");
    int titleRows = 1;
    for (const THeadTreeNode* leaf : Grid->TitleLeaves())
        titleRows = std::max(titleRows, leaf->Level());
    std::size_t to = from;
    for (int row = 0; row < titleRows && to != std::string::npos; ++row)
        to = rtf.find("\\trowd", to + 1);
    QStringList lines = WithUnicodeShown(rtf.substr(from, to - from)).split("\r\n");
    lines.prepend("RTF export, title rows (\\uN? shown as the character):");
    const int columns = 2, perColumn = (static_cast<int>(lines.size()) + columns - 1) / columns;
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(11);
    const int lineHeight = QFontMetrics(font).height(), columnWidth = 450;
    QImage out(columns * columnWidth, perColumn * lineHeight + 8, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        painter.drawText(4 + i / perColumn * columnWidth, 4 + (i % perColumn + 1) * lineHeight - 3, lines[i]);
    return out;
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
    form.SetCaption("Data grids");
    form.SetColor(clBtnFace);

    // Plain and sort-marked titles, odd and even rows, check boxes, footers.
    TStepsTable plainSteps(&form, 12);
    TDBGridLt* plain = MakeGrid(&form, plainSteps, 10, 10, 420, 250);
    plain->SetOddRowColor(RGBColor(255, 250, 235));
    plain->SetEvenRowColor(RGBColor(235, 245, 255));
    plain->SetOptionsLt(plain->OptionsLt() + TDBGridLtOptions{dghMultiSortMarking});
    plain->Columns()->Items(1)->Title()->SetCaption("Задержка, мс");
    plain->Columns()->Items(2)->Title()->SetCaption("Название");
    plain->Columns()->Items(1)->Title()->SetSortMarker(smDownLt);
    plain->Columns()->Items(2)->Title()->SetSortMarker(smUpLt);
    plain->Columns()->Items(1)->SetWidth(110);
    plain->Columns()->Items(2)->SetWidth(120);
    plain->SetFooterRowCount(1);
    plain->SumList()->SetActive(true);
    plain->Columns()->Items(0)->Footer()->SetValueType(fvtCount);
    plain->Columns()->Items(1)->Footer()->SetValueType(fvtSum);
    plain->Columns()->Items(2)->Footer()->SetValueType(fvtStaticText);
    plain->Columns()->Items(2)->Footer()->SetValue("Итого");
    plain->SetOptions(plain->Options() + TDBGridOptions{dgMultiSelect});
    plainSteps.Table->MoveBy(1);
    plain->SelectedRows()->SelectCurrentRow(true);
    plainSteps.Table->MoveBy(1);
    plain->SelectedRows()->SelectCurrentRow(true);
    plainSteps.Table->MoveBy(1);

    // Multi-level and vertical titles, with the grid style's blended highlight.
    TStepsTable multiSteps(&form, 8);
    TDBGridLt* multi = MakeGrid(&form, multiSteps, 450, 10, 420, 250);
    TDBGridLtStyle style;
    multi->SetStyle(&style);
    multi->SetUseMultiTitle(true);
    multi->Columns()->Items(3)->Title()->SetOrientation(tohVertical);
    multi->Columns()->Items(2)->SetWidth(140);
    multi->SetOptionsLt(multi->OptionsLt() + TDBGridLtOptions{dghRowHighlight});
    multi->Selection()->ColumnList()->SelectColumn(multi->Columns()->Items(1), false);

    // The indicator's states: editing, inserting, searching.
    TStepsTable editSteps(&form, 4), insertSteps(&form, 4), searchSteps(&form, 4);
    TDBGridLt* editing = MakeGrid(&form, editSteps, 10, 280, 280, 120);
    TDBGridLt* inserting = MakeGrid(&form, insertSteps, 300, 280, 280, 120);
    TDBGridLt* searching = MakeGrid(&form, searchSteps, 590, 280, 280, 120);
    editSteps.Table->MoveBy(1);
    editSteps.Table->Edit();
    insertSteps.Table->MoveBy(2);
    insertSteps.Table->Insert();
    searchSteps.Table->MoveBy(1);
    searching->SetIncSearchState(true, "Ша");

    // Flat look without 3D titles, and 3D data cells.
    TStepsTable flatSteps(&form, 6);
    TDBGridLt* flat = MakeGrid(&form, flatSteps, 10, 420, 420, 160);
    flat->SetFlat(true);
    TStepsTable framedSteps(&form, 6);
    TDBGridLt* framed = MakeGrid(&form, framedSteps, 450, 420, 420, 160);
    framed->SetOptionsLt(framed->OptionsLt() + TDBGridLtOptions{dghData3D, dghFooter3D});
    framed->SetFooterRowCount(1);
    framed->Columns()->Items(2)->Footer()->SetValueType(fvtStaticText);
    framed->Columns()->Items(2)->Footer()->SetValue("Подвал с длинным текстом");
    framed->Selection()->Rect()->Select(1, framedSteps.Table->Bookmark(), false);
    framedSteps.Table->MoveBy(2);
    framed->Selection()->Rect()->Select(2, framedSteps.Table->Bookmark(), true);

    // A column's edit buttons, in the 3D and the flat look.
    TStepsTable buttonSteps(&form, 3), flatButtonSteps(&form, 3);
    TDBGridLt* buttons = MakeGrid(&form, buttonSteps, 10, 600, 420, 100);
    TDBGridLt* flatButtons = MakeGrid(&form, flatButtonSteps, 450, 600, 420, 100);
    flatButtons->SetFlat(true);
    ShowEditButtons(buttons);
    ShowEditButtons(flatButtons);

    // Columns selected by a click and a Ctrl+click on the bottom strip of
    // their titles; the mouse rests on another strip.
    TStepsTable selectSteps(&form, 6);
    TDBGridLt* selecting = MakeGrid(&form, selectSteps, 10, 710, 420, 160);
    // The filter row's editor, opened on the delay and typed into, follows
    // its cell when the grid scrolls one column.
    TStepsTable filterSteps(&form, 6);
    TDBGridLt* filtering = MakeGrid(&form, filterSteps, 450, 710, 420, 160);
    filtering->STFilter()->SetVisible(true);
    for (int i = 0; i < filtering->Columns()->Count(); ++i)
        filtering->Columns()->Items(i)->SetWidth(130);

    form.SetBounds(20, 20, 900, 900);
    form.Show();
    plain->SetFocus();
    QTest::qWait(300);

    const auto titleStrip = [](TDBGridLt* Grid, int DataCol) {
        const TRect r = Grid->CellBounds(Grid->DataToRawColumn(DataCol), 0);
        return QPoint((r.Left + r.Right) / 2, r.Bottom - 2);
    };
    QTest::mouseClick(selecting->Widget(), Qt::LeftButton, {}, titleStrip(selecting, 0));
    QTest::mouseClick(selecting->Widget(), Qt::LeftButton, Qt::ControlModifier, titleStrip(selecting, 2));
    const QPoint hover = titleStrip(selecting, 3);
    QTest::mouseMove(selecting->Widget(), hover);
    filtering->ShowFilterEditor(filtering->Columns()->Items(1));
    QTest::keyClicks(filtering->FilterEditor()->Widget(), "> 300");
    filtering->SetFirstShownCol(filtering->FirstShownCol() + 1);
    QTest::qWait(100);

    QImage grids = form.Widget()->grab().toImage();
    {
        // The cursor the selecting grid shows, where the mouse rests.
        const QCursor cursor = selecting->Widget()->cursor();
        const QPoint at = selecting->Widget()->mapTo(form.Widget(), hover) - cursor.hotSpot();
        QPainter overlay(&grids);
        overlay.drawPixmap(at, cursor.pixmap());
    }
    const QImage pictures = SharedPictures();
    const QImage rtf = RtfTitleText(multi);
    QImage out(std::max({grids.width(), pictures.width(), rtf.width()}),
               grids.height() + pictures.height() + rtf.height(), QImage::Format_RGB32);
    out.fill(QColor(200, 200, 200));
    QPainter painter(&out);
    painter.drawImage(0, 0, grids);
    painter.drawImage(0, grids.height(), pictures);
    painter.drawImage(0, grids.height() + pictures.height(), rtf);
    painter.end();
    for (TDBGridLt* grid :
         {plain, multi, editing, inserting, searching, flat, framed, buttons, flatButtons, selecting, filtering})
        grid->SetStyle(nullptr);
    if (!out.save(QString::fromStdString(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
