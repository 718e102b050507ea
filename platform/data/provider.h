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
#include <cstddef>
#include <string>
#include <vector>

#include "platform/data/packet.h"
#include "platform/rtl/exceptions.h"

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
    // The source's rows and its details', read anew.
    TDataPacket ReadPacket(TDataSet& source);
    TPacketMeta DescribeDataSet(TDataSet& dataSet);

    TDataSet* FDataSet = nullptr;
    TProviderOptions FOptions;
};

// One change and the provider that writes it.
struct TProviderChange {
    TDataSetProvider* Provider;
    TDeltaEntry Entry;
};

// A change could not be written: which one (0-based) and the database's reason.
class EApplyError : public EDatabaseError {
public:
    EApplyError(const std::string& Message, std::size_t Index, std::string Reason)
        : EDatabaseError(Message), FIndex(Index), FReason(std::move(Reason))
    {
    }
    std::size_t Index() const { return FIndex; }
    const std::string& Reason() const { return FReason; }

private:
    std::size_t FIndex;
    std::string FReason;
};

// Writes the changes in the order given, each through its provider, in one
// transaction (the providers' datasets share one connection). Commits when
// Commit is set, else rolls back: a trial of what the database would say.
// On the first failure rolls back and raises EApplyError.
void WriteChanges(const std::vector<TProviderChange>& Changes, bool Commit);
