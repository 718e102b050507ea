// Cadencers in stored descriptions: their settings read and written back,
// the defaults left out, and the loaded cadencer ticking.
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "tests/scene3d/cadencer/cadencertesting.h"

// A form with a progress handler that descriptions may name.
class TCadencerForm : public TForm {
    LT_CLASS(TCadencerForm)
public:
    using TForm::TForm;
    void CadencerProgress(TObject*, double, double NewTime) { Times.push_back(NewTime); }
    std::vector<double> Times;
};

LT_IMPLEMENT_CLASS(TCadencerForm, TForm)
{
    P.Method("CadencerProgress", &TCadencerForm::CadencerProgress);
}

namespace {

class CadencerStreaming : public CadencerTest {
protected:
    static std::unique_ptr<TCadencerForm> Read(const std::string& Text)
    {
        auto form = std::make_unique<TCadencerForm>(nullptr);
        ReadComponentFromText(*form, Text, "cadencer");
        return form;
    }
};

const std::string Stored = R"(object CadencerForm: TCadencerForm
  object Scene: T3DScene
  end
  object Cadencer: T3DCadencer
    Scene = Scene
    TimeReference = cmRTC
    TimeMultiplier = 2
    MaxDeltaTime = 0.5
    MinDeltaTime = 0.25
    FixedDeltaTime = 0.125
    Mode = cmApplicationIdle
    SleepLength = 0
    OnProgress = CadencerProgress
  end
end
)";

TEST_F(CadencerStreaming, SettingsAreReadAndWrittenBack)
{
    const std::unique_ptr<TCadencerForm> form = Read(Stored);
    auto& cadencer = *ComponentByName<T3DCadencer>(*form, "Cadencer");
    EXPECT_EQ(cadencer.Scene(), ComponentByName<T3DScene>(*form, "Scene"));
    EXPECT_TRUE(cadencer.Enabled());
    EXPECT_EQ(cadencer.TimeReference(), cmRTC);
    EXPECT_EQ(cadencer.TimeMultiplier(), 2);
    EXPECT_EQ(cadencer.MaxDeltaTime(), 0.5);
    EXPECT_EQ(cadencer.MinDeltaTime(), 0.25);
    EXPECT_EQ(cadencer.FixedDeltaTime(), 0.125);
    EXPECT_EQ(cadencer.Mode(), cmApplicationIdle);
    EXPECT_EQ(cadencer.SleepLength(), 0);
    const std::string written = WriteComponentToText(*form);
    const std::unique_ptr<TCadencerForm> again = Read(written);
    EXPECT_EQ(WriteComponentToText(*again), written);
    EXPECT_NE(written.find("TimeMultiplier = 2"), std::string::npos) << written;
}

TEST_F(CadencerStreaming, DefaultsAreNotWritten)
{
    auto form = std::make_unique<TCadencerForm>(nullptr);
    auto* cadencer = new T3DCadencer(form.get());
    cadencer->SetName("Cadencer");
    const std::string written = WriteComponentToText(*form);
    EXPECT_NE(written.find("  object Cadencer: T3DCadencer\n  end\n"), std::string::npos) << written;
}

// Loaded, the idle cadencer takes the application's idle time and calls the
// form's handler: a second cut to half a second, in four fixed steps.
TEST_F(CadencerStreaming, TheLoadedCadencerTicks)
{
    const std::unique_ptr<TCadencerForm> form = Read(Stored);
    ASSERT_TRUE(Application->OnIdle());
    Clock.Advance(1);
    bool done = true;
    Application->OnIdle()(Application, done);
    EXPECT_FALSE(done);
    ASSERT_EQ(form->Times.size(), 4u);
    for (double time : form->Times)
        EXPECT_NEAR(time, 0.5, 1e-5);
}

} // namespace
