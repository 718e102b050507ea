#pragma once
// Values between a variable's buffer and Variants (or a row store).
//
// Parameters travel in a few forms whatever type the server described: exact
// numbers as a 64-bit integer with the parameter's scale and floating point
// as double (the server converts and checks the column's range), text as a
// VARCHAR as long as the value (the server checks the length in characters);
// dates, times, booleans and blobs as described.
#include <vector>

#include "platform/data/rowstore.h"
#include "platform/sql/fbarea.h"

// Gives an input variable the form this layer sends and its buffer room.
void PrepareParamVar(XSQLVAR& var, std::vector<char>& data);
// Stores `value` for the parameter (Null and Unassigned make it NULL); a blob
// parameter keeps the bytes in slot.BlobText until Execute creates the blob.
void WriteParam(XSQLVAR& var, TFbSlot& slot, const Variant& value);
// The value in an output variable's buffer.
Variant ReadVar(const XSQLVAR& var, const TFbColumn& column, const TFbSlot& slot, TFbDatabase& database,
                TFbTransaction& transaction);
// Stores the value in an output variable's buffer in a row's column as
// ReadVar gives it; integers and texts go there straight from the buffer.
void StoreVar(const XSQLVAR& var, const TFbColumn& column, const TFbSlot& slot, TFbDatabase& database,
              TFbTransaction& transaction, TRowStore& rows, TStoredRow& row, int target);
