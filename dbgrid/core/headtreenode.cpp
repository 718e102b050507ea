// The multi-level title tree: its ring operations, its construction from the
// column captions and the band heights.
#include "dbgrid/core/headtreenode.h"

#include <algorithm>
#include <set>

#include "dbgrid/core/canvasguards.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"

namespace {

constexpr char WordSeparator = '|';
constexpr int GroupBandHeight = 20;
constexpr int SortMarkerRoom = 16;

// The leading word of a caption and where the next word starts
// (std::string::npos when there is none). Separators before the first word
// are skipped; a run of separators counts as one.
struct TCaptionWords {
    std::string First;
    std::size_t SecondStart = std::string::npos;
};

TCaptionWords SplitCaption(const std::string& Caption)
{
    TCaptionWords words;
    const std::size_t start = Caption.find_first_not_of(WordSeparator);
    if (start == std::string::npos)
        return words;
    const std::size_t end = Caption.find(WordSeparator, start);
    words.First = Caption.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end != std::string::npos)
        words.SecondStart = Caption.find_first_not_of(WordSeparator, end);
    return words;
}

// Groups the first leaf that has two words with the following leaves of the
// same parent and the same first word; false when no leaf has two words.
bool GroupOneRun(THeadTreeNode& Root, const std::vector<THeadTreeNode*>& Leaves)
{
    for (std::size_t i = 0; i < Leaves.size(); ++i) {
        const TCaptionWords words = SplitCaption(Leaves[i]->Caption);
        if (words.SecondStart == std::string::npos)
            continue;
        std::size_t last = i;
        while (last + 1 < Leaves.size() && Leaves[last + 1]->Parent == Leaves[i]->Parent &&
               SplitCaption(Leaves[last + 1]->Caption).First == words.First)
            ++last;
        Root.Group(Leaves[i], Leaves[last], GroupBandHeight, words.First);
        for (std::size_t j = i; j <= last; ++j) {
            const std::size_t second = SplitCaption(Leaves[j]->Caption).SecondStart;
            Leaves[j]->Caption = second == std::string::npos ? std::string() : Leaves[j]->Caption.substr(second);
        }
        return true;
    }
    return false;
}

// The height a band's caption needs.
int CaptionNeed(TCanvas* Canvas, const THeadTreeNode& Node, bool Vertical, int VTitleMargin)
{
    if (Node.Width <= 0)
        return 0;
    const std::string text = Node.Caption.empty() ? std::string(" ") : Node.Caption;
    if (Vertical)
        return Canvas->TextWidth(text) + 6;
    TRect rect{0, 0, Node.Width - Node.MarkerIndent - 4, 0};
    return Canvas->DrawText(text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX) + VTitleMargin;
}

} // namespace

THeadTreeNode::THeadTreeNode() = default;

THeadTreeNode::THeadTreeNode(const std::string& ACaption, int AWidth, int AHeight)
    : Caption(ACaption), Width(AWidth), Height(AHeight)
{
}

THeadTreeNode::~THeadTreeNode() = default;

std::unique_ptr<THeadTreeNode> THeadTreeNode::CreateWithCaption(const std::string& ACaption, int AWidth,
                                                                int AHeight)
{
    return std::make_unique<THeadTreeNode>(ACaption, AWidth, AHeight);
}

bool THeadTreeNode::Contains(const THeadTreeNode* Node) const
{
    const THeadTreeNode* sibling = this;
    do {
        if (sibling == Node || (sibling->FirstChild && sibling->FirstChild->Contains(Node)))
            return true;
        sibling = sibling->NextSibling;
    } while (sibling != this);
    return false;
}

void THeadTreeNode::CheckContains(const THeadTreeNode* Node) const
{
    if (!Node || !Contains(Node))
        throw Exception("Node not in Tree");
}

THeadTreeNode* THeadTreeNode::Root()
{
    THeadTreeNode* root = this;
    while (root->Parent)
        root = root->Parent;
    return root;
}

THeadTreeNode* THeadTreeNode::Adopt(std::unique_ptr<THeadTreeNode> Node)
{
    THeadTreeNode* node = Node.get();
    Root()->FOwned.push_back(std::move(Node));
    return node;
}

THeadTreeNode* THeadTreeNode::InsertAfter(THeadTreeNode* AAfter, const std::string& ACaption, int AWidth,
                                          int AHeight)
{
    CheckContains(AAfter);
    THeadTreeNode* node = Adopt(CreateWithCaption(ACaption, AWidth, AHeight));
    node->Parent = AAfter->Parent;
    node->NextSibling = AAfter->NextSibling;
    AAfter->NextSibling = node;
    return node;
}

THeadTreeNode* THeadTreeNode::AppendChild(THeadTreeNode* ANode, const std::string& ACaption, int AWidth,
                                          int AHeight)
{
    CheckContains(ANode);
    if (!ANode->FirstChild) {
        THeadTreeNode* node = Adopt(CreateWithCaption(ACaption, AWidth, AHeight));
        node->Parent = ANode;
        ANode->FirstChild = node;
        return node;
    }
    THeadTreeNode* last = ANode->FirstChild;
    while (last->NextSibling != ANode->FirstChild)
        last = last->NextSibling;
    return InsertAfter(last, ACaption, AWidth, AHeight);
}

void THeadTreeNode::ClearChildren()
{
    if (!FirstChild)
        return;
    std::set<const THeadTreeNode*> below;
    std::vector<const THeadTreeNode*> pending{FirstChild};
    while (!pending.empty()) {
        const THeadTreeNode* first = pending.back();
        pending.pop_back();
        const THeadTreeNode* node = first;
        do {
            below.insert(node);
            if (node->FirstChild)
                pending.push_back(node->FirstChild);
            node = node->NextSibling;
        } while (node != first);
    }
    FirstChild = nullptr;
    std::erase_if(Root()->FOwned, [&](const std::unique_ptr<THeadTreeNode>& Node) { return below.contains(Node.get()); });
}

int THeadTreeNode::Level() const
{
    int level = 0;
    for (const THeadTreeNode* node = Parent; node; node = node->Parent)
        ++level;
    return level;
}

THeadTreeNode* THeadTreeNode::Group(THeadTreeNode* AFrom, THeadTreeNode* ATo, int AHeight,
                                    const std::string& ACaption)
{
    CheckContains(AFrom);
    THeadTreeNode* parent = AFrom->Parent;
    const THeadTreeNode* ringStart = parent ? parent->FirstChild : AFrom;
    for (THeadTreeNode* node = AFrom; node != ATo;) {
        node = node->NextSibling;
        if (node == ringStart)
            throw Exception("ATo not in level");
    }
    THeadTreeNode* predecessor = AFrom;
    while (predecessor->NextSibling != AFrom)
        predecessor = predecessor->NextSibling;

    THeadTreeNode* group = InsertAfter(ATo, ACaption, 0, AHeight);
    // A run that was the whole ring leaves the group alone on it.
    if (group->NextSibling == AFrom)
        group->NextSibling = group;
    group->SeparatorWidth = ATo->SeparatorWidth;
    predecessor->NextSibling = group;
    group->FirstChild = AFrom;
    if (parent && parent->FirstChild == AFrom)
        parent->FirstChild = group;

    int sum = 0;
    for (THeadTreeNode* node = AFrom;; node = node->NextSibling) {
        node->Height -= AHeight;
        node->Parent = group;
        sum += node->Width + group->SeparatorWidth;
        if (node == ATo)
            break;
    }
    ATo->NextSibling = AFrom;
    group->Width = group->SeparatorWidth >= 1 ? sum - group->SeparatorWidth : sum;
    return group;
}

std::vector<THeadTreeNode*> THeadTreeNode::BuildFromColumns(const std::vector<TTitleColumnLt>& Columns,
                                                            int TitleRowHeight, bool ColLines)
{
    ClearChildren();
    std::vector<THeadTreeNode*> leaves;
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        const TTitleColumnLt& column = Columns[i];
        const int width = column.Visible ? column.Width : (ColLines ? -1 : 0);
        THeadTreeNode* leaf = AppendChild(this, column.Caption, width, TitleRowHeight);
        leaf->Column = static_cast<int>(i);
        leaf->MarkerIndent = column.SortMarked ? SortMarkerRoom : 0;
        leaf->SeparatorWidth = ColLines ? 1 : 0;
        leaves.push_back(leaf);
    }
    while (GroupOneRun(*this, leaves)) {
    }
    return leaves;
}

int THeadTreeNode::ComputeHeights(TCanvas* Canvas, const TFont* TitleFont, int VTitleMargin,
                                  const std::vector<TTitleColumnLt>& Columns)
{
    if (!FirstChild)
        return 0;
    struct TNeed {
        THeadTreeNode* Node;
        int Subtree;
    };
    std::vector<TNeed> needs;
    int level = 0;
    THeadTreeNode* child = FirstChild;
    do {
        const TTitleColumnLt* column = child->Column >= 0 ? &Columns.at(static_cast<std::size_t>(child->Column)) : nullptr;
        const int subtree = child->ComputeHeights(Canvas, TitleFont, VTitleMargin, Columns);
        int need = 0;
        {
            const TFontWhile font(Canvas, column && column->Font ? column->Font : TitleFont);
            need = CaptionNeed(Canvas, *child, column && column->Vertical, VTitleMargin);
        }
        level = std::max(level, need + subtree);
        needs.push_back({child, subtree});
        child = child->NextSibling;
    } while (child != FirstChild);
    for (const TNeed& n : needs)
        n.Node->Height = n.Node->FirstChild ? level - n.Subtree : level;
    Height = level;
    return level;
}
