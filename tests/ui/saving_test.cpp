// What reaches the settings file from the real program: Velmor run as its
// own process under a file-size limit, the options dialog's real boxes, and
// the termination signals around a close.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "options/fm_options.h"
#include "test_support/scripted_platform.h"
#include "ui/options_dialog.h"
#include "ui/termination_signals.h"

namespace {

// Whether the process runs `program` and catches SIGTERM: its handler is in
// place. (Before its exec the child still has the test's handlers.)
bool catchesTermination(pid_t pid, const QString& program) {
    if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() != program) return false;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        }
    }
    return false;
}

}  // namespace

class SavingTest : public QObject {
    Q_OBJECT

private:
    // Starts a copy of the built program in a fresh folder of its own, with
    // a fresh home, under a file-size limit; waits until it handles
    // termination signals. -1 when it never does.
    pid_t startVelmor(rlim_t fileSizeLimit = RLIM_INFINITY) {
        folder_ = std::make_unique<QTemporaryDir>();
        const QString program = folder_->filePath(QStringLiteral("velmor"));
        [&] { QVERIFY(QFile::copy(QStringLiteral(VELMOR_PROGRAM), program)); }();
        const QByteArray path = QFile::encodeName(program);
        // The child of a process with threads may make only async-signal-safe
        // calls, so its environment is made here.
        QList<QByteArray> environment{
            "HOME=" + QFile::encodeName(folder_->filePath(QStringLiteral("home"))),
            "QT_QPA_PLATFORM=offscreen"};
        for (const QString& variable : {QStringLiteral("PATH"), QStringLiteral("LC_ALL")}) {
            if (qEnvironmentVariableIsSet(qPrintable(variable))) {
                environment.append(variable.toLatin1() + '=' + qgetenv(qPrintable(variable)));
            }
        }
        std::vector<char*> envp;
        for (QByteArray& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        char* const argv[] = {const_cast<char*>("velmor"), nullptr};
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::signal(SIGXFSZ, SIG_DFL);  // as a shell would start it
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::execve(path.constData(), argv, envp.data());
            ::_exit(127);
        }
        bool ready = false;
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(
                catchesTermination(pid, QFileInfo(program).canonicalFilePath()), 60000);
            ready = true;
        }();
        if (!ready && pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        return ready ? pid : -1;
    }

    std::unique_ptr<QTemporaryDir> folder_;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aFileSizeLimitFailsTheSaveAsAFullDiskWould() {
        const pid_t pid = startVelmor(10);
        QVERIFY(pid > 0);
        ::kill(pid, SIGTERM);
        int status = 0;
        ::waitpid(pid, &status, 0);
        QVERIFY2(WIFEXITED(status),
                 qPrintable(QStringLiteral("ended by signal %1")
                                .arg(WIFSIGNALED(status) ? WTERMSIG(status) : 0)));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("velmor")});
    }

    // An input method hands over a character beyond the first 65536 as one
    // text of two code units; the box keeps it whole.
    void theTypedMarkBoxKeepsACharacterOfTwoCodeUnitsWhole() {
        velmor::test_support::ScriptedPlatform platform;
        velmor::PendingMarks pending{u".", u","};
        velmor::FmOptions form(platform, pending);
        form.load();
        velmor::ui::OptionsDialog dialog(form, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.decimalList()->activated(8);  // "other"
        QVERIFY(dialog.decimalBox()->hasFocus());
        const QString emoji = QString::fromUtf16(u"\U0001F600");
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, emoji);
        QApplication::sendEvent(dialog.decimalBox(), &typed);
        QCOMPARE(dialog.decimalBox()->text(), emoji);
        QVERIFY(form.txDec.text() == u"\U0001F600");
        QVERIFY(dialog.okButton()->isEnabled());
    }

    // Reaching the end of this test is its check: a termination signal that
    // is not ignored ends the test program.
    void terminationSignalsAreIgnoredOnceClosingHasBegun_data() {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("closed by a signal") << true;
        QTest::newRow("closed by the close box") << false;
    }

    void terminationSignalsAreIgnoredOnceClosingHasBegun() {
        QFETCH(bool, bySignal);
        for (const int number : {SIGTERM, SIGINT, SIGHUP})
            ::signal(number, SIG_DFL);  // as the program starts
        QWidget window;
        window.show();
        auto* watcher = new velmor::ui::TerminationSignals(window);
        if (bySignal) {
            ::raise(SIGTERM);
        } else {
            window.close();
        }
        QTRY_VERIFY(!window.isVisible());
        delete watcher;  // as when the window goes at the end
        for (const int number : {SIGTERM, SIGINT, SIGHUP})
            ::raise(number);
    }
};

QTEST_MAIN(SavingTest)
#include "saving_test.moc"
