#pragma once
// Storage interceptors of the grid's columns: a column's stored Width goes
// to the width automatic fitting starts from when the grid fits its
// widths; a column collection's stored order (ColumnsIndex, the field
// names in order) puts the columns in that order.
#include <string>

#include "platform/rtl/propinterceptors.h"

class TColumnLt;
class TDBGridColumnsLt;

class TColumnLtPropertyInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TColumnLtPropertyInterceptor)
public:
    explicit TColumnLtPropertyInterceptor(TPersistent* ATarget) : TStoragePropertyInterceptor(ATarget) {}

    // The base width while the grid fits widths automatically, else the
    // column's width. Writing sets the base width too while fitting.
    int Width() const;
    void SetWidth(int Value);

private:
    TColumnLt* Column() const;
    bool GridFits() const;
};

class TColumnsLtPropertyInterceptor : public TStoragePropertyInterceptor {
    LT_CLASS(TColumnsLtPropertyInterceptor)
public:
    explicit TColumnsLtPropertyInterceptor(TPersistent* ATarget) : TStoragePropertyInterceptor(ATarget) {}

    // Every column's FieldName in double quotes, separated by commas.
    // Writing moves the column named i-th (case-insensitively) to place i;
    // unknown names are skipped.
    std::string ColumnsIndex() const;
    void SetColumnsIndex(const std::string& Value);

private:
    TDBGridColumnsLt* Columns() const;
};
