// The multi-level title tree: grouping of captions that share leading
// words, the ring operations and their errors, and the band heights.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dbgrid/core/headtreenode.h"
#include "platform/rtl/exceptions.h"
#include "tests/platform/ui/canvastesting.h"

namespace {

std::vector<TTitleColumnLt> Columns(const std::vector<std::string>& Captions)
{
    std::vector<TTitleColumnLt> columns;
    for (const std::string& caption : Captions)
        columns.push_back({caption, true, 50});
    return columns;
}

// The children of Node as "caption(children) caption ...".
std::string Describe(const THeadTreeNode& Node)
{
    std::string text;
    const THeadTreeNode* child = Node.FirstChild;
    if (!child)
        return text;
    do {
        if (!text.empty())
            text += ' ';
        text += child->Caption;
        if (child->FirstChild)
            text += '(' + Describe(*child) + ')';
        child = child->NextSibling;
    } while (child != Node.FirstChild);
    return text;
}

std::string Built(const std::vector<std::string>& Captions)
{
    const auto root = THeadTreeNode::CreateWithCaption("Root", 0, 10);
    root->BuildFromColumns(Columns(Captions), 18, true);
    return Describe(*root);
}

} // namespace

TEST(HeadTree, GroupsAdjacentCaptionsByTheirLeadingWords)
{
    struct TCase {
        std::vector<std::string> Captions;
        std::string Tree;
    };
    const TCase cases[] = {
        {{"A|x", "A|y", "B"}, "A(x y) B"},
        {{"A|x", "B|y", "A|z"}, "A(x) B(y) A(z)"},
        {{"|x", "plain", "x"}, "|x plain x"},
        {{"A||x", "A|||y"}, "A(x y)"},
        {{"A|B|x", "A|B|y", "C"}, "A(B(x y)) C"},
        {{"Включить в ...|час.", "Включить в ...|мин.", "Выключить"}, "Включить в ...(час. мин.) Выключить"},
        // A run stays among the leaves of one parent: "B|z" gets its own B.
        {{"A|B|x", "A|B|y", "B|z"}, "A(B(x y)) B(z)"},
        // Each leaf loses its own first word, however long.
        {{"A||x", "A|y|z"}, "A(x y(z))"},
        {{"Long|x", "Long|yy|z", "L|w"}, "Long(x yy(z)) L(w)"},
        // Equal words compare case-sensitively.
        {{"a|x", "A|y"}, "a(x) A(y)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Tree);
        EXPECT_EQ(Built(c.Captions), c.Tree);
    }
}

TEST(HeadTree, LeavesKnowTheirColumnsAndGroupsSpanTheirWidths)
{
    struct TCase {
        bool ColLines;
        int HiddenWidth;
        int GroupWidth;
    };
    for (const TCase c : {TCase{true, -1, 50 + 1 + 70}, TCase{false, 0, 50 + 70}}) {
        SCOPED_TRACE(c.ColLines);
        std::vector<TTitleColumnLt> columns = Columns({"G|a", "G|hidden", "G|b", "other"});
        columns[1].Visible = false;
        columns[2].Width = 70;
        columns[2].SortMarked = true;
        const auto root = THeadTreeNode::CreateWithCaption("Root", 0, 10);
        const std::vector<THeadTreeNode*> leaves = root->BuildFromColumns(columns, 18, c.ColLines);
        ASSERT_EQ(leaves.size(), 4u);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(leaves[static_cast<std::size_t>(i)]->Column, i);
        EXPECT_EQ(leaves[1]->Width, c.HiddenWidth);
        EXPECT_EQ(leaves[2]->MarkerIndent, 16);
        EXPECT_EQ(leaves[0]->MarkerIndent, 0);
        EXPECT_EQ(leaves[0]->SeparatorWidth, c.ColLines ? 1 : 0);
        const THeadTreeNode* group = leaves[0]->Parent;
        ASSERT_NE(group, root.get());
        EXPECT_EQ(group->Caption, "G");
        EXPECT_EQ(group->Width, c.GroupWidth);
        EXPECT_EQ(group->Height, 20);
        EXPECT_EQ(leaves[0]->Height, 18 - 20);
        EXPECT_EQ(leaves[3]->Height, 18);
        EXPECT_EQ(group->Level(), 1);
        EXPECT_EQ(leaves[0]->Level(), 2);
        EXPECT_EQ(leaves[3]->Parent, root.get());
        EXPECT_EQ(root->FirstChild, group);
    }
}

TEST(HeadTree, RebuildingReplacesTheOldTree)
{
    const auto root = THeadTreeNode::CreateWithCaption("Root", 0, 10);
    root->BuildFromColumns(Columns({"A|x", "A|y"}), 18, true);
    const std::vector<THeadTreeNode*> leaves = root->BuildFromColumns(Columns({"B|x", "C"}), 18, true);
    EXPECT_EQ(Describe(*root), "B(x) C");
    EXPECT_TRUE(root->Contains(leaves[0]));
    root->ClearChildren();
    EXPECT_EQ(root->FirstChild, nullptr);
    EXPECT_FALSE(root->Contains(leaves[0]));
}

TEST(HeadTree, RingOperationsAndTheirErrors)
{
    const auto root = THeadTreeNode::CreateWithCaption("Root", 0, 10);
    EXPECT_EQ(root->NextSibling, root.get());
    THeadTreeNode* a = root->AppendChild(root.get(), "a", 10, 30);
    THeadTreeNode* c = root->AppendChild(root.get(), "c", 10, 30);
    THeadTreeNode* b = root->InsertAfter(a, "b", 10, 30);
    EXPECT_EQ(Describe(*root), "a b c");
    EXPECT_EQ(c->NextSibling, a);
    THeadTreeNode* inner = root->AppendChild(b, "inner", 5, 5);
    EXPECT_EQ(inner->Parent, b);
    EXPECT_TRUE(root->Contains(inner));

    const auto other = THeadTreeNode::CreateWithCaption("Other", 0, 10);
    THeadTreeNode* stranger = other->AppendChild(other.get(), "s", 1, 1);
    const auto message = [](const std::function<void()>& Action) {
        try {
            Action();
        } catch (const Exception& E) {
            return E.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { root->Group(stranger, stranger, 20, "G"); }), "Node not in Tree");
    EXPECT_EQ(message([&] { root->InsertAfter(stranger, "x", 1, 1); }), "Node not in Tree");
    EXPECT_EQ(message([&] { root->AppendChild(stranger, "x", 1, 1); }), "Node not in Tree");
    EXPECT_EQ(message([&] { root->Group(a, inner, 20, "G"); }), "ATo not in level");
    EXPECT_EQ(message([&] { root->Group(c, a, 20, "G"); }), "ATo not in level");
    EXPECT_EQ(Describe(*root), "a b(inner) c");

    THeadTreeNode* group = root->Group(b, c, 20, "G");
    EXPECT_EQ(Describe(*root), "a G(b(inner) c)");
    EXPECT_EQ(group->Width, 20);
    EXPECT_EQ(b->Height, 10);
}

TEST(HeadTree, BandHeightsFollowTheMeasuredCaptions)
{
    auto bitmap = MakeBitmap(10, 10);
    TCanvas* canvas = bitmap->Canvas();
    TFont titleFont;
    const int line = [&] {
        canvas->SetFont(&titleFont);
        return canvas->TextHeight("Ag");
    }();
    constexpr int margin = 4;

    // A wide group over two leaves, one of them narrow enough to wrap onto
    // two lines, and a vertical caption beside them.
    std::vector<TTitleColumnLt> columns = Columns({"Group|one", "Group|two words", "Vertical caption"});
    columns[1].Width = canvas->TextWidth("words") + 8;
    columns[2].Vertical = true;
    const auto root = THeadTreeNode::CreateWithCaption("Root", 0, 10);
    const std::vector<THeadTreeNode*> leaves = root->BuildFromColumns(columns, 18, true);
    const int height = root->ComputeHeights(canvas, &titleFont, margin, columns);

    const int leafLevel = 2 * line + margin;
    const int vertical = canvas->TextWidth("Vertical caption") + 6;
    const int groupBand = line + margin;
    EXPECT_EQ(leaves[0]->Height, leafLevel);
    EXPECT_EQ(leaves[1]->Height, leafLevel);
    EXPECT_EQ(height, std::max(vertical, groupBand + leafLevel));
    EXPECT_EQ(root->Height, height);
    EXPECT_EQ(leaves[2]->Height, height);
    EXPECT_EQ(leaves[0]->Parent->Height, height - leafLevel);

    // A hidden column needs no room.
    columns[2].Visible = false;
    root->BuildFromColumns(columns, 18, true);
    EXPECT_EQ(root->ComputeHeights(canvas, &titleFont, margin, columns), groupBand + leafLevel);
}
