#pragma once
// The title of a data grid column: caption, looks and the sort marker. Its
// explicit flags live in its column's set.
#include <memory>
#include <string>

#include "dbgrid/core/dbgridtypes.h"
#include "platform/rtl/alignment.h"
#include "platform/ui/graphics.h"

class TColumnLt;

class TColumnTitleLt : public TPersistent {
    LT_CLASS(TColumnTitleLt)
public:
    explicit TColumnTitleLt(TColumnLt* Column);
    ~TColumnTitleLt() override;

    TColumnLt* Column() const { return FColumn; }

    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TAlignment DefaultAlignment() const;
    // The field's DisplayName, else the column's FieldName, until set.
    std::string Caption() const;
    void SetCaption(const std::string& Value);
    std::string DefaultCaption() const;
    TColor Color() const;
    void SetColor(TColor Value);
    TColor DefaultColor() const;
    bool EndEllipsis() const;
    void SetEndEllipsis(bool Value);
    // Kept equal to the grid's TitleFont until edited.
    TFont* Font() const;
    void SetFont(const TFont* Value);
    const TFont* DefaultFont() const;
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TTextOrientationLt Orientation() const;
    void SetOrientation(TTextOrientationLt Value);
    bool TitleButton() const;
    void SetTitleButton(bool Value);
    bool ToolTips() const;
    void SetToolTips(bool Value);

    // Sort markers.
    int SortIndex() const { return FSortIndex; }
    void SetSortIndex(int Value);
    TSortMarkerLt SortMarker() const { return FSortMarker; }
    void SetSortMarker(TSortMarkerLt Value);
    void AdvanceSortMarker(bool KeepOthers);
    // The room the marker takes in the title (0 without a marker).
    int SortMarkerWidth() const;

    // Restores every default; the flags go.
    void ResetToDefaults();
    void RefreshFont() const;
    void Assign(const TPersistent* Source) override;

    bool CaptionStored() const;

private:
    void FontEdited();

    TColumnLt* FColumn;
    TAlignment FAlignment = taLeftJustify;
    std::string FCaption;
    TColor FColor = clBtnFace;
    bool FEndEllipsis = false;
    std::unique_ptr<TFont> FFont;
    mutable bool FFontCopying = false;
    std::string FHint;
    int FImageIndex = -1;
    TTextOrientationLt FOrientation = tohHorizontal;
    bool FTitleButton = false;
    bool FToolTips = false;
    int FSortIndex = 0;
    TSortMarkerLt FSortMarker = smNoneLt;
};
