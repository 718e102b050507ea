#include "app/programme.h"

#include <algorithm>

#include "platform/rtl/format.h"

namespace {

constexpr int kMaxCount = 255;
constexpr int kMaxDelay = 65535;

const char* const kNotWritten = " Программа не записана !";

} // namespace

std::string ProgrammeFault(const TProgramme& Programme)
{
    const bool nothingToPlay =
        std::all_of(Programme.begin(), Programme.end(), [](const TProgrammeRow& row) { return row.Steps.empty(); });
    if (nothingToPlay)
        return std::string("В программе нет ни одного шага: записывать нечего.") + kNotWritten;
    for (const TProgrammeRow& row : Programme) {
        if (!row.SchemeFound)
            return Format("Строка программы № %d: схемы %d нет.", row.Number, row.Scheme) + kNotWritten;
        if (row.Count < 1 || row.Count > kMaxCount)
            return Format("Строка программы № %d, схема \"%s\": число повторов %d, а можно от 1 до %d.", row.Number,
                          row.SchemeName, row.Count, kMaxCount) +
                   kNotWritten;
        for (const TProgrammeStep& step : row.Steps)
            if (step.Delay < 1 || step.Delay > kMaxDelay)
                return Format("Схема \"%s\", шаг № %d: задержка %d мс, а можно от 1 до %d мс.", row.SchemeName,
                              step.Number, step.Delay, kMaxDelay) +
                       kNotWritten;
    }
    return {};
}
