#pragma once
// Raising an editor's OnUpdateData: Posting is set while the handler runs (a
// value the handler sets is not posted again) and cleared however it ends.

// Whether the handler posted the value itself.
template <class TEvent, class TSender>
bool RaiseUpdateData(const TEvent& Handler, TSender* Sender, bool& Posting)
{
    bool handled = false;
    if (Handler) {
        struct TReset {
            bool& Flag;
            ~TReset() { Flag = false; }
        } const reset{Posting};
        Posting = true;
        Handler(Sender, handled);
    }
    return handled;
}
