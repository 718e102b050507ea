// The desktop's palette or style changing: the pre-drawn button faces are
// dropped and the editors and check boxes draw theirs again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QTest>

#include "dbcontrols/buttoncache.h"
#include "dbcontrols/dbcheckboxlt.h"
#include "dbcontrols/dbcombobox.h"
#include "platform/ui/desktopstyle.h"
#include "platform/ui/forms.h"
#include "tests/platform/ui/controltesting.h"

namespace {

TEST(SysColorChange, FacesAreFlushedAndDrawnAgainOnAPaletteOrStyleChange)
{
    TestApplication();
    auto form = std::make_unique<TForm>(nullptr);
    auto* combo = new TDBComboBoxLt(form.get());
    combo->SetParent(form.get());
    combo->SetBounds(10, 10, 120, 21);
    auto* box = new TDBCheckBoxLt(form.get());
    box->SetParent(form.get());
    box->SetBounds(10, 50, 120, 17);
    ShowForm(*form, 200, 100);
    // The combo's drop-down face and the box's face at least.
    auto drawn = [] { return ButtonsBitmapCache().Count() >= 2; };
    ASSERT_TRUE(WaitUntil(drawn));

    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Window, Qt::darkCyan);
    const std::function<void()> changes[] = {
        [&] { QApplication::setPalette(changed); },
        [&] { QApplication::setPalette(saved); },
        [] { QApplication::setStyle(QStyleFactory::create("Fusion")); },
        [] { UseDesktopStyle(); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_EQ(ButtonsBitmapCache().Count(), 0) << "flushed";
        EXPECT_TRUE(WaitUntil(drawn)) << "drawn again";
    }
}

} // namespace
