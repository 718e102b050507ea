#pragma once
// Sets a flag for as long as it lives (a re-entrance guard that is cleared
// on every way out).

class TFlagSet {
public:
    explicit TFlagSet(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TFlagSet() { FFlag = false; }
    TFlagSet(const TFlagSet&) = delete;
    TFlagSet& operator=(const TFlagSet&) = delete;

private:
    bool& FFlag;
};
