#pragma once
// A data module on its own new lighting database in a temporary folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/fDM.h"
#include "tests/support/testsupport.h"

class DataModuleTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the data module and opens the tables as the main window does.
    void OpenModule();
    // Frees the module and opens a new one: what the database holds.
    void Reopen();

    // Adds a scheme with steps (each a delay and 16 channel characters) and
    // applies it.
    void AddScheme(int id, const std::string& name, const std::vector<std::pair<int, std::string>>& steps);
    // (FID, FDELAY, channels) of the current scheme's steps in order.
    struct TStep {
        int Fid;
        int Delay;
        std::string Channels;
        bool operator==(const TStep&) const = default;
    };
    std::vector<TStep> Steps() const;
    void SetChannels(const std::string& channels);

    TTempDir Dir;
    std::string Database;
    std::unique_ptr<TDM> Module;
};
