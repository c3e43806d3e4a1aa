// Saving a reading from the result window and opening it again from the main
// window, driven through the real windows and the Qt file dialogs.

#include "GuiTest.h"

#include "app/CurrentReading.h"
#include "app/frmMain.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

const QString kMessageTitle = QStringLiteral("VQ Rudraksha Numerology");
const QString kSaveTitle = QStringLiteral("VQ Rudraksh Numerology");
const QString kCheckTheFile = QStringLiteral("Please Check The File.");

// "Sample Name", 15 August 1985 as a reading file.
const QByteArray kSampleFile = QByteArray::fromHex("a8b6c2c5c1ba75a3b6c2ba0d0a"
                                                   "868a0d0a"
                                                   "8d0d0a"
                                                   "96cabccac8c90d0a"
                                                   "868e8d8a0d0a");

// A file line for plain ASCII text: every character code moved up by 85.
QByteArray encoded(const QByteArray& plain)
{
    QByteArray line = plain;
    for (char& c : line) {
        c = static_cast<char>(static_cast<unsigned char>(c) + 85);
    }
    return line;
}

QByteArray readingFile(const QList<QByteArray>& plainLines, const QByteArray& lineEnd = "\r\n")
{
    QByteArray data;
    for (const QByteArray& line : plainLines) {
        data += encoded(line) + lineEnd;
    }
    return data;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// What a message box showed.
struct BoxSeen {
    bool seen = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Notes the next modal window (other than ignore) and presses press on it, or
// closes it when it has no such button.
std::unique_ptr<ModalWatcher> answerBox(BoxSeen& seen, QMessageBox::StandardButton press, QWidget* ignore = nullptr)
{
    return std::make_unique<ModalWatcher>(
        [&seen, press](QWidget* window) {
            seen.seen = true;
            seen.title = window->windowTitle();
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr) {
                seen.text = QString::fromLatin1(window->metaObject()->className());
                window->close();
                return;
            }
            seen.icon = box->icon();
            seen.text = box->text();
            seen.buttons = box->standardButtons();
            if (QAbstractButton* button = box->button(press)) {
                button->click();
            } else {
                box->reject();
            }
        },
        ignore);
}

// Answers the next file dialog: types name into its file name box and
// accepts, or cancels. Notes the dialog, the replace question on top of it,
// and any window shown once the dialog is done.
struct FileDialogAnswer {
    QString name; // full path, or a bare name in folder
    QString folder; // the dialog's folder before typing, when set
    bool pressEnter = false; // Enter in the name box instead of accept()
    bool cancel = false; // type the name, then Cancel
    QMessageBox::StandardButton replace = QMessageBox::No;
    std::function<void()> beforeAccept;

    bool seen = false;
    bool widgets = false; // the Qt dialog, not a native one
    QString objectName;
    QString title;
    QString defaultSuffix;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    BoxSeen question; // shown on top of the dialog
    BoxSeen message; // shown after the dialog closed

    void arm()
    {
        m_dialog = std::make_unique<ModalWatcher>([this](QWidget* window) { answer(window); });
    }

    // Stops watching, so no later window is answered from here.
    void disarm()
    {
        m_dialog.reset();
        m_question.reset();
        m_message.reset();
    }

private:
    void answer(QWidget* window)
    {
        seen = true;
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog == nullptr) {
            title = window->windowTitle();
            window->close();
            return;
        }
        objectName = dialog->objectName();
        title = dialog->windowTitle();
        defaultSuffix = dialog->defaultSuffix();
        acceptMode = dialog->acceptMode();
        fileMode = dialog->fileMode();
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        widgets = edit != nullptr;
        if (edit != nullptr) {
            if (!folder.isEmpty()) {
                dialog->setDirectory(folder);
            }
            edit->setText(name);
        }
        if (edit == nullptr || cancel) {
            dialog->reject();
        } else {
            m_question = answerBox(question, replace, dialog);
            if (beforeAccept) {
                beforeAccept();
            }
            if (pressEnter) {
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                // QFileDialog::accept() is protected; the call still reaches it.
                static_cast<QDialog*>(dialog)->accept();
            }
            // Still open after a "No" or a refused name.
            if (dialog->isVisible()) {
                dialog->reject();
            }
            m_question.reset();
        }
        m_message = answerBox(message, QMessageBox::Ok, dialog);
    }

    std::unique_ptr<ModalWatcher> m_dialog;
    std::unique_ptr<ModalWatcher> m_question;
    std::unique_ptr<ModalWatcher> m_message;
};

// The numbers, values and texts of both result pages.
QStringList pageTexts(const frmRudrakshNumerologyResult* window)
{
    QStringList texts;
    for (const QLabel* label : window->lblResult) {
        texts << label->text();
    }
    for (const QPlainTextEdit* box : window->txtResult) {
        texts << box->toPlainText();
    }
    return texts;
}

QString describe(const Reading& reading)
{
    return QStringList{QString::fromStdString(reading.PersonName), QString::number(reading.BirthDay),
        QString::number(reading.BirthMonth), QString::fromStdString(reading.BirthMonthName),
        QString::number(reading.BirthYear), QString::number(reading.DestinyNumber),
        QString::fromStdString(reading.DestinyText), QString::number(reading.LifePathNumber),
        QString::fromStdString(reading.LifePathText)}
        .join(QLatin1Char('|'));
}

// A reading left over from earlier, to see that a refused file changes nothing.
Reading earlierReading()
{
    Reading reading;
    reading.PersonName = "Earlier Person";
    reading.BirthDay = 2;
    reading.BirthMonth = 2;
    reading.BirthMonthName = "February";
    reading.BirthYear = 2002;
    reading.DestinyNumber = 5;
    reading.DestinyText = "earlier destiny";
    reading.LifePathNumber = 6;
    reading.LifePathText = "earlier life path";
    return reading;
}

frmMain* shownMainWindow()
{
    frmMain* main = frmMain::Instance();
    main->show();
    return QTest::qWaitForWindowExposed(main) ? main : nullptr;
}

QString inputOf(const frmMain* main)
{
    return QStringList{main->txtName->text(), main->cboDate->currentText(), main->cboMonth->currentText(),
        main->cboYear->currentText()}
        .join(QLatin1Char('|'));
}

void typeInput(frmMain* main, const QString& name, int day, const QString& month, int year)
{
    main->txtName->clear();
    // keyClicks takes ASCII only; other letters go in as typed text.
    for (const QChar c : name) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(main->txtName, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, main->txtName, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    main->cboDate->setCurrentIndex(day - 1);
    main->cboMonth->setCurrentIndex(main->cboMonth->findText(month));
    main->cboYear->setCurrentIndex(main->cboYear->findText(QString::number(year)));
}

// A new reading typed into the main window and shown by Proceed.
frmRudrakshNumerologyResult* proceed(const QString& name, int day, const QString& month, int year)
{
    frmMain* main = shownMainWindow();
    if (main == nullptr) {
        return nullptr;
    }
    typeInput(main, name, day, month, year);
    BoxSeen refused;
    const auto watcher = answerBox(refused, QMessageBox::Ok);
    QTest::mouseClick(main->cmdProceed, Qt::LeftButton);
    frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
    return refused.seen || result == nullptr || !QTest::qWaitForWindowExposed(result) ? nullptr : result;
}

// The result window over a reading of 15 August 1985 set directly, without
// the main window.
frmRudrakshNumerologyResult* resultWindowFor(const std::string& name)
{
    Reading& reading = CurrentReading();
    reading = Reading{};
    reading.PersonName = name;
    reading.BirthDay = 15;
    reading.BirthMonth = 8;
    reading.BirthMonthName = "August";
    reading.BirthYear = 1985;
    frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::Instance();
    result->show();
    return QTest::qWaitForWindowExposed(result) ? result : nullptr;
}

// Every window the click opens is answered before the click returns.
void clickAndAnswer(QPushButton* button, FileDialogAnswer& answer)
{
    answer.arm();
    QTest::mouseClick(button, Qt::LeftButton);
    answer.disarm();
}

} // namespace

class TestSavedReadings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void savedBytes_data();
    void savedBytes();
    void saveAnswers_data();
    void saveAnswers();
    void saveFailure_data();
    void saveFailure();
    void saveAndReopen_data();
    void saveAndReopen();
    void openLeavesMainWindow_data();
    void openLeavesMainWindow();
    void openAccepted_data();
    void openAccepted();

private:
    QString filePath(const QString& name) const { return m_dir->filePath(name); }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSavedReadings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
    // The file dialog keeps its history in the user's config folder.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_home.filePath(QStringLiteral("settings")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(QApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
}

void TestSavedReadings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    CurrentReading() = Reading{};
}

void TestSavedReadings::cleanup()
{
    // Deleted, not closed: a close would end the program.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->parentWidget() == nullptr) {
            windows.append(widget);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frmMain::LoadedInstance() == nullptr);
    QVERIFY(frmRudrakshNumerologyResult::LoadedInstance() == nullptr);
    m_dir.reset();
}

void TestSavedReadings::savedBytes_data()
{
    QTest::addColumn<QByteArray>("personName");
    QTest::addColumn<QByteArray>("firstLine");

    // Every row types a bare file name, which gets ".rkn".
    // A character outside the code page counts as "?".
    QTest::newRow("character outside the code page") << QByteArray("Li \xe6\x9d\x8e") << encoded("Li ?");
    QTest::newRow("longest name a file holds") << QByteArray(32766, 'A') << encoded(QByteArray(32766, 'A'));
}

void TestSavedReadings::savedBytes()
{
    QFETCH(QByteArray, personName);
    QFETCH(QByteArray, firstLine);

    frmRudrakshNumerologyResult* result = resultWindowFor(personName.toStdString());
    QVERIFY(result != nullptr);
    FileDialogAnswer answer;
    answer.folder = m_dir->path();
    answer.name = QStringLiteral("reading");
    clickAndAnswer(result->cmdSave, answer);

    QVERIFY2(!answer.message.seen, qPrintable(answer.message.text));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.rkn")});
    const QByteArray expected = firstLine + "\r\n" + kSampleFile.mid(kSampleFile.indexOf("\r\n") + 2);
    QCOMPARE(contents(filePath(QStringLiteral("reading.rkn"))).toHex(' '), expected.toHex(' '));
}

void TestSavedReadings::saveAnswers_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::addColumn<bool>("written");

    QTest::newRow("Cancel writes nothing") << false << true << QMessageBox::No << false;
    QTest::newRow("No to replacing keeps the file") << true << false << QMessageBox::No << false;
    QTest::newRow("Yes to replacing writes it") << true << false << QMessageBox::Yes << true;
}

// Cancel and the question before replacing a file; none of them shows a message.
void TestSavedReadings::saveAnswers()
{
    QFETCH(bool, existing);
    QFETCH(bool, cancel);
    QFETCH(QMessageBox::StandardButton, reply);
    QFETCH(bool, written);

    const QByteArray earlier = readingFile({"Someone Else", "1", "1", "January", "1901", "kept line"});
    const QString path = filePath(QStringLiteral("reading.rkn"));
    QVERIFY(!existing || writeFile(path, earlier));
    frmRudrakshNumerologyResult* result = resultWindowFor("Sample Name");
    QVERIFY(result != nullptr);

    FileDialogAnswer answer;
    answer.folder = m_dir->path();
    answer.name = QStringLiteral("reading.rkn");
    answer.cancel = cancel;
    answer.replace = reply;
    clickAndAnswer(result->cmdSave, answer);

    QVERIFY(answer.seen);
    QCOMPARE(answer.question.seen, existing);
    if (existing) {
        QCOMPARE(answer.question.icon, QMessageBox::Warning);
        QCOMPARE(answer.question.title, kSaveTitle);
        QVERIFY2(answer.question.text.contains(QStringLiteral("reading.rkn")), qPrintable(answer.question.text));
        QCOMPARE(answer.question.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QVERIFY2(!answer.message.seen, qPrintable(answer.message.text));
    const QByteArray expected = written ? kSampleFile : existing ? earlier : QByteArray("<missing>");
    QCOMPARE(contents(path).toHex(' '), expected.toHex(' '));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        existing || written ? QStringList{QStringLiteral("reading.rkn")} : QStringList{});
    QVERIFY(result->isVisible());
}

enum class Failure { FileSizeLimit, FolderRemoved, FolderIsAFile, NameTooLong };

void TestSavedReadings::saveFailure_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("existing");

    const QByteArray earlier = readingFile({"A Much Longer Earlier Name", "28", "12", "December", "1950"});
    QTest::newRow("disk full over an existing file") << Failure::FileSizeLimit << "old.rkn" << earlier;
    QTest::newRow("folder removed before writing") << Failure::FolderRemoved << "gone/new.rkn" << QByteArray();
    QTest::newRow("folder is a file") << Failure::FolderIsAFile << "afile/new.rkn" << QByteArray();
    QTest::newRow("name too long for the file") << Failure::NameTooLong << "new.rkn" << QByteArray();
    QTest::newRow("name too long over an existing file") << Failure::NameTooLong << "old.rkn" << earlier;
}

void TestSavedReadings::saveFailure()
{
    QFETCH(Failure, failure);
    QFETCH(QString, target);
    QFETCH(QByteArray, existing);

    const QString path = filePath(target);
    const QDir root(m_dir->path());
    if (failure == Failure::FolderRemoved) {
        QVERIFY(root.mkdir(QStringLiteral("gone")));
    }
    if (failure == Failure::FolderIsAFile) {
        QVERIFY(writeFile(filePath(QStringLiteral("afile")), "not a folder"));
    }
    if (!existing.isEmpty()) {
        QVERIFY(writeFile(path, existing));
    }
    frmRudrakshNumerologyResult* result
        = resultWindowFor(failure == Failure::NameTooLong ? std::string(32767, 'A') : std::string("Sample Name"));
    QVERIFY(result != nullptr);

    // A full disk: past 10 bytes a write fails with EFBIG instead of raising SIGXFSZ.
    rlimit unlimited{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const auto restoreLimit = [&] { setrlimit(RLIMIT_FSIZE, &unlimited); };
    const auto restore = qScopeGuard([&] {
        restoreLimit();
        std::signal(SIGXFSZ, handler);
    });
    FileDialogAnswer answer;
    answer.name = path;
    answer.replace = QMessageBox::Yes;
    QStringList before;
    answer.beforeAccept = [&] {
        if (failure == Failure::FileSizeLimit) {
            rlimit small = unlimited;
            small.rlim_cur = 10;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        if (failure == Failure::FolderRemoved) {
            QDir(filePath(QStringLiteral("gone"))).removeRecursively();
        }
        before = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    clickAndAnswer(result->cmdSave, answer);
    restoreLimit();

    QCOMPARE(answer.question.seen, !existing.isEmpty());
    QVERIFY2(answer.message.seen, "no message for a reading that was not saved");
    QCOMPARE(answer.message.icon, QMessageBox::Critical);
    QCOMPARE(answer.message.title, kMessageTitle);
    QCOMPARE(answer.message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY2(answer.message.text.contains(QDir::toNativeSeparators(path)), qPrintable(answer.message.text));
    if (existing.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QCOMPARE(contents(path).toHex(' '), existing.toHex(' '));
    }
    // No half-written or temporary file is left behind.
    QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(result->isVisible());
}

void TestSavedReadings::saveAndReopen_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("reopenedName");

    QTest::newRow("sample") << "Sample Name" << 15 << "August" << 1985 << kSampleFile << "Sample Name";
    // é lies above code 170, so the shift drops it; it has no value, so the pages stay the same.
    QTest::newRow("accented letter dropped")
        << "Renée Smith" << 1 << "January" << 2000 << readingFile({"Rene Smith", "1", "1", "January", "2000"})
        << "Rene Smith";
}

// A reading made in the main window, saved, and opened again after Back shows
// the same pages.
void TestSavedReadings::saveAndReopen()
{
    QFETCH(QString, typedName);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QByteArray, saved);
    QFETCH(QString, reopenedName);

    frmRudrakshNumerologyResult* result = proceed(typedName, day, month, year);
    QVERIFY(result != nullptr);
    const QStringList shown = pageTexts(result);
    const QString path = filePath(QStringLiteral("saved.rkn"));
    FileDialogAnswer save;
    save.name = path;
    save.pressEnter = true;
    clickAndAnswer(result->cmdSave, save);

    QVERIFY(save.seen);
    QVERIFY2(save.widgets, "native file dialog in use although AA_DontUseNativeDialogs is set");
    QCOMPARE(save.objectName, QStringLiteral("saveDialog"));
    QCOMPARE(save.title, kSaveTitle);
    QCOMPARE(save.defaultSuffix, QStringLiteral("rkn"));
    QCOMPARE(save.acceptMode, QFileDialog::AcceptSave);
    QVERIFY2(!save.question.seen && !save.message.seen, qPrintable(save.question.text + save.message.text));
    QCOMPARE(contents(path).toHex(' '), saved.toHex(' '));
    QVERIFY(result->isVisible());

    result->Back();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CurrentReading() = earlierReading();
    const QPointer<frmMain> main = shownMainWindow();
    QVERIFY(main != nullptr);
    FileDialogAnswer open;
    open.name = path;
    clickAndAnswer(main->cmdOpen, open);

    QVERIFY(open.seen);
    QCOMPARE(open.objectName, QStringLiteral("openDialog"));
    QCOMPARE(open.title, QStringLiteral("Select the source file"));
    QCOMPARE(open.acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(open.fileMode, QFileDialog::ExistingFile);
    QVERIFY2(!open.question.seen && !open.message.seen, qPrintable(open.question.text + open.message.text));
    QCOMPARE(QString::fromStdString(CurrentReading().PersonName), reopenedName);
    result = frmRudrakshNumerologyResult::LoadedInstance();
    QVERIFY(result != nullptr);
    QCOMPARE(pageTexts(result), shown);
    // The main window closed as it does for a reading, not as an exit, which
    // would have closed the result window too.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main == nullptr);
    QVERIFY(result->isVisible());
}

void TestSavedReadings::openLeavesMainWindow_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("cancel");

    const QByteArray sample("Sample Name");
    QTest::newRow("Cancel") << "sample.rkn" << kSampleFile << true;
    QTest::newRow("wrong extension") << "x.txt" << kSampleFile << false;
    QTest::newRow("three lines") << "three.rkn" << readingFile({sample, "15", "8"}) << false;
    QTest::newRow("plain text") << "plain.rkn" << QByteArray("Sample Name\r\n15\r\n8\r\nAugust\r\n1985\r\n") << false;
    QTest::newRow("empty file") << "empty.rkn" << QByteArray() << false;
    QTest::newRow("day 0") << "day.rkn" << readingFile({sample, "0", "8", "August", "1985"}) << false;
    QTest::newRow("month 13") << "month.rkn" << readingFile({sample, "15", "13", "August", "1985"}) << false;
    QTest::newRow("name without letters A to Z")
        << "name.rkn" << readingFile({"12 34", "15", "8", "August", "1985"}) << false;
}

// A refused or cancelled file leaves the main window, its input and the
// current reading as they were; a refusal says so.
void TestSavedReadings::openLeavesMainWindow()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cancel);

    QVERIFY(writeFile(filePath(fileName), bytes));
    frmMain* main = shownMainWindow();
    QVERIFY(main != nullptr);
    typeInput(main, QStringLiteral("Typed Person"), 3, QStringLiteral("March"), 2001);
    const QString typed = inputOf(main);
    CurrentReading() = earlierReading();

    FileDialogAnswer open;
    open.name = filePath(fileName);
    open.cancel = cancel;
    clickAndAnswer(main->cmdOpen, open);

    QVERIFY(open.seen);
    QVERIFY2(!open.question.seen, qPrintable(open.question.text));
    if (cancel) {
        QVERIFY2(!open.message.seen, qPrintable(open.message.text));
    } else {
        QVERIFY2(open.message.seen, "the file was not refused");
        QCOMPARE(open.message.text, kCheckTheFile);
        QCOMPARE(open.message.icon, QMessageBox::Critical);
        QCOMPARE(open.message.title, kMessageTitle);
        QCOMPARE(open.message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(frmMain::LoadedInstance(), main);
    QVERIFY(main->isVisible());
    QCOMPARE(inputOf(main), typed);
    QVERIFY(frmRudrakshNumerologyResult::LoadedInstance() == nullptr);
    QCOMPARE(describe(CurrentReading()), describe(earlierReading()));
}

void TestSavedReadings::openAccepted_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("personName");
    QTest::addColumn<QString>("lifePath");
    QTest::addColumn<QString>("destiny");

    // Life path: day + month + year reduced; destiny: A J S = 1 ... I R = 9, reduced.
    QTest::newRow("upper-case NAME.RKN") << "NAME.RKN" << kSampleFile << "Sample Name"
                                         << "1"
                                         << "9";
    QTest::newRow("ends in rkn without a dot")
        << "readingrkn" << readingFile({"Ann Lee", "2", "3", "March", "2000"}) << "Ann Lee"
        << "7"
        << "6";
    QTest::newRow("LF line ends") << "lf.rkn" << readingFile({"Ann Lee", "2", "3", "March", "2000"}, "\n") << "Ann Lee"
                                  << "7"
                                  << "6";
    QTest::newRow("lines after the fifth")
        << "extra.rkn" << readingFile({"Bob Smith", "1", "1", "January", "1999", "extra", "12"}) << "Bob Smith"
        << "3"
        << "7";
    QTest::newRow("no line end after the year")
        << "last.rkn" << readingFile({"Cy Dee", "9", "9", "September", "1999"}).chopped(2) << "Cy Dee"
        << "1"
        << "6";
}

void TestSavedReadings::openAccepted()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, personName);
    QFETCH(QString, lifePath);
    QFETCH(QString, destiny);

    QVERIFY(writeFile(filePath(fileName), bytes));
    CurrentReading() = earlierReading();
    const QPointer<frmMain> main = shownMainWindow();
    QVERIFY(main != nullptr);
    FileDialogAnswer open;
    open.name = filePath(fileName);
    clickAndAnswer(main->cmdOpen, open);

    QVERIFY2(!open.question.seen, qPrintable(open.question.text));
    QVERIFY2(!open.message.seen, qPrintable(open.message.text));
    QCOMPARE(QString::fromStdString(CurrentReading().PersonName), personName);
    frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
    QVERIFY(result != nullptr);
    QVERIFY(result->isVisible());
    QCOMPARE(result->lblResult[0]->text(), lifePath);
    QCOMPARE(result->lblResult[10]->text(), destiny);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main == nullptr);
}

QTEST_MAIN(TestSavedReadings)
#include "tst_savedreadings.moc"
