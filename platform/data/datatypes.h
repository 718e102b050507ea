#pragma once
// The enumerations of the data-access layer.
#include "platform/rtl/typeinfo.h"

enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate,
    ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle,
    ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT, ftArray, ftReference,
    ftDataSet, ftOraBlob, ftOraClob, ftVariant, ftInterface, ftIDispatch, ftGuid, ftTimeStamp, ftFMTBcd
};
LT_ENUM_INFO(TFieldType, ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
             ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo,
             ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT,
             ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant, ftInterface, ftIDispatch, ftGuid,
             ftTimeStamp, ftFMTBcd)

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };
LT_ENUM_INFO(TFieldKind, fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate)

enum TDataSetState {
    dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue, dsOldValue,
    dsCurValue, dsBlockRead, dsInternalCalc, dsOpening
};
LT_ENUM_INFO(TDataSetState, dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue,
             dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc, dsOpening)

// What a dataset tells its data links; the numbers are fixed (the disabled
// state change is 14).
enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange, deUpdateRecord,
    deUpdateState, deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl, deParentScroll,
    deConnectChange, deReconcileError, deDisabledStateChange
};

enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };

enum TProviderFlag { pfInUpdate, pfInWhere, pfInKey, pfHidden };
LT_ENUM_INFO(TProviderFlag, pfInUpdate, pfInWhere, pfInKey, pfHidden)
using TProviderFlags = TSet<TProviderFlag>;

enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption>;

// The types whose values are texts.
inline bool IsTextType(TFieldType type)
{
    return type == ftString || type == ftFixedChar || type == ftWideString;
}

inline bool IsEditState(TDataSetState state)
{
    return state == dsEdit || state == dsInsert;
}
