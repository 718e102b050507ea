#pragma once
// The program with its scene files chosen by the test in place of the file
// dialogs, and the bytes of those files.
#include <QFileDialog>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "app/scenerecord.h"
#include "platform/ui/dialogs.h"
#include "tests/app/previewtesting.h"

class SceneTest : public PreviewTest {
protected:
    void TearDown() override
    {
        SetFileDialogHook(nullptr);
        PreviewTest::TearDown();
    }

    // The next file dialog answers with FileName; what it was asked is kept.
    void ChooseFile(const std::string& FileName)
    {
        SetFileDialogHook([this, FileName](QFileDialog& Dialog) {
            DialogTitle = Dialog.windowTitle().toStdString();
            DialogFilters = Dialog.nameFilters();
            Dialog.selectFile(QString::fromStdString(FileName));
            return true;
        });
    }
    void Save(const std::string& FileName)
    {
        ChooseFile(FileName);
        Run("acSaveScene");
    }
    void Open(const std::string& FileName)
    {
        ChooseFile(FileName);
        Run("acOpenScene");
    }

    static std::string Contents(const std::string& FileName)
    {
        std::ifstream in(FileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void SetContents(const std::string& FileName, const std::string& Bytes)
    {
        std::ofstream(FileName, std::ios::binary) << Bytes;
    }
    // The float at byte At of record Channel - 1.
    static float FloatAt(const std::string& Bytes, int Channel, std::size_t At)
    {
        float value;
        std::memcpy(&value, Bytes.data() + (Channel - 1) * kSceneRecordSize + At, sizeof value);
        return value;
    }

    const std::string SceneFile = Dir.File("scene.vkt");
    std::string DialogTitle;
    QStringList DialogFilters;
};
