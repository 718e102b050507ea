// Message dialogs, the input query, and the file and colour dialogs,
// answered through their hooks and, for the input query, on the screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "controltesting.h"
#include "platform/rtl/classbuilder.h"
#include "platform/ui/dialogs.h"

namespace {

class TDialogForm : public TForm {
    LT_CLASS(TDialogForm)
public:
    explicit TDialogForm(TComponent* AOwner) : TForm(AOwner) {}
};

const char* const kDialogForm = R"(object DialogForm: TDialogForm
  object dlgOpen: TOpenDialog
    DefaultExt = 'vkt'
    Filter = 'Scenes *.vkt|*.vkt|All|*.*'
    FilterIndex = 2
    Options = [ofHideReadOnly, ofFileMustExist, ofEnableSizing]
    Title = ' Open a scene'
  end
  object dlgSave: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object dlgColor: TColorDialog
    Color = clRed
  end
end
)";

// Restores the hooks whatever a test does.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }
    void TearDown() override
    {
        TApplication::SetMessageBoxHook(nullptr);
        SetInputQueryHook(nullptr);
        SetFileDialogHook(nullptr);
        SetColorDialogHook(nullptr);
    }
};

// Runs Act on the modal dialog once it shows.
class TWhenModal {
public:
    explicit TWhenModal(std::function<void(QDialog&)> Act) : FAct(std::move(Act))
    {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && !FDone) {
                FDone = true;
                FAct(*dialog);
            }
        });
        FTimer.start(10);
    }

private:
    TUnansweredBoxes::TAnsweredOnScreen FAnswered;
    std::function<void(QDialog&)> FAct;
    QTimer FTimer;
    bool FDone = false;
};

} // namespace

LT_IMPLEMENT_CLASS(TDialogForm, TForm) {}

TEST_F(DialogTest, MessageDlgAsksTheMessageBoxWithTheTypesIconAndCaption)
{
    struct TCase {
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        unsigned Flags;
        std::string Caption;
    };
    Application->SetTitle("Lighting test");
    const TCase cases[] = {
        {mtConfirmation, mbYesNoCancel, MB_YESNOCANCEL | MB_ICONQUESTION, "Подтверждение"},
        {mtWarning, mbYesNo, MB_YESNO | MB_ICONWARNING, "Предупреждение"},
        {mtError, {mbOK}, MB_OK | MB_ICONERROR, "Ошибка"},
        {mtInformation, mbOKCancel, MB_OKCANCEL | MB_ICONINFORMATION, "Информация"},
        {mtCustom, mbAbortRetryIgnore, MB_ABORTRETRYIGNORE, "Lighting test"},
        {mtWarning, mbRetryCancel, MB_RETRYCANCEL | MB_ICONWARNING, "Предупреждение"},
        {mtConfirmation, {mbYes, mbNo, mbYesToAll, mbHelp}, MB_YESNO | MB_ICONQUESTION, "Подтверждение"},
    };
    for (const TCase& c : cases) {
        std::string text, caption;
        unsigned flags = 0;
        TApplication::SetMessageBoxHook([&](const std::string& t, const std::string& cap, unsigned f) {
            text = t;
            caption = cap;
            flags = f;
            return IDNO;
        });
        EXPECT_EQ(MessageDlg("Сохранить?", c.Type, c.Buttons, 0), mrNo);
        EXPECT_EQ(text, "Сохранить?");
        EXPECT_EQ(caption, c.Caption);
        EXPECT_EQ(flags, c.Flags) << c.Caption;
    }
}

TEST_F(DialogTest, InputQueryGivesTheAnswerOnlyWhenAccepted)
{
    std::string seenCaption, seenPrompt;
    SetInputQueryHook([&](const std::string& caption, const std::string& prompt, std::string& value) {
        seenCaption = caption;
        seenPrompt = prompt;
        const bool accept = value != "refuse";
        value = "answered";
        return accept;
    });
    std::string value = "old";
    EXPECT_TRUE(InputQuery(" Lighting", "Name:", value));
    EXPECT_EQ(value, "answered");
    EXPECT_EQ(seenCaption, " Lighting");
    EXPECT_EQ(seenPrompt, "Name:");
    value = "refuse";
    EXPECT_FALSE(InputQuery("c", "p", value));
    EXPECT_EQ(value, "refuse") << "cancelled: the value stays";
    EXPECT_EQ(InputBox("c", "p", "refuse"), "refuse");
    EXPECT_EQ(InputBox("c", "p", "x"), "answered");
}

TEST_F(DialogTest, InputQueryShowsAnEditWithTheValueAndTakesWhatIsTyped)
{
    std::string prompt, shownValue;
    {
        TWhenModal typing([&](QDialog& dialog) {
            prompt = dialog.findChild<QLabel*>()->text().toStdString();
            auto* edit = dialog.findChild<QLineEdit*>();
            shownValue = edit->text().toStdString();
            edit->clear();
            QTest::keyClicks(edit, "Winter");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        std::string value = "Осень";
        EXPECT_TRUE(InputQuery("Scheme", "Новое имя:", value));
        EXPECT_EQ(value, "Winter");
    }
    EXPECT_EQ(prompt, "Новое имя:");
    EXPECT_EQ(shownValue, "Осень");

    TWhenModal cancelling([](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(), "x");
        QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_Escape);
    });
    std::string value = "kept";
    EXPECT_FALSE(InputQuery("Scheme", "Name:", value));
    EXPECT_EQ(value, "kept");
}

TEST_F(DialogTest, OpenDialogPreparesQtsDialogAndReadsTheChoiceBack)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TDialogForm form(nullptr);
    ReadComponentFromText(form, kDialogForm, "DialogForm");
    auto* open = static_cast<TOpenDialog*>(form.FindComponent("dlgOpen"));
    open->SetInitialDir(folder.path().toStdString());

    SetFileDialogHook([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Scenes *.vkt (*.vkt)", "All (*)"}));
        EXPECT_EQ(dialog.selectedNameFilter(), "All (*)");
        EXPECT_EQ(dialog.windowTitle(), " Open a scene");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        dialog.selectNameFilter("Scenes *.vkt (*.vkt)");
        dialog.selectFile("evening");
        return true;
    });
    ASSERT_TRUE(open->Execute());
    EXPECT_EQ(QDir(QFileInfo(QString::fromStdString(open->FileName())).path()).canonicalPath(),
              QDir(folder.path()).canonicalPath());
    EXPECT_EQ(QFileInfo(QString::fromStdString(open->FileName())).fileName(), "evening.vkt");
    EXPECT_EQ(open->FilterIndex(), 1);
    ASSERT_EQ(open->Files()->Count(), 1);
    EXPECT_EQ(open->Files()->Strings(0), open->FileName());

    const std::string chosen = open->FileName();
    SetFileDialogHook([](QFileDialog&) { return false; });
    EXPECT_FALSE(open->Execute());
    EXPECT_EQ(open->FileName(), chosen) << "a cancelled dialog keeps the last choice";
}

TEST_F(DialogTest, SaveDialogAsksBeforeOverwritingOnlyWithThatOption)
{
    TDialogForm form(nullptr);
    ReadComponentFromText(form, kDialogForm, "DialogForm");
    auto* save = static_cast<TSaveDialog*>(form.FindComponent("dlgSave"));
    for (const bool prompt : {true, false}) {
        TOpenOptions options = save->Options();
        save->SetOptions(prompt ? options.Include(ofOverwritePrompt) : options.Exclude(ofOverwritePrompt));
        bool asks = false;
        SetFileDialogHook([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            asks = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            dialog.selectFile(QDir::temp().filePath("scene.vkt"));
            return true;
        });
        EXPECT_TRUE(save->Execute());
        EXPECT_EQ(asks, prompt);
    }
}

TEST_F(DialogTest, ColorDialogStartsAtColorAndKeepsTheChosenOne)
{
    TDialogForm form(nullptr);
    ReadComponentFromText(form, kDialogForm, "DialogForm");
    auto* dialog = static_cast<TColorDialog*>(form.FindComponent("dlgColor"));
    dialog->CustomColors()->SetValues("ColorB", "00FF00");
    SetColorDialogHook([](QColorDialog& qt) {
        EXPECT_EQ(qt.currentColor(), QColor(255, 0, 0));
        EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 255, 0));
        qt.setCurrentColor(QColor(0, 0, 255));
        QColorDialog::setCustomColor(2, QColor(0x12, 0x34, 0x56));
        return true;
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->Color(), clBlue);
    EXPECT_EQ(dialog->CustomColors()->Values("ColorC"), "563412");

    SetColorDialogHook([](QColorDialog& qt) {
        qt.setCurrentColor(QColor(1, 2, 3));
        return false;
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->Color(), clBlue);
}

TEST_F(DialogTest, DialogsReadAndWriteTheirDescriptions)
{
    ExpectRoundTrip<TDialogForm>(kDialogForm);
    TDialogForm form(nullptr);
    ReadComponentFromText(form, kDialogForm, "DialogForm");
    const auto* open = static_cast<TOpenDialog*>(form.FindComponent("dlgOpen"));
    EXPECT_TRUE(open->Options().Contains(ofFileMustExist));
    EXPECT_EQ(open->DefaultExt(), "vkt");
    EXPECT_EQ(static_cast<TColorDialog*>(form.FindComponent("dlgColor"))->Color(), clRed);
}

namespace {

// The texts of the dialog's buttons, accelerator marks dropped.
QStringList ButtonTexts(const QDialog& Dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : Dialog.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            texts << button->text().remove('&');
    texts.sort();
    return texts;
}

} // namespace

TEST_F(DialogTest, StandardDialogsSpeakRussianWhateverTheLocale)
{
    QStringList box, query, file;
    {
        TWhenModal answer([&](QDialog& dialog) {
            box = ButtonTexts(dialog);
            dialog.reject();
        });
        EXPECT_EQ(Application->MessageBox("Сохранить все изменения ?", "  Lighting", MB_YESNOCANCEL), IDCANCEL);
    }
    EXPECT_EQ(box, (QStringList{"Да", "Нет", "Отмена"}));
    {
        TWhenModal answer([&](QDialog& dialog) {
            query = ButtonTexts(dialog);
            dialog.reject();
        });
        std::string value = "схема";
        EXPECT_FALSE(InputQuery("Схема", "Имя:", value));
    }
    EXPECT_EQ(query, (QStringList{"OK", "Отмена"}));

    TOpenDialog open(nullptr);
    SetFileDialogHook([&](QFileDialog& dialog) {
        dialog.show();
        file = ButtonTexts(dialog);
        return false;
    });
    EXPECT_FALSE(open.Execute());
    EXPECT_TRUE(file.contains("Открыть")) << file.join(", ").toStdString();
    EXPECT_TRUE(file.contains("Отмена")) << file.join(", ").toStdString();
}
