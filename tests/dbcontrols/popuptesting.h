#pragma once
// What the popup tests share: the application object (which also gives the
// screen), and an owner component that popups report their close-up to.
#include <vector>

#include "dbcontrols/ltinterfaces.h"
#include "tests/platform/ui/controltesting.h"

// A form that hosts popups the way an editor does and keeps what they asked.
class TPopupHostForm : public TForm, public IPopupOwnerLt {
public:
    explicit TPopupHostForm(TComponent* AOwner) : TForm(AOwner) {}
    void CloseUp(bool Accept) override { CloseUps.push_back(Accept); }
    std::vector<bool> CloseUps;
};
