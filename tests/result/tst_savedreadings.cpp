// Saving a reading from the result window and opening it again from the main
// window, driven through the real windows and the Qt file dialogs.

#include "GuiTest.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

// "Sample Name", 15 August 1985 as a reading file.
const QByteArray kSampleFile = QByteArray::fromHex("a8b6c2c5c1ba75a3b6c2ba0d0a"
                                                   "868a0d0a"
                                                   "8d0d0a"
                                                   "96cabccac8c90d0a"
                                                   "868e8d8a0d0a");

// A reading file of plain ASCII lines: every character code moved up by 85.
QByteArray FileOf(const QList<QByteArray>& plainLines, const QByteArray& lineEnd = "\r\n")
{
    QByteArray data;
    for (QByteArray line : plainLines) {
        for (char& c : line) {
            c = static_cast<char>(static_cast<unsigned char>(c) + 85);
        }
        data += line + lineEnd;
    }
    return data;
}

// The file's bytes; nothing for a missing file.
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

enum class Failure { None, FileSizeLimit, FolderIsAFile, NameTooLong };

} // namespace

class TestSavedReadings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitGui();
        QVERIFY(m_home.isValid());
        // The file dialog keeps its history in the user's config folder.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_home.filePath(QStringLiteral("settings")));
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        CloseAll();
        m_dir.reset();
    }

    void save_data()
    {
        QTest::addColumn<QString>("typed"); // in the folder
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QMessageBox::StandardButton>("reply"); // to the replace question; Cancel: the dialog's
        QTest::addColumn<Failure>("failure"); // anything else: an error message
        QTest::addColumn<QByteArray>("expected"); // the file afterwards; empty: missing
        const auto row = [](const char* name, const char* typed, const QByteArray& existing,
                             QMessageBox::StandardButton reply, Failure failure, const QByteArray& expected) {
            QTest::newRow(name) << typed << existing << reply << failure << expected;
        };

        const QByteArray old = FileOf({"A Much Longer Earlier Name", "28", "12", "December", "1950"});
        const auto no = QMessageBox::No;
        const auto yes = QMessageBox::Yes;
        row("bare name gets .rkn", "reading", {}, no, Failure::None, kSampleFile);
        row("Cancel is silent", "reading.rkn", {}, QMessageBox::Cancel, Failure::None, {});
        row("No to replacing keeps the file", "old.rkn", old, no, Failure::None, old);
        row("Yes to replacing writes it", "old.rkn", old, yes, Failure::None, kSampleFile);
        row("disk full over an existing file", "old.rkn", old, yes, Failure::FileSizeLimit, old);
        row("folder is a file", "afile/new.rkn", {}, no, Failure::FolderIsAFile, {});
        row("name too long for the file", "new.rkn", {}, no, Failure::NameTooLong, {});
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, existing);
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(Failure, failure);
        QFETCH(QByteArray, expected);

        const QString target = typed.endsWith(QLatin1String(".rkn")) ? typed : typed + QLatin1String(".rkn");
        const QString path = m_dir->filePath(target);
        const QDir root(m_dir->path());
        QVERIFY(failure != Failure::FolderIsAFile || WriteFile(m_dir->filePath(QStringLiteral("afile")), "a file"));
        QVERIFY(existing.isEmpty() || WriteFile(path, existing));
        const QStringList before = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        frmRudrakshNumerologyResult* result = Proceed(OpenMain(), {"Sample Name", "15", "August", "1985"});
        QVERIFY(result);
        if (failure == Failure::NameTooLong) {
            CurrentReading().PersonName = std::string(32767, 'A');
        }

        // A full disk: past 10 bytes a write fails with EFBIG instead of raising SIGXFSZ.
        rlimit unlimited{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &unlimited);
            std::signal(SIGXFSZ, handler);
        });
        const FileAnswer answer = AnswerFile([&] { QTest::mouseClick(result->cmdSave, Qt::LeftButton); },
            reply == QMessageBox::Cancel ? QString() : m_dir->filePath(typed), reply,
            [&] {
                rlimit small = unlimited;
                small.rlim_cur = 10;
                QVERIFY(failure != Failure::FileSizeLimit || setrlimit(RLIMIT_FSIZE, &small) == 0);
            });
        setrlimit(RLIMIT_FSIZE, &unlimited);

        QVERIFY(answer.dialog);
        QCOMPARE(answer.question.has_value(), !existing.isEmpty());
        if (answer.question) {
            QVERIFY2(answer.question->text.contains(target), qPrintable(answer.question->text));
            QCOMPARE(answer.question->buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(answer.message.has_value(), failure != Failure::None);
        if (answer.message) {
            QCOMPARE(answer.message->icon, QMessageBox::Critical);
            QVERIFY2(answer.message->text.contains(QDir::toNativeSeparators(path)), qPrintable(answer.message->text));
        }
        QCOMPARE(Contents(path).toHex(' '), expected.toHex(' '));
        // No half-written or temporary file is left behind.
        QStringList after = before;
        if (!expected.isEmpty() && !after.contains(target)) {
            after << target;
        }
        QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), after);
        QVERIFY(result->isVisible());
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("reopenedName");

        QTest::newRow("spaces around the name")
            << QStringList{"  Sample Name ", "15", "August", "1985"} << kSampleFile << "Sample Name";
        // é lies above code 170, so the shift drops it; it has no value, so the pages stay the same.
        QTest::newRow("accented letter dropped") << QStringList{"Renée Smith", "1", "January", "2000"}
                                                 << FileOf({"Rene Smith", "1", "1", "January", "2000"}) << "Rene Smith";
    }
    void saveAndReopen()
    {
        QFETCH(QStringList, input);
        QFETCH(QByteArray, saved);
        QFETCH(QString, reopenedName);

        frmRudrakshNumerologyResult* result = Proceed(OpenMain(), input);
        QVERIFY(result);
        const QStringList shown = PageTexts(result);
        const QString path = m_dir->filePath(QStringLiteral("saved.rkn"));
        const FileAnswer save = AnswerFile([&] { QTest::mouseClick(result->cmdSave, Qt::LeftButton); }, path);
        QVERIFY(save.dialog && !save.question && !save.message);
        QCOMPARE(Contents(path).toHex(' '), saved.toHex(' '));

        result->Back();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CurrentReading() = Reading{};
        const QPointer<frmMain> main = OpenMain();
        const FileAnswer open = AnswerFile([&] { QTest::mouseClick(main->cmdOpen, Qt::LeftButton); }, path);
        QVERIFY(open.dialog && !open.question && !open.message);
        QCOMPARE(QString::fromStdString(CurrentReading().PersonName), reopenedName);
        result = frmRudrakshNumerologyResult::LoadedInstance();
        QVERIFY(result && result->isVisible());
        QCOMPARE(PageTexts(result), shown);
    }

    void open_data()
    {
        QTest::addColumn<QString>("fileName"); // empty: Cancel
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("personName"); // empty: refused
        QTest::addColumn<int>("lifePath");
        QTest::addColumn<int>("destiny");

        const auto row
            = [](const char* name, const char* file, const QByteArray& bytes, const char* person = "", int lifePath = 0,
                  int destiny = 0) { QTest::newRow(name) << file << bytes << person << lifePath << destiny; };
        const QByteArray sample("Sample Name");
        row("Cancel", "", kSampleFile);
        row("wrong extension", "x.txt", kSampleFile);
        row("three lines", "three.rkn", FileOf({sample, "15", "8"}));
        row("plain text", "plain.rkn", "Sample Name\r\n15\r\n8\r\nAugust\r\n1985\r\n");
        row("empty file", "empty.rkn", "");
        row("day 0", "day.rkn", FileOf({sample, "0", "8", "August", "1985"}));
        row("month 13", "month.rkn", FileOf({sample, "15", "13", "August", "1985"}));
        row("name without letters A to Z", "name.rkn", FileOf({"12 34", "15", "8", "August", "1985"}));
        // Life path: day + month + year reduced; destiny: A J S = 1 ... I R = 9, reduced.
        row("NAME.RKN", "NAME.RKN", kSampleFile, "Sample Name", 1, 9);
        row("readingrkn without a dot", "readingrkn", FileOf({"Ann Lee", "2", "3", "March", "2000"}), "Ann Lee", 7, 6);
        row("LF line ends", "lf.rkn", FileOf({"Ann Lee", "2", "3", "March", "2000"}, "\n"), "Ann Lee", 7, 6);
        row("lines after the fifth", "extra.rkn", FileOf({"Bob Smith", "1", "1", "January", "1999", "x", "12"}),
            "Bob Smith", 3, 7);
    }
    void open()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, personName);
        QFETCH(int, lifePath);
        QFETCH(int, destiny);

        const QString path = fileName.isEmpty() ? QString() : m_dir->filePath(fileName);
        QVERIFY(path.isEmpty() || WriteFile(path, bytes));
        const QPointer<frmMain> main = OpenMain();
        Enter(main, {"Typed Person", "3", "March", "2001"});
        CurrentReading().PersonName = "Earlier Person";
        CurrentReading().LifePathNumber = 6;

        const FileAnswer open = AnswerFile([&] { QTest::mouseClick(main->cmdOpen, Qt::LeftButton); }, path);
        QVERIFY(open.dialog && !open.question);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
        if (!personName.isEmpty()) {
            QVERIFY2(!open.message, qPrintable(open.message ? open.message->text : QString()));
            QCOMPARE(QString::fromStdString(CurrentReading().PersonName), personName);
            QVERIFY(result && result->isVisible());
            QCOMPARE(result->lblResult[0]->text(), QString::number(lifePath));
            QCOMPARE(result->lblResult[10]->text(), QString::number(destiny));
            QVERIFY(main.isNull());
            return;
        }
        // Refused or cancelled: the main window, its input and the reading stay as they were.
        QCOMPARE(open.message.has_value(), !path.isEmpty());
        if (open.message) {
            QCOMPARE(open.message->text, QStringLiteral("Please Check The File."));
            QCOMPARE(open.message->icon, QMessageBox::Critical);
        }
        QVERIFY(main && main->isVisible());
        QCOMPARE(Input(main), QStringList({"Typed Person", "3", "March", "2001"}));
        QVERIFY(!result);
        QCOMPARE(QString::fromStdString(CurrentReading().PersonName), QStringLiteral("Earlier Person"));
        QCOMPARE(CurrentReading().LifePathNumber, 6);
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSavedReadings)
#include "tst_savedreadings.moc"
