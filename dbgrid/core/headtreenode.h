#pragma once
// The tree of caption bands of a multi-level title row: a group band over
// the columns whose captions share a leading word ("Включить в ...|час.",
// "Включить в ...|мин."), the rest of each caption in its column's leaf.
// Siblings form a ring (the last one's NextSibling is the parent's
// FirstChild); the root owns every node below it.
#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TFont;

// What the tree needs of one column of the grid.
struct TTitleColumnLt {
    std::string Caption;
    bool Visible = true;
    int Width = 64;
    // The title shows a sort marker (16 pixels kept free at its right).
    bool SortMarked = false;
    // The caption is turned to read from bottom to top.
    bool Vertical = false;
    // The title's font; the grid's title font when null.
    const TFont* Font = nullptr;
};

class THeadTreeNode {
public:
    THeadTreeNode();
    THeadTreeNode(const std::string& ACaption, int AWidth, int AHeight);
    ~THeadTreeNode();
    THeadTreeNode(const THeadTreeNode&) = delete;
    THeadTreeNode& operator=(const THeadTreeNode&) = delete;

    static std::unique_ptr<THeadTreeNode> CreateWithCaption(const std::string& ACaption, int AWidth, int AHeight);

    // Node is this node, a sibling on its ring, or below any of them.
    bool Contains(const THeadTreeNode* Node) const;
    // A new node after AAfter in its ring ("Node not in Tree" when AAfter
    // is not in this tree).
    THeadTreeNode* InsertAfter(THeadTreeNode* AAfter, const std::string& ACaption, int AWidth, int AHeight);
    // A new last child of ANode.
    THeadTreeNode* AppendChild(THeadTreeNode* ANode, const std::string& ACaption, int AWidth, int AHeight);
    void ClearChildren();
    // Parents above the node: 0 for the root.
    int Level() const;
    // Puts the siblings AFrom ... ATo under a new group node AHeight high
    // that spans their widths ("Node not in Tree", "ATo not in level").
    THeadTreeNode* Group(THeadTreeNode* AFrom, THeadTreeNode* ATo, int AHeight, const std::string& ACaption);

    // Rebuilds the children from the columns' captions, grouping adjacent
    // columns whose captions share leading words ('|' separates words).
    // Answers each column's leaf, in column order.
    std::vector<THeadTreeNode*> BuildFromColumns(const std::vector<TTitleColumnLt>& Columns, int TitleRowHeight,
                                                 bool ColLines);
    // Sets the band heights below this node from the captions measured on
    // Canvas (leaves in their column's font, groups in TitleFont) and answers
    // the height of the whole title.
    int ComputeHeights(TCanvas* Canvas, const TFont* TitleFont, int VTitleMargin,
                       const std::vector<TTitleColumnLt>& Columns);

    std::string Caption;
    int Width = 0;
    int Height = 0;
    THeadTreeNode* Parent = nullptr;
    THeadTreeNode* FirstChild = nullptr;
    THeadTreeNode* NextSibling = this;
    int MarkerIndent = 0;
    int SeparatorWidth = 0;
    // The column a leaf stands for (its index among the grid's columns);
    // -1 for group nodes and the root.
    int Column = -1;
    bool Painted = false;

private:
    THeadTreeNode* Root();
    THeadTreeNode* Adopt(std::unique_ptr<THeadTreeNode> Node);
    void CheckContains(const THeadTreeNode* Node) const;
    // Nodes created below a root, freed with it.
    std::vector<std::unique_ptr<THeadTreeNode>> FOwned;
};
