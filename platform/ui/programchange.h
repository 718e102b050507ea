#pragma once
// Counts a change the program makes to a native control, during which the
// control's change signals are not the operator's doing.
class TProgramChange {
public:
    explicit TProgramChange(int& Count) : FCount(Count) { ++FCount; }
    ~TProgramChange() { --FCount; }
    TProgramChange(const TProgramChange&) = delete;
    TProgramChange& operator=(const TProgramChange&) = delete;

private:
    int& FCount;
};
