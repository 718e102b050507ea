// Edit button descriptions: clamping, change notification, defaults, click
// handling and the action link.
#include <gtest/gtest.h>

#include <memory>

#include "dbcontrols/editbuttons.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/stdctrls.h"

namespace {

TEST(EditButton, NumGlyphsIsClampedToOneToFour)
{
    const struct {
        int Set;
        int Get;
    } cases[] = {{0, 1}, {-5, 1}, {1, 1}, {3, 3}, {4, 4}, {7, 4}};
    TEditButtonLt button(static_cast<TCollection*>(nullptr));
    for (const auto& c : cases) {
        button.SetNumGlyphs(c.Set);
        EXPECT_EQ(button.NumGlyphs(), c.Get) << c.Set;
    }
}

TEST(EditButton, OwnerHearsOnlyRealChanges)
{
    TEditButtonLt button(static_cast<TCollection*>(nullptr));
    int changes = 0;
    button.SetOnChanged([&](TEditButtonLt* Sender) {
        EXPECT_EQ(Sender, &button);
        ++changes;
    });
    button.SetStyle(ebsDropDownLt);
    button.SetEnabled(true);
    button.SetWidth(0);
    button.SetHint("");
    EXPECT_EQ(changes, 0);
    button.SetStyle(ebsEllipsisLt);
    button.SetEnabled(false);
    button.SetWidth(15);
    button.SetHint("Выбрать");
    button.SetVisible(true);
    button.SetNumGlyphs(2);
    EXPECT_EQ(changes, 6);
}

TEST(EditButtons, CollectionTellsItsOwnerWhichItemChanged)
{
    TEditButtonsLt buttons(nullptr, TCollection::ItemsOf<TVisibleEditButtonLt>());
    std::vector<TCollectionItem*> changed;
    TEditButtonLt* first = buttons.Add();
    TEditButtonLt* second = buttons.Add();
    buttons.SetOnChanged([&](TCollectionItem* Item) { changed.push_back(Item); });
    second->SetStyle(ebsPlusLt);
    first->SetWidth(20);
    EXPECT_EQ(changed, (std::vector<TCollectionItem*>{second, first}));
    EXPECT_EQ(buttons.ButtonAt(1), second);
}

TEST(EditButton, DescendantsChangeDefaultsOnly)
{
    const TEditButtonLt plain(static_cast<TCollection*>(nullptr));
    const TDropDownEditButtonLt dropDown(static_cast<TCollection*>(nullptr));
    const TVisibleEditButtonLt visible(static_cast<TCollection*>(nullptr));
    EXPECT_EQ(plain.ShortCut(), 0);
    EXPECT_FALSE(plain.Visible());
    EXPECT_EQ(dropDown.ShortCut(), 32808);
    EXPECT_FALSE(dropDown.Visible());
    EXPECT_EQ(visible.ShortCut(), 32808);
    EXPECT_TRUE(visible.Visible());
    for (const TEditButtonLt* b : {&plain, static_cast<const TEditButtonLt*>(&dropDown),
                                   static_cast<const TEditButtonLt*>(&visible)}) {
        EXPECT_EQ(b->Style(), ebsDropDownLt);
        EXPECT_TRUE(b->Enabled());
        EXPECT_EQ(b->Width(), 0);
        EXPECT_EQ(b->NumGlyphs(), 1);
    }
}

class EditButtonAction : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner = std::make_unique<TComponent>(nullptr);
        Editor = new TPanel(Owner.get());
        Action = new TAction(Owner.get());
        Action->SetHint("Подсказка");
        Action->SetShortCut(scCtrl | 'K');
        Action->SetOnExecute([this](TObject*) {
            ++Executed;
            Target = Action->ActionComponent();
        });
        Button = std::make_unique<TEditButtonLt>(static_cast<TWinControl*>(Editor));
    }

    std::unique_ptr<TComponent> Owner;
    TPanel* Editor = nullptr;
    TAction* Action = nullptr;
    std::unique_ptr<TEditButtonLt> Button;
    int Executed = 0;
    TComponent* Target = nullptr;
};

TEST_F(EditButtonAction, ClickRunsOnClickFirstElseTheActionForTheEditor)
{
    Button->SetAction(Action);
    bool handled = false;
    Button->PerformClick(Button.get(), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Executed, 1);
    EXPECT_EQ(Target, Editor);

    int clicks = 0;
    Button->SetOnClick([&](TObject*, bool&) { ++clicks; });
    handled = false;
    Button->PerformClick(Button.get(), handled);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Executed, 1);
    EXPECT_FALSE(handled);
}

TEST_F(EditButtonAction, LinkedPropertiesFollowTheActionUntilChangedOnTheirOwn)
{
    Button->SetAction(Action);
    EXPECT_EQ(Button->Hint(), "Подсказка");
    EXPECT_EQ(Button->ShortCut(), scCtrl | 'K');
    EXPECT_TRUE(Button->Visible());
    Action->SetEnabled(false);
    EXPECT_FALSE(Button->Enabled());
    Button->SetHint("своя");
    Action->SetHint("другая");
    EXPECT_EQ(Button->Hint(), "своя");
    Action->SetEnabled(true);
    EXPECT_TRUE(Button->Enabled());
}

TEST(EditButton, AssignCopiesEveryProperty)
{
    TEditButtonLt source(static_cast<TCollection*>(nullptr));
    source.SetStyle(ebsUpDownLt);
    source.SetEnabled(false);
    source.SetHint("h");
    source.SetNumGlyphs(3);
    source.SetShortCut(scAlt | 'X');
    source.SetVisible(true);
    source.SetWidth(17);
    int downs = 0;
    source.SetOnDown([&](TObject*, bool, bool&, bool&) { ++downs; });
    TEditButtonLt copy(static_cast<TCollection*>(nullptr));
    copy.Assign(&source);
    EXPECT_EQ(copy.Style(), ebsUpDownLt);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.Hint(), "h");
    EXPECT_EQ(copy.NumGlyphs(), 3);
    EXPECT_EQ(copy.ShortCut(), scAlt | 'X');
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.Width(), 17);
    bool autoRepeat = true, handled = false;
    copy.OnDown()(&copy, true, autoRepeat, handled);
    EXPECT_EQ(downs, 1);
}

} // namespace
