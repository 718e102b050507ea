#pragma once
// Cells of the main window's grids as the operator sees and clicks them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/fDM.h"
#include "app/fMain.h"
#include "dbgrid/core/dbgridlt.h"

// Types each character to whichever widget of Window has the keyboard at
// that moment: the first one opens a grid's editor, the rest go to it.
inline void TypeInto(QWidget* Window, const char* Text)
{
    for (const QChar ch : QString::fromUtf8(Text)) {
        QWidget* target = Window->focusWidget() ? Window->focusWidget() : Window;
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// The grid row that shows record RecNo while the first record is at the top.
inline int GridRowOf(const TDBGridLt* Grid, int RecNo)
{
    return Grid->TitleRowCount() + RecNo - 1;
}

inline TRect DataCellBounds(const TDBGridLt* Grid, int DataCol, int RecNo)
{
    return Grid->CellBounds(Grid->DataToRawColumn(DataCol), GridRowOf(Grid, RecNo));
}

inline QPoint CellCentre(const TDBGridLt* Grid, int DataCol, int RecNo)
{
    const TRect r = DataCellBounds(Grid, DataCol, RecNo);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// How often each colour is painted in a cell.
inline std::map<QRgb, int> ColoursOfCell(TDBGridLt* Grid, int DataCol, int RecNo)
{
    const QImage image = Grid->Widget()->grab().toImage();
    const TRect r = DataCellBounds(Grid, DataCol, RecNo);
    std::map<QRgb, int> counts;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            ++counts[image.pixel(x, y)];
    return counts;
}

// A cell's background as painted: its most common colour.
inline QColor BackgroundOfCell(TDBGridLt* Grid, int DataCol, int RecNo)
{
    const std::map<QRgb, int> counts = ColoursOfCell(Grid, DataCol, RecNo);
    return QColor(
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first);
}

// The colour of a cell's text as painted: of the cell's pixels, the one
// farthest from the cell's most common colour (its background).
inline QColor InkOfCell(TDBGridLt* Grid, int DataCol, int RecNo)
{
    const std::map<QRgb, int> counts = ColoursOfCell(Grid, DataCol, RecNo);
    const QColor background = BackgroundOfCell(Grid, DataCol, RecNo);
    const auto distance = [&background](const QColor& c) {
        return std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
               std::abs(c.blue() - background.blue());
    };
    QColor ink = background;
    for (const auto& [rgb, count] : counts)
        if (distance(QColor(rgb)) > distance(ink))
            ink = QColor(rgb);
    return ink;
}

// Whether a painted pixel is of the given pure colour (black, blue, red).
inline bool IsColour(const QColor& Ink, const QColor& Colour)
{
    return std::abs(Ink.red() - Colour.red()) <= 100 && std::abs(Ink.green() - Colour.green()) <= 100 &&
           std::abs(Ink.blue() - Colour.blue()) <= 100;
}

// Clicks a button of the main window, as the operator does.
inline void PressButton(const char* Name)
{
    auto* button = dynamic_cast<TControl*>(frmMain->FindComponent(Name));
    ASSERT_NE(button, nullptr) << Name;
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
}

// Drags with the left button down one column of a grid from one record's
// cell to another's, over the cells between, as the operator does.
inline void DragDownCells(TDBGridLt* Grid, int DataCol, int FromRecNo, int ToRecNo)
{
    QWidget* w = Grid->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, CellCentre(Grid, DataCol, FromRecNo));
    for (int recNo = FromRecNo + 1; recNo <= ToRecNo; ++recNo)
        QTest::mouseMove(w, CellCentre(Grid, DataCol, recNo));
    QTest::mouseRelease(w, Qt::LeftButton, {}, CellCentre(Grid, DataCol, ToRecNo));
}

// The channels of every step of the current scheme as "0"/"1" strings.
inline std::vector<std::string> StepChannels()
{
    std::vector<std::string> rows;
    TClientDataSet& steps = *DM->cdsLighting;
    const std::string current = steps.Bookmark();
    for (steps.First(); !steps.Eof(); steps.Next()) {
        std::string row;
        for (int c = 1; c <= 16; ++c)
            row += DM->ChannelField(c)->AsString();
        rows.push_back(row);
    }
    if (!current.empty() && steps.BookmarkValid(current))
        steps.GotoBookmark(current);
    return rows;
}
