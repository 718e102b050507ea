#pragma once
// The programming command as the operator starts it, with the window's ports
// chosen by the test, and what the tests see of the programming window.
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/fProgramm.h"
#include "dbcontrols/dbcombobox.h"
#include "tests/app/protocoltesting.h"

class ProgrammingTest : public ProgrammeExchange {
protected:
    void TearDown() override
    {
        unsetenv("LIGHTING_SERIAL_PORTS");
        ProgrammeExchange::TearDown();
    }

    // The ports the window will find, in order.
    static void SetPorts(const std::vector<std::string>& Paths)
    {
        std::string list;
        for (const std::string& path : Paths)
            list += (list.empty() ? "" : ":") + path;
        setenv("LIGHTING_SERIAL_PORTS", list.c_str(), 1);
    }

    // Runs the programming command from its toolbar button. Inside runs while the programming window
    // is shown; the window is closed afterwards. Whether the window was shown.
    bool RunCommand(const std::function<void(TfrmProgramm&)>& Inside = {})
    {
        bool shown = false;
        QTimer inside;
        inside.setSingleShot(true);
        QObject::connect(&inside, &QTimer::timeout, [&] {
            if (!frmProgramm)
                return;
            shown = frmProgramm->Visible() && frmProgramm->Modal();
            if (Inside)
                Inside(*frmProgramm);
            if (frmProgramm)
                frmProgramm->Close();
        });
        inside.start(0);
        // The operator's way: a click on the view toolbar's button.
        auto* const button = dynamic_cast<TControl*>(frmMain->FindComponent("btnProgramm"));
        EXPECT_NE(button, nullptr);
        if (button)
            QTest::mouseClick(button->Widget(), Qt::LeftButton);
        return shown;
    }

    // Time-table rows (on hour, on minute, to hour, to minute), Count of them
    // and all valid: 20 minutes apart, each on for ten.
    static std::vector<std::vector<int>> ValidTimes(int Count)
    {
        std::vector<std::vector<int>> rows;
        for (int i = 0; i < Count; ++i)
            rows.push_back({i * 20 / 60, i * 20 % 60, (i * 20 + 10) / 60, (i * 20 + 10) % 60});
        return rows;
    }

    static std::vector<std::string> Items(const TfrmProgramm& Window)
    {
        std::vector<std::string> items;
        for (int i = 0; i < Window.cmbPorts->Items()->Count(); ++i)
            items.push_back(Window.cmbPorts->Items()->Strings(i));
        return items;
    }

    static void Click(TControl* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }
};
