#pragma once
// A data module: a root component that holds non-visual components (the
// connection, queries, client tables) and is created from its stored
// description. While it exists other descriptions can refer to its
// components by its name ("DM.dsSchemes").
#include "platform/rtl/component.h"

class TDataModule : public TComponent {
    LT_CLASS(TDataModule)
public:
    explicit TDataModule(TComponent* AOwner);
    ~TDataModule() override;

    const TNotifyEvent& OnCreate() const { return FOnCreate; }
    void SetOnCreate(TNotifyEvent Value) { FOnCreate = std::move(Value); }
    const TNotifyEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = std::move(Value); }

protected:
    // Reads the description into this module, then raises OnCreate; called
    // by the constructor of the descendant.
    void InitFromResource(const std::string& ResourceName);

private:
    TNotifyEvent FOnCreate;
    TNotifyEvent FOnDestroy;
};
