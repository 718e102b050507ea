#pragma once
// Data sources connect datasets to the controls that show them; data links
// are the controls' end of that connection. A link sees a window of
// BufferCount rows around the cursor and hears what happens to the dataset
// through its virtual callbacks.
#include <vector>

#include "platform/data/dataset.h"

class TDataLink;

class TDataSource : public TComponent {
    LT_CLASS(TDataSource)
public:
    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool Value) { FAutoEdit = Value; }
    // A disabled source tells its links nothing but the change itself
    // (deDisabledStateChange, with the new Enabled as its information).
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TDataSetState State() const { return FDataSet ? FDataSet->State() : dsInactive; }
    void Edit();
    bool IsLinkedTo(const TDataSet* DataSet) const;

    const TNotifyEvent& OnDataChange() const { return FOnDataChange; }
    void SetOnDataChange(TNotifyEvent Value) { FOnDataChange = std::move(Value); }
    const TNotifyEvent& OnStateChange() const { return FOnStateChange; }
    void SetOnStateChange(TNotifyEvent Value) { FOnStateChange = std::move(Value); }

    const std::vector<TDataLink*>& DataLinks() const { return FDataLinks; }
    void AddDataLink(TDataLink* Link);
    void RemoveDataLink(TDataLink* Link);
    // Passes a dataset's event on to the links.
    void DataEvent(TDataEvent Event, intptr_t Info);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSet* FDataSet = nullptr;
    bool FAutoEdit = true;
    bool FEnabled = true;
    TDataSetState FLastState = dsInactive;
    std::vector<TDataLink*> FDataLinks;
    TNotifyEvent FOnDataChange;
    TNotifyEvent FOnStateChange;
};

class TDataLink {
public:
    TDataLink() = default;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;
    virtual ~TDataLink();

    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* Value);
    TDataSet* DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }
    bool Active() const { return FActive; }
    bool Editing() const { return FEditing; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool DataSourceFixed() const { return FDataSourceFixed; }
    void SetDataSourceFixed(bool Value) { FDataSourceFixed = Value; }

    // The window of rows this link shows.
    int BufferCount() const { return FBufferCount; }
    void SetBufferCount(int Value);
    int RecordCount() const;           // rows actually in the window
    // The window row the fields read (0-based); setting it points the
    // dataset's fields at that row without moving the cursor or any event.
    int ActiveRecord() const;
    void SetActiveRecord(int Value);
    int FirstRecord() const { return FFirstRecord; }

    // Puts the dataset in edit state when the link may; true when editing.
    bool Edit();
    // Writes the control's pending value into the field (UpdateData), once.
    void UpdateRecord();
    int MoveBy(int Distance);

    // Called by the data source; dispatches to the callbacks below.
    virtual void DataEvent(TDataEvent Event, intptr_t Info);
    // A dataset that takes its parameters through this link, if any.
    virtual TDataSet* DetailDataSet() const { return nullptr; }

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int Distance);
    virtual void EditingChanged() {}
    virtual void FocusControl(TField** Field);
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField*) {}
    virtual void UpdateData() {}

private:
    friend class TDataSource;
    void UpdateState();
    void SetActive(bool Value);
    void SetEditing(bool Value);
    void AdjustWindow(int Shift, int& Distance);

    TDataSource* FDataSource = nullptr;
    bool FActive = false;
    bool FEditing = false;
    bool FReadOnly = false;
    bool FDataSourceFixed = false;
    bool FUpdating = false;
    int FBufferCount = 1;
    int FFirstRecord = 0;
};

// A link through which a dataset follows another (the master) and takes its
// parameters from the master's current row.
class TMasterDataLink : public TDataLink {
public:
    explicit TMasterDataLink(TDataSet* Detail) : FDetail(Detail) {}
    TDataSet* DetailDataSet() const override { return FDetail; }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int Distance) override;
    void RecordChanged(TField* Field) override;

private:
    TDataSet* FDetail;
};
