#pragma once
// Swaps the decimal separator of the format settings for one scope.
#include <string>

#include "platform/rtl/formatsettings.h"

class TDecimalSeparator {
public:
    explicit TDecimalSeparator(const std::string& Separator) : FSaved(FormatSettings.DecimalSeparator)
    {
        FormatSettings.DecimalSeparator = Separator;
    }
    TDecimalSeparator(const TDecimalSeparator&) = delete;
    TDecimalSeparator& operator=(const TDecimalSeparator&) = delete;
    ~TDecimalSeparator() { FormatSettings.DecimalSeparator = FSaved; }

private:
    std::string FSaved;
};
