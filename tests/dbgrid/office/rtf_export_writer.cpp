// Writes the RTF export of a small grid (titles FID and FNAME, three
// records whose texts need escaping) to the file named by its argument,
// for a real word processor to open.
#include <cstdio>
#include <memory>
#include <string>

#include "dbgrid/core/dbgridlt.h"
#include "dbgrid/exchange/gridexportrtf.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/fields.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.rtf\n", argv[0]);
        return 2;
    }
    TApplication application(nullptr);
    application.Initialize();
    const auto form = std::make_unique<TForm>(nullptr);
    auto* table = new TClientDataSet(form.get());
    auto* id = new TIntegerField(form.get());
    id->SetFieldName("FID");
    id->SetDataSet(table);
    auto* name = new TStringField(form.get());
    name->SetFieldName("FNAME");
    name->SetSize(20);
    name->SetDataSet(table);
    table->CreateDataSet();
    const std::pair<int, const char*> records[] = {{5, "a\"b"}, {6, "Я{x}\\y"}, {7, "Схема 7"}};
    for (const auto& [key, text] : records) {
        table->Append();
        id->SetAsInteger(key);
        name->SetAsString(text);
        table->Post();
    }
    auto* source = new TDataSource(form.get());
    source->SetDataSet(table);
    auto* grid = new TDBGridLt(form.get());
    grid->SetParent(form.get());
    grid->SetDataSource(source);
    try {
        TDBGridLtExportAsRTF exporter;
        exporter.SetDBGrid(grid);
        exporter.SaveToFile(argv[1], true);
    } catch (const Exception& E) {
        std::fprintf(stderr, "%s\n", E.Message().c_str());
        return 1;
    }
    return 0;
}
