#pragma once
// The steps grid with two shown columns (FID, FNAME) over three records
// that hold what the exchange formats must escape or quote: 5 and a"b,
// 6 and Я{tab}{}\ , 7 and null.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/streams.h"
#include "platform/ui/application.h"
#include "tests/dbgrid/core/dbgridtesting.h"

struct TExchangeGrid : TStepsGrid {
    TExchangeGrid() : TStepsGrid(0)
    {
        // A question nobody expected fails the test instead of waiting.
        TApplication::SetMessageBoxHook([](const std::string& Text, const std::string&, unsigned) {
            ADD_FAILURE() << "asked: " << Text;
            return IDCANCEL;
        });
        Delay->SetVisible(false);
        Channel->SetVisible(false);
        AddRecord(5, "a\"b");
        AddRecord(6, "Я\t{}\\");
        AddRecord(7, std::nullopt);
        Table->First();
    }

    ~TExchangeGrid() { TApplication::SetMessageBoxHook(nullptr); }

    void AddRecord(int Id, std::optional<std::string> Text)
    {
        Table->Append();
        Fid->SetAsInteger(Id);
        if (Text)
            Name->SetAsString(*Text);
        Table->Post();
    }

    // The table's records as "FID:FNAME" lines, null as "-".
    std::string Records() const
    {
        std::string out;
        const std::string bookmark = Table->Bookmark();
        for (Table->First(); !Table->Eof(); Table->Next())
            out += Fid->AsString() + ":" + (Name->IsNull() ? std::string("-") : Name->AsString()) + "\n";
        if (Table->BookmarkValid(bookmark))
            Table->GotoBookmark(bookmark);
        return out;
    }
};

template <class TExporter>
std::string Exported(TCustomDBGridLt* Grid, bool ForAll = true)
{
    TStringStream stream;
    ExportGridToStream<TExporter>(Grid, stream, ForAll);
    return stream.DataString();
}
