// The grid's editor on a word-wrapped column of a grid with multi-line
// rows: a multi-line window, Up and Down between its lines, typed Russian
// text reaching the field, and a picture of it.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/rtl/strutils.h"
#include "tests/dbgrid/editor/inplaceeditgrid.h"

namespace {
// Types Text (Russian letters included) one character at a time.
void TypeText(QWidget* Widget, const QString& Text)
{
    for (const QChar ch : Text) {
        QTest::sendKeyEvent(QTest::Press, Widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, Widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

const char* const kWrapped = "синий свет на сцене";

// The programme grid with three-line rows and a narrow, wrapped note column.
struct TWrapGrid : TProgrammeGrid {
    TWrapGrid()
    {
        Grid->SetRowLines(3);
        Column(cNote)->SetWordWrap(true);
        Column(cNote)->SetWidth(70);
        Table->Edit();
        Note->SetAsString(kWrapped);
        Table->Post();
    }
};
} // namespace

TEST(DBGridWordWrap, TheEditorOfAWrappedColumnIsMultiLineOnlyInMultiLineRows)
{
    TWrapGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->WordWrap());
    EXPECT_TRUE(editor->IsMultiLine());
    EXPECT_EQ(editor->Text(), kWrapped);
    EXPECT_GE(editor->LineCount(), 2);
    EXPECT_TRUE(editor->Focused());

    // Another column, and a grid of one-line rows, get the one-line window.
    editor = f.EditColumn(TProgrammeGrid::cValue);
    EXPECT_FALSE(editor->WordWrap());
    EXPECT_FALSE(editor->IsMultiLine());
    EXPECT_TRUE(editor->Focused());
    editor = f.EditColumn(TProgrammeGrid::cNote);
    EXPECT_TRUE(editor->IsMultiLine());
    f.Grid->SetEditorMode(false);
    f.Grid->SetRowLines(0);
    editor = f.EditColumn(TProgrammeGrid::cNote);
    EXPECT_FALSE(editor->IsMultiLine());
    EXPECT_EQ(editor->Text(), kWrapped);
}

TEST(DBGridWordWrap, UpAndDownMoveBetweenLinesAndReachTheGridAtTheEnds)
{
    TWrapGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TDBGridOptions{dgAlwaysShowEditor});
    struct Case {
        const char* Name;
        bool AllSelected;
        bool OnFirstLine;   // else on the last line
        Qt::Key Key;
        bool ReachesGrid;
    };
    const Case cases[] = {
        {"down from the first line", false, true, Qt::Key_Down, false},
        {"down from the last line", false, false, Qt::Key_Down, true},
        {"up from the last line", false, false, Qt::Key_Up, false},
        {"up from the first line", false, true, Qt::Key_Up, true},
        {"down with all selected", true, true, Qt::Key_Down, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Name);
        f.Table->First();
        if (k.Key == Qt::Key_Up)
            f.Table->Next();
        f.Table->Edit();
        f.Note->SetAsString(kWrapped);
        f.Table->Post();
        TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
        ASSERT_TRUE(editor->IsMultiLine());
        const int lines = editor->LineCount();
        ASSERT_GE(lines, 2);
        if (k.AllSelected) {
            editor->SelectAll();
        } else {
            editor->SetSelStart(k.OnFirstLine ? 1 : Utf8Length(kWrapped) - 1);
            ASSERT_EQ(editor->CaretLine(), k.OnFirstLine ? 0 : lines - 1);
        }
        const int recNo = f.Table->RecNo();
        QTest::keyClick(editor->Widget(), k.Key);
        EXPECT_EQ(f.Table->RecNo() != recNo, k.ReachesGrid);
        if (!k.ReachesGrid) {
            EXPECT_EQ(editor->CaretLine(), k.Key == Qt::Key_Down ? 1 : lines - 2);
        }
    }

    // Without an editor that is always shown the keys go to the grid.
    f.Grid->SetOptions(f.Grid->Options() - TDBGridOptions{dgAlwaysShowEditor});
    f.Table->First();
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    editor->SetSelStart(1);
    QTest::keyClick(editor->Widget(), Qt::Key_Down);
    EXPECT_EQ(f.Table->RecNo(), 2);
}

TEST(DBGridWordWrap, TypedRussianTextOfSeveralLinesArrivesInTheField)
{
    TWrapGrid f;
    f.Grid->SetOptions(f.Grid->Options() + TDBGridOptions{dgAlwaysShowEditor});
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    editor->SelectAll();
    const QString typed = QString::fromUtf8("ёлка в огнях, звёзды");
    TypeText(editor->Widget(), typed);
    ASSERT_EQ(editor->Text(), typed.toStdString());
    EXPECT_GE(editor->LineCount(), 2);
    editor->SelectAll();
    QTest::keyClick(editor->Widget(), Qt::Key_Down);
    EXPECT_EQ(f.Table->RecNo(), 2);
    f.Table->First();
    EXPECT_EQ(f.Note->AsString(), typed.toStdString());
}

TEST(DBGridWordWrap, TheWrappedEditorShowsItsLinesOverTheCell)
{
    TWrapGrid f;
    TDBGridInplaceEdit* editor = f.EditColumn(TProgrammeGrid::cNote);
    editor->SetSelStart(0);
    editor->Repaint();
    f.Grid->Repaint();
    const QImage image = OnScreen(*editor);
    image.save("wrapped_inplace_editor.png");
    // Text ink in the first and in the second line of the cell.
    const TRect ink = InkBounds(image, editor->Color());
    ASSERT_FALSE(IsRectEmpty(ink));
    TCanvas canvas;
    canvas.SetFont(editor->Font());
    EXPECT_GT(ink.Height(), canvas.TextHeight("Wg") + 2) << "the text takes more than one line";
    EXPECT_LE(ink.Right, editor->Width());
}
