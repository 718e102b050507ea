#pragma once
// How a combo box drops its list down.
#include "dbcontrols/dropdownplace.h"
#include "platform/rtl/persistent.h"

class TDropDownBoxLt : public TPersistent {
    LT_CLASS(TDropDownBoxLt)
public:
    TDropDownBoxLt() = default;

    TDropDownAlign Align() const { return FAlign; }
    void SetAlign(TDropDownAlign Value) { FAlign = Value; }
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }
    int Rows() const { return FRows; }
    void SetRows(int Value) { FRows = Value; }
    bool Sizable() const { return FSizable; }
    void SetSizable(bool Value) { FSizable = Value; }
    // 0: the editor's width; -1: the widest item.
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }

    // Copies Align, Rows, Width and Sizable.
    void Assign(const TPersistent* Source) override;

private:
    TDropDownAlign FAlign = daLeft;
    bool FAutoDrop = false;
    int FRows = 7;
    bool FSizable = false;
    int FWidth = 0;
};
