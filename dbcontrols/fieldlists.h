#pragma once
// Fields named by a ';'-separated list.
#include <string>
#include <vector>

#include "platform/rtl/variant.h"

class TComponent;
class TDataSet;
class TField;

using TFieldsArrLt = std::vector<TField*>;

// Adds to List (when given) the field of every name, in order. An unknown
// name raises EDatabaseError "Field 'X' not found" naming Component; nothing
// is added then.
void CollectFieldsByNames(std::vector<TField*>* List, const TDataSet* DataSet, const TComponent* Component,
                          const std::string& FieldNames);
// The same fields as an array.
void GetFieldsArray(const TDataSet* DataSet, const TComponent* Component, const std::string& FieldNames,
                    TFieldsArrLt& Fields);
// Clears every named field when Value is Null; otherwise sets the fields from
// Value (one value, or an array with one element per field).
void AssignFieldValues(TDataSet* DataSet, const std::string& FieldNames, const Variant& Value);
