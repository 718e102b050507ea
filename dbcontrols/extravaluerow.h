#pragma once
// The special first row of a drop-down list: a row that stands for one extra
// value (for example "no value"), with its own cell texts, colour and font,
// chosen with a shortcut. The font follows the owner control's font and the
// colour the owner's colour until they are set explicitly.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/variant.h"
#include "platform/ui/graphics.h"
#include "platform/ui/shortcuts.h"

class TControl;

class TSpecRowLt : public TPersistent {
    LT_CLASS(TSpecRowLt)
public:
    explicit TSpecRowLt(TControl* AOwner = nullptr);
    ~TSpecRowLt() override;

    // Cells separated by ';'; a cell in double quotes may hold ';' (a
    // doubled quote is one quote); control characters around cells are
    // skipped.
    const std::string& CellsText() const { return FCellsText; }
    void SetCellsText(const std::string& Value);
    TColor Color() const;
    void SetColor(TColor Value);
    TFont* Font() const;
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool ShowIfNotInKeyList() const { return FShowIfNotInKeyList; }
    void SetShowIfNotInKeyList(bool Value);
    const Variant& Value() const { return FValue; }
    void SetValue(const Variant& Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    bool ColorAssigned() const { return FColorAssigned; }
    bool FontAssigned() const { return FFontAssigned; }
    int CellCount() const { return static_cast<int>(FCells.size()); }
    // The text of cell Index; '' outside the cells.
    std::string CellTextAt(int Index) const;

    // Changes between HoldChanges and ReleaseChanges are told once, at the
    // release.
    void HoldChanges() { ++FUpdateCount; }
    void ReleaseChanges();
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    TControl* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override;
    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler& Filer) override;

private:
    void Changed();
    void SyncFont() const;

    TControl* FOwner;
    std::string FCellsText;
    std::vector<std::string> FCells;
    TColor FColor = clWindow;
    bool FColorAssigned = false;
    std::unique_ptr<TFont> FFont;
    bool FFontAssigned = false;
    mutable bool FSyncingFont = false;
    TShortCut FShortCut = scAlt | VK_DELETE;
    bool FShowIfNotInKeyList = true;
    Variant FValue = Variant::Null();
    bool FVisible = false;
    int FUpdateCount = 0;
    TNotifyEvent FOnChange;
};

// The cells of a special row's CellsText.
std::vector<std::string> SplitSpecRowCells(const std::string& Text);
// CellsText of cells: joined by ';', a cell holding ';', a quote or a
// control character quoted (SplitSpecRowCells reads it back).
std::string JoinSpecRowCells(const std::vector<std::string>& Cells);
