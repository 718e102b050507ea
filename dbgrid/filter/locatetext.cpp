#include "dbgrid/filter/locatetext.h"

#include <algorithm>

#include "dbgrid/core/controlsdisabled.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/strutils.h"

namespace {
// The position of the first column showing the field, -1 for none.
int ColumnOfField(const ILocateTextGridLt& Grid, const std::string& FieldName)
{
    for (int i = 0; i < Grid.FullyVisibleColumnCount(); ++i)
        if (const TField* field = Grid.ColumnField(i); field && SameText(field->FieldName(), FieldName))
            return i;
    return -1;
}

class TCellWalk {
public:
    TCellWalk(const ILocateTextGridLt& Grid, TDataSet& DataSet, bool AllColumns, int Column)
        : FDataSet(DataSet), FAllColumns(AllColumns), FCount(Grid.FullyVisibleColumnCount()),
          FColumn(std::clamp(Column, 0, FCount - 1))
    {
    }

    int Column() const { return FColumn; }
    void StartAtFirstRecord()
    {
        FDataSet.First();
        if (FAllColumns)
            FColumn = 0;
    }

    // One cell on; false at the end of the dataset.
    bool StepForward()
    {
        if (FAllColumns && FColumn + 1 < FCount) {
            ++FColumn;
            return true;
        }
        FDataSet.Next();
        if (FDataSet.Eof())
            return false;
        if (FAllColumns)
            FColumn = 0;
        return true;
    }

    bool StepBackward()
    {
        if (FAllColumns && FColumn > 0) {
            --FColumn;
            return true;
        }
        FDataSet.Prior();
        if (FDataSet.Bof())
            return false;
        if (FAllColumns)
            FColumn = FCount - 1;
        return true;
    }

private:
    TDataSet& FDataSet;
    bool FAllColumns;
    int FCount;
    int FColumn;
};

std::string CellText(const ILocateTextGridLt& Grid, int Column, unsigned Options)
{
    if (Options & ltoUseFormatLt)
        return Grid.ColumnDisplayText(Column);
    const TField* field = Grid.ColumnField(Column);
    return field ? field->AsString() : std::string();
}

bool Matches(const std::string& Text, const std::string& Pattern, int Matching)
{
    switch (Matching) {
    case ltmWholeFieldLt:
        return Text == Pattern;
    case ltmFieldStartLt:
        return Text.compare(0, Pattern.size(), Pattern) == 0;
    default:
        return Text.find(Pattern) != std::string::npos;
    }
}
} // namespace

bool LocateTextInDataSet(ILocateTextGridLt* Grid, const std::string& FieldName, const Variant&, int Matching,
                         int Direction, unsigned Options, const std::string& Text)
{
    TDataSet* dataSet = Grid ? Grid->LocateDataSet() : nullptr;
    if (!dataSet || !dataSet->Active() || Grid->FullyVisibleColumnCount() <= 0)
        return false;
    const bool ignoreCase = Options & ltoCaseInsensitiveLt;
    const std::string pattern = ignoreCase ? AnsiUpperCase(Text) : Text;
    const auto matchesHere = [&](int Column) {
        const std::string text = CellText(*Grid, Column, Options);
        return Matches(ignoreCase ? AnsiUpperCase(text) : text, pattern, Matching);
    };
    const TControlsDisabled disabled(dataSet);
    Grid->SaveRecordPosition();
    // One column is searched: the one showing the field asked for, else the
    // current one.
    const bool allColumns = Options & ltoAllColumnsLt;
    const int named = allColumns || FieldName.empty() ? -1 : ColumnOfField(*Grid, FieldName);
    TCellWalk walk(*Grid, *dataSet, allColumns, named >= 0 ? named : Grid->CurrentColumnPosition());
    bool found = false;
    if (Direction == ltdAllLt) {
        walk.StartAtFirstRecord();
        found = !dataSet->IsEmpty() && matchesHere(walk.Column());
    }
    while (!found && (Direction == ltdUpLt ? walk.StepBackward() : walk.StepForward()))
        found = matchesHere(walk.Column());
    if (!found) {
        Grid->RestoreRecordPosition();
        return false;
    }
    // The found column becomes current whatever the case rule, so that the
    // next search starts after this cell rather than finding it again.
    Grid->SetCurrentColumnPosition(walk.Column());
    return true;
}
