// Actions and action lists: what clients take from their action, running
// actions from clicks, and updating them when the application goes idle.
#include <gtest/gtest.h>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

namespace {

class TActionForm : public TForm {
    LT_CLASS(TActionForm)
public:
    explicit TActionForm(TComponent* AOwner) : TForm(AOwner) {}
    template <class T>
    T* Get(const std::string& Name) const
    {
        auto* component = dynamic_cast<T*>(FindComponent(Name));
        EXPECT_NE(component, nullptr) << Name;
        return component;
    }
    void SaveExecute(TObject*) { ++Saves; }
    void SaveUpdate(TObject* Sender) { static_cast<TAction*>(Sender)->SetEnabled(CanSave); }
    int Saves = 0;
    bool CanSave = true;
};

const char* const kActionForm = R"(object ActionForm: TActionForm
  ClientHeight = 100
  ClientWidth = 200
  object tbMain: TToolBar
    Images = ilMain
    object btnSave: TToolButton
      Action = acSave
    end
  end
  object ilMain: TImageList
  end
  object alMain: TActionList
    Images = ilMain
    object acSave: TAction
      Caption = '&Save'
      Category = 'File'
      Hint = 'Save the file'
      ImageIndex = 2
      ShortCut = 16467
      OnExecute = SaveExecute
      OnUpdate = SaveUpdate
    end
    object acBold: TAction
      AutoCheck = True
      Caption = 'Bold'
      GroupIndex = 1
    end
    object acItalic: TAction
      AutoCheck = True
      Caption = 'Italic'
      Checked = True
      GroupIndex = 1
    end
  end
end
)";

} // namespace

LT_IMPLEMENT_CLASS(TActionForm, TForm)
{
    P.Method("SaveExecute", &TActionForm::SaveExecute);
    P.Method("SaveUpdate", &TActionForm::SaveUpdate);
}

TEST(ActionList, ReadFromADescriptionWithItsActions)
{
    TActionForm form(nullptr);
    ReadComponentFromText(form, kActionForm, "ActionForm");
    auto* list = form.Get<TActionList>("alMain");
    ASSERT_EQ(list->ActionCount(), 3);
    auto* save = form.Get<TAction>("acSave");
    EXPECT_EQ(list->Actions(0), save);
    EXPECT_EQ(save->ActionList(), list);
    EXPECT_EQ(save->Index(), 0);
    EXPECT_EQ(save->Category(), "File");
    EXPECT_EQ(ShortCutToText(save->ShortCut()), "Ctrl+S");
    EXPECT_EQ(list->Images(), form.Get<TImageList>("ilMain"));
    EXPECT_TRUE(form.Get<TAction>("acItalic")->Checked());

    const auto* button = form.Get<TToolButton>("btnSave");
    EXPECT_EQ(button->Action(), save);
    EXPECT_EQ(button->Caption(), "&Save");
    EXPECT_EQ(button->Hint(), "Save the file");
    EXPECT_EQ(button->ImageIndex(), 2);

    ExpectRoundTrip<TActionForm>(kActionForm);
    const std::string written = WriteComponentToText(form);
    EXPECT_NE(written.find("  object alMain: TActionList\n    Images = ilMain\n    object acSave: TAction\n"),
              std::string::npos)
        << "actions are written inside their list:\n"
        << written;
}

TEST(ActionLink, ClientsTakeTheActionAndFollowItWhileTheyShowItsValues)
{
    TActionForm form(nullptr);
    auto* action = new TAction(&form);
    action->SetCaption("Open");
    action->SetHint("Open a file");
    action->SetChecked(true);
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetGroupIndex(1);
    button->SetCaption("Old");
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Open");
    EXPECT_EQ(button->Hint(), "Open a file");
    EXPECT_TRUE(button->Down());

    action->SetCaption("Open…");
    action->SetEnabled(false);
    action->SetVisible(false);
    EXPECT_EQ(button->Caption(), "Open…");
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(button->Visible());

    // A property the client changed on its own no longer follows; the others
    // still do.
    button->SetCaption("Mine");
    action->SetCaption("Theirs");
    action->SetEnabled(true);
    EXPECT_EQ(button->Caption(), "Mine");
    EXPECT_TRUE(button->Enabled());

    EXPECT_EQ(action->ClientCount(), 1);
    button->SetAction(nullptr);
    EXPECT_EQ(action->ClientCount(), 0);
    action->SetHint("Other");
    EXPECT_EQ(button->Hint(), "Open a file");
}

TEST(ActionLink, FreeingEitherSideUnties)
{
    TActionForm form(nullptr);
    auto* action = new TAction(&form);
    auto* button = new TButton(&form);
    button->SetAction(action);
    auto* item = new TMenuItem(&form);
    item->SetAction(action);
    EXPECT_EQ(action->ClientCount(), 2);
    delete button;
    EXPECT_EQ(action->ClientCount(), 1);
    delete action;
    EXPECT_EQ(item->Action(), nullptr);
    item->Click();
}

TEST(Action, ClicksOfEveryKindOfClientRunTheAction)
{
    struct TClient {
        const char* Kind;
        std::function<TComponent*(TComponent* Owner, TBasicAction* Action)> Make;
        std::function<void(TComponent*)> Click;
    };
    const TClient clients[] = {
        {"TButton",
         [](TComponent* o, TBasicAction* a) {
             auto* c = new TButton(o);
             c->SetAction(a);
             return c;
         },
         [](TComponent* c) { static_cast<TButton*>(c)->Click(); }},
        {"TSpeedButton",
         [](TComponent* o, TBasicAction* a) {
             auto* c = new TSpeedButton(o);
             c->SetAction(a);
             return c;
         },
         [](TComponent* c) { static_cast<TSpeedButton*>(c)->Click(); }},
        {"TToolButton",
         [](TComponent* o, TBasicAction* a) {
             auto* c = new TToolButton(o);
             c->SetAction(a);
             return c;
         },
         [](TComponent* c) { static_cast<TToolButton*>(c)->Click(); }},
        {"TMenuItem",
         [](TComponent* o, TBasicAction* a) {
             auto* c = new TMenuItem(o);
             c->SetAction(a);
             return c;
         },
         [](TComponent* c) { static_cast<TMenuItem*>(c)->Click(); }},
        {"TCheckBox",
         [](TComponent* o, TBasicAction* a) {
             auto* c = new TCheckBox(o);
             c->SetAction(a);
             return c;
         },
         [](TComponent* c) { static_cast<TCheckBox*>(c)->Click(); }},
    };
    for (const TClient& client : clients) {
        SCOPED_TRACE(client.Kind);
        TActionForm form(nullptr);
        auto* action = new TAction(&form);
        TComponent* seen = nullptr;
        int runs = 0;
        action->SetOnExecute([&](TObject*) {
            ++runs;
            seen = action->ActionComponent();
        });
        TComponent* c = client.Make(&form, action);
        client.Click(c);
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(seen, c) << "the action knows who ran it";
        action->SetEnabled(false);
        client.Click(c);
        EXPECT_EQ(runs, 1) << "a disabled action does not run";
    }
}

TEST(Action, ExecuteUpdatesFirstAsksTheListAndChecksItsGroup)
{
    TActionForm form(nullptr);
    ReadComponentFromText(form, kActionForm, "ActionForm");
    auto* list = form.Get<TActionList>("alMain");
    auto* save = form.Get<TAction>("acSave");
    auto* bold = form.Get<TAction>("acBold");
    auto* italic = form.Get<TAction>("acItalic");

    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(form.Saves, 1);
    form.CanSave = false;
    EXPECT_FALSE(save->Execute()) << "OnUpdate disabled it just before";
    EXPECT_EQ(form.Saves, 1);
    form.CanSave = true;

    std::vector<TBasicAction*> seen;
    list->SetOnExecute([&](TBasicAction* action, bool& handled) {
        seen.push_back(action);
        handled = action == save;
    });
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(form.Saves, 1) << "the list handled it";
    EXPECT_FALSE(bold->Execute()) << "nobody runs it, though it checks itself";
    EXPECT_EQ(seen, (std::vector<TBasicAction*>{save, bold}));
    EXPECT_TRUE(bold->Checked());
    EXPECT_FALSE(italic->Checked()) << "one of a group is checked";
    bold->Execute();
    EXPECT_TRUE(bold->Checked()) << "executing the checked one of a group keeps it checked";

    list->SetState(asSuspended);
    EXPECT_FALSE(italic->Execute());
    EXPECT_FALSE(italic->Checked());
}

TEST(ActionList, UpdatesItsActionsWhenTheApplicationGoesIdle)
{
    TestApplication();
    TActionForm form(nullptr);
    ReadComponentFromText(form, kActionForm, "ActionForm");
    auto* button = form.Get<TToolButton>("btnSave");
    ShowForm(form, 200, 100);
    ASSERT_TRUE(button->Enabled());

    form.CanSave = false;
    EXPECT_TRUE(WaitUntil([&] { return !button->Enabled(); })) << "the event loop's idle time updates";
    form.CanSave = true;
    Application->DoIdle();
    EXPECT_TRUE(button->Enabled());

    form.Get<TActionList>("alMain")->SetState(asSuspended);
    form.CanSave = false;
    Application->DoIdle();
    EXPECT_TRUE(button->Enabled()) << "a suspended list does not update";
}
