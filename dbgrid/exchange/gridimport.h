#pragma once
// Importers of the data grid: each reads records in one format from a
// stream into the dataset's fields through the grid's columns: into the
// selected records, cells or columns, or from the current cell on (and
// appended after the last record) when nothing is selected.
#include <functional>
#include <string>

#include "dbgrid/core/columnslt.h"

class TColumnLt;
class TCustomDBGridLt;
class TDataSet;
class TField;
class TStream;

class TDBGridLtImport {
public:
    TDBGridLtImport() = default;
    TDBGridLtImport(const TDBGridLtImport&) = delete;
    TDBGridLtImport& operator=(const TDBGridLtImport&) = delete;
    virtual ~TDBGridLtImport() = default;

    TCustomDBGridLt* DBGrid() const { return FDBGrid; }
    void SetDBGrid(TCustomDBGridLt* Value) { FDBGrid = Value; }

    // Reads Stream into the grid's dataset; ForAll starts at the first
    // cell of the first record with nothing selected. The dataset's
    // controls are disabled meanwhile; unless a record was being inserted,
    // the record that was current is current again afterwards.
    virtual void LoadFromStream(TStream& Stream, bool ForAll);
    virtual void LoadFromFile(const std::string& FileName, bool ForAll);

protected:
    virtual void GetPrefix() {}
    virtual void GetSuffix() {}
    // Reads one record into the current record through Columns (value n
    // into column n); false when the data ended inside the record.
    virtual bool GetRecord(const TColumnsLtList& Columns) = 0;

    TStream& Stream() const { return *FStream; }
    // The bytes from the stream's position to its end.
    std::string ReadRest();
    // No more data to read.
    bool Eos() const { return FEos; }
    void SetEos() { FEos = true; }
    // Writes a value into the column's field (the key field of a lookup
    // column) through Assign, when the column and the dataset may be
    // edited; the dataset is put in edit state first. An error while
    // assigning asks whether to go on ("All" stops asking, "No" ends the
    // import silently).
    void WriteColumnValue(TColumnLt& Column, const std::function<void(TField& Field)>& Assign);

private:
    // GetRecord, cancelling the record when an error or the end of the
    // data breaks it off; whether it was read whole.
    bool ReadWholeRecord(TDataSet& DataSet, const TColumnsLtList& Columns);
    void ReadNewRecords(TDataSet& DataSet, const TColumnsLtList& Columns, bool Appending);

    TCustomDBGridLt* FDBGrid = nullptr;
    TStream* FStream = nullptr;
    bool FEos = false;
    bool FIgnoreAll = false;
};

// Makes an importer of the class for Grid and reads Stream with it.
template <class TImporter>
void ImportGridFromStream(TCustomDBGridLt* Grid, TStream& Stream, bool ForAll)
{
    TImporter importer;
    importer.SetDBGrid(Grid);
    importer.LoadFromStream(Stream, ForAll);
}
