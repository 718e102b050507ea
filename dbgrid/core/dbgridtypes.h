#pragma once
// The data grid's option sets and the enumerations its columns and titles
// publish.
#include "platform/rtl/typeinfo.h"

enum TDBGridOption {
    dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
    dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect
};
LT_ENUM_INFO(TDBGridOption, dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines,
             dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect)
using TDBGridOptions = TSet<TDBGridOption>;

enum TDBGridLtOption {
    dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghResizeWholeRightPart, dghHighlightFocus,
    dghClearSelection, dghFitRowHeightToText, dghAutoSortMarking, dghMultiSortMarking, dghEnterAsTab,
    dghTraceColSizing, dghIncSearch, dghPreferIncSearch, dghRowHighlight, dghDblClickOptimizeColWidth,
    dghDialogFind, dghRecordMoving
};
LT_ENUM_INFO(TDBGridLtOption, dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghResizeWholeRightPart,
             dghHighlightFocus, dghClearSelection, dghFitRowHeightToText, dghAutoSortMarking, dghMultiSortMarking,
             dghEnterAsTab, dghTraceColSizing, dghIncSearch, dghPreferIncSearch, dghRowHighlight,
             dghDblClickOptimizeColWidth, dghDialogFind, dghRecordMoving)
using TDBGridLtOptions = TSet<TDBGridLtOption>;

// The dataset changes the grid may start.
enum TDBGridLtAllowedOperation { alopInsertLt, alopUpdateLt, alopDeleteLt, alopAppendLt };
LT_ENUM_INFO(TDBGridLtAllowedOperation, alopInsertLt, alopUpdateLt, alopDeleteLt, alopAppendLt)
using TDBGridLtAllowedOperations = TSet<TDBGridLtAllowedOperation>;

// The kinds of selection.
enum TDBGridLtSelectionType { gstNon, gstRecordBookmarks, gstRectangle, gstColumns, gstAll };
LT_ENUM_INFO(TDBGridLtSelectionType, gstNon, gstRecordBookmarks, gstRectangle, gstColumns, gstAll)
using TDBGridLtAllowedSelections = TSet<TDBGridLtSelectionType>;

enum TColumnButtonStyleLt { cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown };
LT_ENUM_INFO(TColumnButtonStyleLt, cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown)

enum TTextOrientationLt { tohHorizontal, tohVertical };
LT_ENUM_INFO(TTextOrientationLt, tohHorizontal, tohVertical)

enum TSortMarkerLt { smNoneLt, smDownLt, smUpLt };
LT_ENUM_INFO(TSortMarkerLt, smNoneLt, smDownLt, smUpLt)

// What a column's cells show and how they are edited, from its settings.
enum TColumnKindLt { ckPlainLt, ckPickListLt, ckLookupLt, ckKeyPickListLt, ckKeyImagesLt, ckCheckBoxesLt };
LT_ENUM_INFO(TColumnKindLt, ckPlainLt, ckPickListLt, ckLookupLt, ckKeyPickListLt, ckKeyImagesLt, ckCheckBoxesLt)

// The column and title settings that were set explicitly (the others
// follow their default).
enum TColumnExplicitValueLt {
    cevColor, cevWidth, cevFont, cevAlignment, cevReadOnly, cevTitleColor, cevTitleCaption, cevTitleAlignment,
    cevTitleFont, cevTitleButton, cevTitleEndEllipsis, cevTitleToolTips, cevTitleOrientation, cevImeMode,
    cevImeName, cevWordWrap, cevLookupDisplayFields, cevCheckboxes, cevAlwaysShowEditButton, cevEndEllipsis,
    cevAutoDropDown, cevDblClickNextVal, cevToolTips, cevDropDownSizing, cevDropDownShowTitles, cevLayout,
    cevHighlightRequired, cevBiDiMode
};
LT_ENUM_INFO(TColumnExplicitValueLt, cevColor, cevWidth, cevFont, cevAlignment, cevReadOnly, cevTitleColor,
             cevTitleCaption, cevTitleAlignment, cevTitleFont, cevTitleButton, cevTitleEndEllipsis,
             cevTitleToolTips, cevTitleOrientation, cevImeMode, cevImeName, cevWordWrap, cevLookupDisplayFields,
             cevCheckboxes, cevAlwaysShowEditButton, cevEndEllipsis, cevAutoDropDown, cevDblClickNextVal,
             cevToolTips, cevDropDownSizing, cevDropDownShowTitles, cevLayout, cevHighlightRequired, cevBiDiMode)
using TColumnExplicitValuesLt = TSet<TColumnExplicitValueLt>;
