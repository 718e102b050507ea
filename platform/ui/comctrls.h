#pragma once
// Common controls: progress bars, page controls with their tab sheets, and
// tool bars with their tool buttons.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/actnlist.h"
#include "platform/ui/componentref.h"
#include "platform/ui/imglist.h"
#include "platform/ui/controls.h"
#include "platform/ui/menus.h"
#include "platform/ui/qtsignals.h"


class TPageControl;
class TToolBar;

enum TProgressBarOrientation { pbHorizontal, pbVertical };
LT_ENUM_INFO(TProgressBarOrientation, pbHorizontal, pbVertical)

// A bar showing Position between Min and Max. StepIt advances by Step and,
// past Max, wraps round to start again from Min (by as much as it went past);
// setting Position or StepBy stays within the range.
class TProgressBar : public TWinControl {
    LT_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* AOwner);

    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Step() const { return FStep; }
    void SetStep(int Value) { FStep = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    void StepIt();
    void StepBy(int Delta);

protected:
    QWidget* CreateWidget() override;

private:
    void ApplyTo(QWidget* Bar) const;

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
    TControlPopup FPopup{this};
};

// A page of a page control: its Caption is the tab's text. In a description
// the sheets stand inside their page control.
class TTabSheet : public TWinControl {
    LT_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    // The position among the pages (-1 without a page control).
    int PageIndex() const;
    void SetPageIndex(int Value);
    // The index among the visible tabs (-1 when the tab is hidden).
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    void SetParent(TWinControl* Value) override;
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    const TNotifyEvent& OnHide() const { return FOnHide; }
    void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
    TControlPopup FPopup{this};
    TNotifyEvent FOnShow, FOnHide;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Tabbed pages. The user choosing a tab raises OnChanging (which may refuse)
// and OnChange; setting ActivePage from the program raises neither. The
// page hidden and the page shown get OnHide and OnShow, except when a page
// leaves the control.
class TPageControl : public TWinControl {
    LT_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The active tab among the visible ones (-1: none).
    int TabIndex() const;
    void SetTabIndex(int Value);
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    // The next (or previous) visible page after the active one, wrapping.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward) const;
    void SelectNextPage(bool GoForward);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    // The area the pages take: the control less its tabs and frame.
    TRect ClientRect() const override;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    const TTabChangingEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(TTabChangingEvent Value) { FOnChanging = std::move(Value); }

protected:
    QWidget* CreateWidget() override;
    void Resize() override;
    void Loaded() override;
    virtual void Change();
    virtual bool CanChange();

private:
    friend class TTabSheet;
    class TTabFilter;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void UpdateTab(TTabSheet* Page);
    void PlacePages();
    void CurrentChanged(int Index);
    int IndexOf(const TTabSheet* Page) const;

    std::vector<TTabSheet*> FPages;
    TComponentRef<TCustomImageList> FImages;
    int FImagesLink = 0;
    TTabSheet* FShownPage = nullptr;   // the page whose OnShow ran last
    int FChanging = 0;   // > 0 while the program changes the page
    int FRemoving = 0;   // > 0 while a page leaves: its tab goes without events
    TNotifyEvent FOnChange;
    TTabChangingEvent FOnChanging;
    TControlPopup FPopup{this};
    std::unique_ptr<TTabFilter> FTabFilter;
    TConnections FConnections;
};

enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
LT_ENUM_INFO(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
using TEdgeBorders = TSet<TEdgeBorder>;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
LT_ENUM_INFO(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

// A button of a tool bar, sized and placed by the bar. It shows the bar's
// image ImageIndex (greyed when disabled) and, with the bar's ShowCaptions,
// its caption below; its Hint is its tool tip. A check button stays down
// once clicked; Grouped check buttons next to each other release each other.
class TToolButton : public TGraphicControl {
    LT_CLASS(TToolButton)
public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value) { FGrouped = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    bool Indeterminate() const { return FIndeterminate; }
    void SetIndeterminate(bool Value);
    bool Marked() const { return FMarked; }
    void SetMarked(bool Value);
    // Starts a new row of the bar after this button.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu.Get(); }
    void SetDropdownMenu(TPopupMenu* Value) { FDropdownMenu.Set(Value); }
    TBasicAction* Action() const { return FActionLink.Action(); }
    void SetAction(TBasicAction* Value) { FActionLink.SetAction(Value); }
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    TToolBar* ToolBar() const;
    // The position among the bar's buttons (-1 without a bar).
    int Index() const;
    bool MouseInControl() const { return FMouseInControl; }

    virtual void Click();
    void SetParent(TWinControl* Value) override;
    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    void RequestLayout();
    void ReleaseGroup();

    TToolButtonStyle FStyle = tbsButton;
    int FImageIndex = -1;
    bool FDown = false;
    bool FGrouped = false;
    bool FAllowAllUp = false;
    bool FIndeterminate = false;
    bool FMarked = false;
    bool FWrap = false;
    bool FPressed = false;
    bool FMouseInControl = false;
    TComponentRef<TPopupMenu> FDropdownMenu;
    TControlActionLink FActionLink{this};
    TControlPopup FPopup{this};
};

// A bar of tool buttons laid left to right in their order (read from a
// description: in the order of their places there), wrapping to a
// new row where one does not fit (Wrapable) or after a button with Wrap.
// Buttons are ButtonWidth x ButtonHeight (more, to fit captions, with
// ShowCaptions); separators keep their own width. AutoSize fits the bar's
// height to its rows. EdgeBorders draws an etched line on those sides.
class TToolBar : public TCustomControl {
    LT_CLASS(TToolBar)
public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TToolButton* Buttons(int Index) const;
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value);
    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);
    TPopupMenu* PopupMenu() const { return FPopup.Menu(); }
    void SetPopupMenu(TPopupMenu* Value) { FPopup.SetMenu(Value); }

    // Places the buttons (and, with AutoSize, sizes the bar).
    void ArrangeButtons();
    // The bar less its edges.
    TRect ClientRect() const override;

protected:
    void Paint() override;
    void Resize() override;
    void Loaded() override;
    void FontChanged() override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* Button);
    void RemoveButton(TToolButton* Button);
    TSize ButtonSize(const TToolButton& Button) const;
    void ImagesChanged();

    std::vector<TToolButton*> FButtons;
    int FButtonHeight = 22;
    int FButtonWidth = 23;
    TComponentRef<TCustomImageList> FImages;
    int FImagesLink = 0;
    bool FShowCaptions = false;
    bool FFlat = false;
    bool FAutoSize = false;
    bool FWrapable = true;
    int FIndent = 0;
    TEdgeBorders FEdgeBorders{ebTop};
    bool FArranging = false;
    TControlPopup FPopup{this};
};
