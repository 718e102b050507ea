#pragma once
// The graphic-control base of the port's displays: repaints held back while
// loading or inside an update bracket, bounds adjusted for auto-sizing, and
// notifications of the mouse entering and leaving, a font change and a text
// change. The platform's control fires OnMouseEnter and OnMouseLeave itself
// when it handles those messages; DoMouseEnter and DoMouseLeave follow for
// descendants.
#include "platform/ui/controls.h"

class TRsGraphicControl : public TGraphicControl {
    LT_CLASS(TRsGraphicControl)
public:
    explicit TRsGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner) {}

    void BeginUpdate() { ++FUpdateCount; }
    // Ends a bracket; the last one requests the repaint held back.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    const TNotifyEvent& OnFontChanged() const { return FOnFontChanged; }
    void SetOnFontChanged(TNotifyEvent Value) { FOnFontChanged = std::move(Value); }
    const TNotifyEvent& OnTextChanged() const { return FOnTextChanged; }
    void SetOnTextChanged(TNotifyEvent Value) { FOnTextChanged = std::move(Value); }

    void Dispatch(TMessage& Message) override;

protected:
    // Repaints unless loading or inside an update bracket.
    virtual void RequestRepaint();
    virtual void AutoSizeChanged();
    // Sets the bounds again so that a descendant's sizing applies; repaints
    // when they stay as they were (a new size repaints by itself).
    virtual void AdjustBounds();
    virtual void DoMouseEnter() {}
    virtual void DoMouseLeave() {}
    virtual void DoFontChanged();
    virtual void DoTextChanged();

private:
    int FUpdateCount = 0;
    bool FAutoSize = false;
    TNotifyEvent FOnFontChanged;
    TNotifyEvent FOnTextChanged;
};
