#pragma once
// The distinct values of one field of a dataset, as sorted strings (equal
// values compared without case appear once). The list is read again on
// first use after the dataset, its data or its fields changed.
#include <memory>
#include <string>

#include "dbcontrols/datalinklt.h"
#include "dbcontrols/ltinterfaces.h"
#include "platform/data/datasource.h"
#include "platform/rtl/stringlist.h"

class TDatasetFieldValueListLt : public TObject, public IMemTableDataFieldValueListLt {
public:
    TDatasetFieldValueListLt();
    ~TDatasetFieldValueListLt() override;

    void BindField(const std::string& FieldName);
    void BindDataSet(TDataSet* DataSet);
    const std::string& FieldName() const { return FFieldName; }
    TDataSet* DataSet() const { return FDataSource->DataSet(); }
    bool Obsolete() const { return FObsolete; }

    // Reads the values again when the list is obsolete; the dataset is left
    // on its last row then.
    TStrings* ValueStrings() override;

private:
    void Refresh();

    std::unique_ptr<TStringList> FValues;
    std::string FFieldName;
    std::unique_ptr<TDataSource> FDataSource;
    TDataLinkLt FDataLink;   // after the source: goes first
    bool FObsolete = true;
};
