#pragma once
// The provider between a client dataset and the dataset it reads: it packs
// the source's rows (and, nested inside them, the rows of every detail
// dataset that takes its parameters from the source) and writes a change log
// back as parameterised INSERT, UPDATE and DELETE statements, in the order
// the changes were made, in one transaction.
//
// A changed or deleted row is found by its key fields (pfInKey) when the
// table has any, else by its pfInWhere fields; SET and VALUES write the
// pfInUpdate fields. A statement that finds no row fails the whole apply.
#include <vector>

#include "platform/data/packet.h"

enum TProviderOption {
    poFetchBlobsOnDemand, poFetchDetailsOnDemand, poIncFieldProps, poCascadeDeletes, poCascadeUpdates,
    poReadOnly, poAllowMultiRecordUpdates, poDisableInserts, poDisableEdits, poDisableDeletes, poNoReset,
    poAutoRefresh, poPropogateChanges, poAllowCommandText, poRetainServerOrder
};
LT_ENUM_INFO(TProviderOption, poFetchBlobsOnDemand, poFetchDetailsOnDemand, poIncFieldProps, poCascadeDeletes,
             poCascadeUpdates, poReadOnly, poAllowMultiRecordUpdates, poDisableInserts, poDisableEdits,
             poDisableDeletes, poNoReset, poAutoRefresh, poPropogateChanges, poAllowCommandText,
             poRetainServerOrder)
using TProviderOptions = TSet<TProviderOption>;

class TDataSetProvider : public TComponent {
    LT_CLASS(TDataSetProvider)
public:
    explicit TDataSetProvider(TComponent* AOwner);

    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);
    TProviderOptions Options() const { return FOptions; }
    void SetOptions(TProviderOptions Value) { FOptions = Value; }

    // Opens the source (if closed) and packs its rows.
    TDataPacket GetData();
    // Writes the changes; on any failure rolls back and raises EDatabaseError
    // saying which change failed and why.
    void ApplyUpdates(const std::vector<TDeltaEntry>& Delta);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TPacketMeta DescribeDataSet(TDataSet& dataSet);
    void PackRows(TDataSet& dataSet, const TPacketMeta& meta, std::vector<TPacketRow>& rows,
                  const std::vector<TDataSet*>& details);

    TDataSet* FDataSet = nullptr;
    TProviderOptions FOptions;
};
