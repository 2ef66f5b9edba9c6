// The real executable on a copy of the sample ProgramDir: it starts, counts the run, and keeps
// the lesson choice when the desktop ends it with a signal.

#include "DocumentText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

class ProgramProcess : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        copyTree(LUMEPORT_DATA_DIR, dir_.path());
        ASSERT_TRUE(QFile::copy(LUMEPORT_EXECUTABLE, dir_.filePath("lumeport")));
        ASSERT_TRUE(writeDocument(dir_.filePath("SETTING/set.dat"), "5"));
        ASSERT_TRUE(writeDocument(dir_.filePath("SETTING/num.dat"), "2"));
    }
    static void copyTree(const QString& from, const QString& to) {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = to + "/" + QDir(from).relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
        }
    }
    QString stored(const char* file) { return readDocument(dir_.filePath(file)).text; }

    QTemporaryDir dir_;
};

TEST_P(ProgramProcess, ASignalClosesTheWindowAndKeepsTheLesson) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(dir_.filePath("lumeport"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Start-up has run once the run counter moves on.
    for (int i = 0; i < 200 && stored("SETTING/num.dat") != "3"; ++i)
        QThread::msleep(50);
    EXPECT_EQ(stored("SETTING/num.dat"), "3");
    ASSERT_TRUE(QFile::remove(dir_.filePath("SETTING/set.dat")));

    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(stored("SETTING/set.dat"), "5");
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramProcess, testing::Values(SIGTERM, SIGINT));

} // namespace
