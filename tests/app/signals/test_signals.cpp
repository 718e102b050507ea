// SIGTERM, SIGINT and SIGHUP close the program as the operator's close does;
// a second signal while its question is open ends it without saving.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/app/programtesting.h"
#include "tests/app/xserverview.h"

extern char** environ;

namespace {

constexpr const char* kMainTitle = "Kalvor Lighting — программирование световых контроллеров";

int RowsInTheDatabase()
{
    DM->qryTime->Close();
    DM->qryTime->Open();
    return DM->qryTime->RecordCount();
}

TEST_F(ProgramTest, ASignalClosesTheMainWindowAskingAboutPendingChanges)
{
    AddPendingTimeRow();
    Answer = IDYES;
    kill(getpid(), SIGTERM);
    EXPECT_TRUE(RunUntil([] { return Application->Terminated(); }));
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text, "Сохранить все изменения ?");
    EXPECT_EQ(DM->cdsTime->ChangeCount(), 0);
    EXPECT_EQ(RowsInTheDatabase(), 1);
}

TEST_F(ProgramTest, ASignalAnsweredCancelKeepsTheProgramAndTheNextOneAsksAgain)
{
    AddPendingTimeRow();
    Answer = IDCANCEL;
    kill(getpid(), SIGINT);
    EXPECT_TRUE(RunUntil([this] { return Asked.size() == 1; }));
    QApplication::processEvents();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(frmMain->Visible());

    Answer = IDNO;
    kill(getpid(), SIGHUP);
    EXPECT_TRUE(RunUntil([] { return Application->Terminated(); }));
    EXPECT_EQ(Asked.size(), 2u);
    EXPECT_EQ(RowsInTheDatabase(), 0);
}

TEST_F(ProgramTest, ASecondSignalWhileTheQuestionIsOpenEndsWithoutSaving)
{
    // The question on the screen, as the operator would see it.
    TApplication::SetMessageBoxHook(nullptr);
    AddPendingTimeRow();
    bool questionShown = false;
    QTimer second;
    QObject::connect(&second, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            second.stop();
            questionShown = true;
            kill(getpid(), SIGTERM);
        }
    });
    second.start(10);
    kill(getpid(), SIGTERM);
    EXPECT_TRUE(RunUntil([] { return Application->Terminated(); }));
    EXPECT_TRUE(questionShown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(DM->cdsTime->ChangeCount(), 1);
    EXPECT_EQ(RowsInTheDatabase(), 0);
}

// The program itself, started as a user starts it, ended by a signal.
class RunningProgram : public testing::TestWithParam<int> {};

TEST_P(RunningProgram, EndsOnTheSignal)
{
    const TXServerView screen;
    TTempDir dir;
    ASSERT_EQ(RunCreateDatabase(SourceFile("resources/lighting.sql"), dir.File("lighting.gdb")), 0);
    setenv("LIGHTING_DATABASE", dir.File("lighting.gdb").c_str(), 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    char program[] = LIGHTING_PROGRAM;
    char* arguments[] = {program, nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    unsetenv("LIGHTING_DATABASE");
    ASSERT_EQ(spawned, 0);

    const auto waitFor = [](auto done, std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        for (;;) {
            if (done())
                return true;
            if (std::chrono::steady_clock::now() >= end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    };
    EXPECT_TRUE(waitFor([&] { return screen.ShowsWindowTitled(pid, kMainTitle); }, std::chrono::seconds(30)));
    kill(pid, GetParam());
    int status = 0;
    const bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, std::chrono::seconds(15));
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(ended);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

INSTANTIATE_TEST_SUITE_P(Signals, RunningProgram, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

} // namespace
