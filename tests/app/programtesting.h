#pragma once
// The program as the entry point starts it (splash, data module, main
// window), on a database of its own in a temporary folder, with message
// boxes answered by the test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "app/fDM.h"
#include "app/fMain.h"
#include "app/fSplash.h"
#include "platform/ui/application.h"
#include "resources/resources.h"
#include "tests/support/testsupport.h"

struct TAskedBox {
    std::string Text;
    std::string Caption;
    unsigned Flags;
};

// The program as the entry point starts it, on a database in a temporary folder.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitLightingResources();
        ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), Dir.File("lighting.gdb")), 0);
        setenv("LIGHTING_DATABASE", Dir.File("lighting.gdb").c_str(), 1);
        StartProgram();
    }

    // Starts the program anew on the same database, as closing it and
    // starting it again does.
    void RestartProgram()
    {
        App.reset();
        StartProgram();
    }

    void StartProgram()
    {
        App = std::make_unique<TApplication>(nullptr);
        Application->Initialize();
        TApplication::SetMessageBoxHook([this](const std::string& text, const std::string& caption, unsigned flags) {
            Asked.push_back({text, caption, flags});
            return Answer;
        });
        new TfrmSplash(Application);
        frmSplash->Show();
        Application->SetTitle("Kalvor Lighting");
        Application->CreateForm(DM);
        Application->CreateForm(frmMain);
        frmMain->Show();
    }

    void TearDown() override
    {
        TApplication::SetMessageBoxHook(nullptr);
        App.reset();
        unsetenv("LIGHTING_DATABASE");
    }

    // Runs the message loop until the condition holds or five seconds pass.
    template <class F>
    bool RunUntil(F&& done)
    {
        QElapsedTimer timer;
        timer.start();
        // A ticking timer wakes the wait, so it sleeps between events.
        QTimer tick;
        tick.start(10);
        while (!done() && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return done();
    }

    // A pending programme row of a scheme the database does not have: its
    // apply fails.
    void AddRefusedProgrammeRow()
    {
        DM->cdsProgramm->Append();
        DM->cdsProgrammFID->SetAsInteger(1);
        DM->cdsProgrammFSCHEME->SetAsInteger(42);
        DM->cdsProgrammFCOUNT->SetAsInteger(1);
        DM->cdsProgramm->Post();
    }

    TAction* Action(const std::string& name) const
    {
        auto* action = dynamic_cast<TAction*>(frmMain->FindComponent(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    void Run(const std::string& name) { Action(name)->Execute(); }

    // Schemes with the given numbers, each with steps of FID 1..n and delays 10, 20, ...
    void MakeSchemes(const std::vector<std::pair<int, int>>& schemes)
    {
        for (const auto& [id, steps] : schemes) {
            DM->cdsSchemes->Append();
            DM->cdsSchemesFSCHEME->SetAsInteger(id);
            DM->cdsSchemesFNAME->SetAsString("Схема " + std::to_string(id));
            for (int s = 1; s <= steps; ++s) {
                DM->cdsLighting->Append();
                DM->cdsLightingFID->SetAsInteger(s);
                DM->cdsLightingFDELAY->SetAsInteger(s * 10);
                for (int c = 1; c <= 16; ++c)
                    DM->ChannelField(c)->SetAsString(c == s % 16 + 1 ? "1" : "0");
            }
        }
        DM->cdsSchemes->CheckBrowseMode();
        DM->cdsLighting->CheckBrowseMode();
        DM->cdsSchemes->ApplyUpdates(-1);
    }

    // (FID, FDELAY) of the current scheme's steps in order.
    std::vector<std::pair<int, int>> Steps() const
    {
        std::vector<std::pair<int, int>> steps;
        TClientDataSet& cds = *DM->cdsLighting;
        const std::string mark = cds.Bookmark();
        for (cds.First(); !cds.Eof(); cds.Next())
            steps.emplace_back(DM->cdsLightingFID->AsInteger(), DM->cdsLightingFDELAY->AsInteger());
        if (!mark.empty() && cds.BookmarkValid(mark))
            cds.GotoBookmark(mark);
        return steps;
    }

    void AddPendingTimeRow()
    {
        DM->cdsTime->Append();
        DM->cdsTimeFID->SetAsInteger(1);
        DM->cdsTime->Post();
    }

    TTempDir Dir;
    std::unique_ptr<TApplication> App;
    std::vector<TAskedBox> Asked;
    int Answer = IDOK;
};

