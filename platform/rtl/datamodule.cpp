#include "platform/rtl/datamodule.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/resources.h"

LT_IMPLEMENT_CLASS(TDataModule, TComponent)
{
    P.Property("OnCreate", &TDataModule::OnCreate, &TDataModule::SetOnCreate);
    P.Property("OnDestroy", &TDataModule::OnDestroy, &TDataModule::SetOnDestroy);
}

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner)
{
    RegisterGlobalComponent(this);
}

TDataModule::~TDataModule()
{
    if (FOnDestroy)
        FOnDestroy(this);
    UnregisterGlobalComponent(this);
    DestroyComponents();
}

void TDataModule::InitFromResource(const std::string& ResourceName)
{
    ReadComponentResource(*this, ResourceName);
    if (FOnCreate)
        FOnCreate(this);
}
