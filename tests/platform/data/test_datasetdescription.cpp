// A dataset's persistent fields travel with it through a stored description,
// so that what is written reads back, references to the fields included.
#include <gtest/gtest.h>

#include "platform/data/clientdataset.h"
#include "platform/data/fields.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

namespace {

const char* const kTablesWithFields = "object Root: TComponent\n"
                                      "  object cdsSchemes: TClientDataSet\n"
                                      "    object cdsSchemesFNAME: TStringField\n"
                                      "      FieldName = 'FNAME'\n"
                                      "      Required = True\n"
                                      "      Size = 50\n"
                                      "    end\n"
                                      "    object cdsSchemesqrySteps: TDataSetField\n"
                                      "      FieldName = 'qrySteps'\n"
                                      "    end\n"
                                      "  end\n"
                                      "  object cdsSteps: TClientDataSet\n"
                                      "    DataSetField = cdsSchemesqrySteps\n"
                                      "  end\n"
                                      "end\n";

TEST(DataSetDescription, PersistentFieldsAreWrittenInsideTheirDatasetAndReadBack)
{
    TComponent root(nullptr);
    ReadComponentFromText(root, kTablesWithFields, "tables.dfm");
    const std::string written = WriteComponentToText(root);
    EXPECT_EQ(written, kTablesWithFields);

    TComponent again(nullptr);
    ReadComponentFromText(again, written, "again.dfm");
    auto* steps = dynamic_cast<TClientDataSet*>(again.FindComponent("cdsSteps"));
    ASSERT_NE(steps, nullptr);
    EXPECT_EQ(steps->DataSetField(), again.FindComponent("cdsSchemesqrySteps"));
}

// Field classes set some properties themselves; a description keeps the
// opposite value and writes nothing when the value is the class's own.
TEST(DataSetDescription, PropertiesAFieldClassSetsItselfReadBackAsWritten)
{
    const char* const fields[] = {
        "    object f: TStringField\n      Size = 0\n    end\n",
        "    object f: TIntegerField\n      Alignment = taLeftJustify\n    end\n",
        "    object f: TDataSetField\n      ReadOnly = False\n    end\n",
        "    object f: TCurrencyField\n      Currency = False\n    end\n",
        "    object f: TAggregateField\n      ReadOnly = False\n      Visible = True\n    end\n",
        "    object f: TStringField\n    end\n",
        "    object f: TIntegerField\n    end\n",
    };
    for (const char* field : fields) {
        const std::string text =
            std::string("object Root: TComponent\n  object t: TClientDataSet\n") + field + "  end\nend\n";
        TComponent root(nullptr);
        ReadComponentFromText(root, text, "field.dfm");
        EXPECT_EQ(WriteComponentToText(root), text);
    }
}

} // namespace
