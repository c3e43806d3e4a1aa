// The result window: the two pages a reading is written on, their tabs, and
// Save.

#include "GuiTest.h"
#include "TestData.h"
#include "Unix.h"
#include "Windows.h"
#include "WindowsOnly.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/DigitReduction.h"
#include "core/numerology/Numerology.h"
#include "core/numerology/Working.h"
#include "system/CoreText.h"
#include "system/RecentReadings.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"
#include "system/Translation.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/Pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

using sys::fromCore;

namespace {

bool AllWhite(const QImage& image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == white;
}

enum class Failure {
    None,
    FileSizeLimit,
    FolderIsAFile,
    NameTooLong,
    // Windows' own:
    ReadOnlyAttribute,
    HeldOpen, // by another program, shared with nobody
    DeviceName, // CON.rkn names the console
    LongPath, // past the 260 characters Windows programs can open
};

} // namespace

class TestResultWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initGui(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        closeAll();
        m_dir.reset();
    }

    void reading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("lifePath"); // lblResult_0 to _6
        QTest::addColumn<QStringList>("destiny"); // lblResult_10 to _16
        QTest::addColumn<QString>("working"); // the tooltip of lblResult_0

        const QStringList one{
            "1", "ONE MUKHI RUDRAKSHA", "Sun", "Lord Shiva", "1", "Monday", "Aum Hreem Namah. Om Namah Shivaya"};
        const QStringList eight{
            "8", "EIGHT MUKHI RUDRAKSHA", "Rahu", "Lord Ganesh", "4", "Monday", "Aum Hum Namah, Om Ganeshaya Namah"};
        const QStringList five{"5", "FIVE MUKHI RUDRAKSHA", "Jupiter", "Lord Shiva", "3", "Monday", "Aum Hreem Namah"};
        const QStringList three{
            "3", "THREE MUKHI RUDRAKSHA", "Mars", "God Agni", "9", "Monday", "Aum Kleem Namah, Om Namah Shivaya"};
        QTest::newRow("John Smith, 15 August 1985")
            << "John Smith" << 15 << 8 << 1985 << one << eight
            << QStringLiteral("15 + 8 + 1985 = 2008 \u2192 2 + 0 + 0 + 8 = 10 \u2192 1 + 0 = 1");
        QTest::newRow("both numbers 5") << "Eve" << 1 << 1 << 1902 << five << five
                                        << QStringLiteral(
                                               "1 + 1 + 1902 = 1904 \u2192 1 + 9 + 0 + 4 = 14 \u2192 1 + 4 = 5");
        // Its rows wrap onto more lines than the sample values did.
        QTest::newRow("John Smith, 1 January 1900")
            << "John Smith" << 1 << 1 << 1900 << three << eight
            << QStringLiteral("1 + 1 + 1900 = 1902 \u2192 1 + 9 + 0 + 2 = 12 \u2192 1 + 2 = 3");
    }
    void reading()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QStringList, lifePath);
        QFETCH(QStringList, destiny);
        QFETCH(QString, working);

        core::Reading input;
        input.PersonName = name.toStdString();
        input.BirthDay = static_cast<std::int16_t>(day);
        input.BirthMonth = static_cast<std::int16_t>(month);
        input.BirthYear = static_cast<std::int16_t>(year);
        QWidget* result = openResult(input);
        QVERIFY(result->isVisible());
        QCOMPARE(child(result, "lblResult_0")->toolTip(), working);

        for (const int page : {0, 1}) {
            // At the size the window came up with, no row lies over another
            // row, a text box or a picture.
            child<QTabBar>(result, "TS")->setCurrentIndex(page);
            QWidget* shownPage = child(result, page == 0 ? "fraLifePath" : "fraDestiny");
            QList<QWidget*> controls;
            for (QWidget* control : shownPage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control->isVisible()) {
                    controls << control;
                }
            }
            for (qsizetype i = 0; i < controls.size(); ++i) {
                for (qsizetype j = i + 1; j < controls.size(); ++j) {
                    QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                        qPrintable(controls[i]->objectName() + QLatin1String(" on ") + controls[j]->objectName()));
                }
            }

            const QStringList& top = page == 0 ? lifePath : destiny;
            const int n = top.front().toInt();
            const auto& row = *core::beadRow(n);
            const QString personality = sys::fromCore(page == 0 ? core::lifePathText(n) : core::destinyText(n));
            const QStringList shown = pageTexts(result, {page});
            const QStringList texts{sys::fromCore(row.BodyParts), sys::fromCore(row.Ailments),
                sys::fromCore(row.RitualsToWear), personality, sys::fromCore(row.Description),
                sys::fromCore(row.PlanetText)};
            QCOMPARE(shown, top + texts);
            // Rahu and Ketu have no planet text and no glyph: their planet picture is blank.
            QCOMPARE(shown.back() == QLatin1String("NA"), n >= 8);
            const QImage bead = child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page))->pixmap().toImage();
            const QImage planet
                = child<QLabel>(result, QStringLiteral("imgImage_%1").arg(2 * page + 1))->pixmap().toImage();
            QCOMPARE(bead, ui::beadPicture(n).toImage());
            QCOMPARE(planet, ui::planetPicture(n).toImage());
            QCOMPARE(AllWhite(planet), n >= 8);
            QVERIFY(!AllWhite(bead));
        }
    }

    void pages_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("page");
        QTest::newRow("at open") << QStringList{} << 0;
        QTest::newRow("click tab 2") << QStringList{"click 1"} << 1;
        QTest::newRow("click tab 2, then tab 1") << QStringList{"click 1", "click 0"} << 0;
        QTest::newRow("Ctrl+Tab") << QStringList{"Ctrl+Tab"} << 1;
        QTest::newRow("Ctrl+Tab twice") << QStringList{"Ctrl+Tab", "Ctrl+Tab"} << 0;
    }
    void pages()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, page);
        QWidget* result = openResult(sampleReading());
        auto* tabs = child<QTabBar>(result, "TS");
        const QStringList before = pageTexts(result);
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("click"))) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(step.back().digitValue()).center());
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            }
        }
        QCOMPARE(tabs->currentIndex(), page);
        QCOMPARE(child(result, "fraLifePath")->isVisible(), page == 0);
        QCOMPARE(child(result, "fraDestiny")->isVisible(), page == 1);
        QCOMPARE(pageTexts(result), before);
    }

    void readOnly()
    {
        QWidget* result = openResult(sampleReading());
        const QStringList before = pageTexts(result);
        for (int index = 0; index < 6; ++index) {
            auto* box = child<QPlainTextEdit>(result, QStringLiteral("txtResult_%1").arg(index));
            child<QTabBar>(result, "TS")->setCurrentIndex(index / 3);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("typed"));
            for (const auto key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return}) {
                QTest::keyClick(box, key);
            }
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(pageTexts(result), before);
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

        const QByteArray old = fileOf({"A Much Longer Earlier Name", "28", "12", "December", "1950"});
        const auto no = QMessageBox::No;
        const auto yes = QMessageBox::Yes;
        row("bare name gets .rkn", "reading", {}, no, Failure::None, kSampleFile);
        // Open takes nothing else, so every saved reading opens again.
        row("another suffix: .rkn added", "notes.txt", {}, no, Failure::None, kSampleFile);
        row("another suffix: replacing asked for that name", "old.TXT", old, yes, Failure::None, kSampleFile);
        row("upper-case .RKN kept", "OLD.RKN", {}, no, Failure::None, kSampleFile);
        row("Cancel is silent", "reading.rkn", {}, QMessageBox::Cancel, Failure::None, {});
        row("No to replacing keeps the file", "old.rkn", old, no, Failure::None, old);
        row("Yes to replacing writes it", "old.rkn", old, yes, Failure::None, kSampleFile);
        row("disk full over an existing file", "old.rkn", old, yes, Failure::FileSizeLimit, old);
        row("folder is a file", "afile/new.rkn", {}, no, Failure::FolderIsAFile, {});
        row("name too long for the file", "new.rkn", {}, no, Failure::NameTooLong, {});
        row("read-only file", "old.rkn", old, yes, Failure::ReadOnlyAttribute, old);
        row("file held open by another program", "old.rkn", old, yes, Failure::HeldOpen, old);
        row("name of a device", "CON.rkn", {}, yes, Failure::DeviceName, {});
        row("path past 260 characters", "", {}, no, Failure::LongPath, {});
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, existing);
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(Failure, failure);
        QFETCH(QByteArray, expected);

        const bool windowsOwn = failure == Failure::ReadOnlyAttribute || failure == Failure::HeldOpen
            || failure == Failure::DeviceName || failure == Failure::LongPath;
        if (windowsOwn && isUnix()) {
            QSKIP("a case of Windows' own");
        }
        if (failure == Failure::LongPath) {
            // A folder whose name alone has 200 characters, then the file.
            typed = QString(200, QLatin1Char('f')) + QStringLiteral("/") + QString(60, QLatin1Char('n'))
                + QStringLiteral(".rkn");
            QVERIFY(QDir(m_dir->path()).mkdir(typed.section(QLatin1Char('/'), 0, 0)));
        }
        const QString target
            = typed.endsWith(QLatin1String(".rkn"), Qt::CaseInsensitive) ? typed : typed + QLatin1String(".rkn");
        const QString path = m_dir->filePath(target);
        const QDir root(m_dir->path());
        QVERIFY(failure != Failure::FolderIsAFile || writeFile(m_dir->filePath(QStringLiteral("afile")), "a file"));
        QVERIFY(existing.isEmpty() || writeFile(path, existing));
        QVERIFY(failure != Failure::ReadOnlyAttribute || setReadOnlyAttribute(path));
        std::optional<FileHeldOpen> held;
        if (failure == Failure::HeldOpen) {
            QVERIFY(held.emplace(path).isHeld());
        }
        const QStringList before = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        core::ReadingInput reading = sampleReading();
        if (failure == Failure::NameTooLong) {
            reading.PersonName = std::string(32767, 'A');
        }
        QWidget* result = openResult(reading);

        // A full disk: past 10 bytes a write fails.
        if (failure == Failure::FileSizeLimit && !isUnix()) {
            QSKIP("a process cannot limit the size of its files here");
        }
        FileSizeLimit limit;
        const FileAnswer answer = answerFile([&] { QTest::mouseClick(child(result, "cmdSave"), Qt::LeftButton); },
            reply == QMessageBox::Cancel ? QString() : m_dir->filePath(typed), reply,
            [&] { QVERIFY(failure != Failure::FileSizeLimit || limit.limitTo(10)); });
        limit.lift();

        QVERIFY(answer.dialog);
        QCOMPARE(answer.question.has_value(), !existing.isEmpty());
        if (answer.question) {
            QVERIFY2(answer.question->text.contains(target), qPrintable(answer.question->text));
            QCOMPARE(answer.question->buttons, QMessageBox::Yes | QMessageBox::No);
        }
        held.reset(); // the other program lets go
        QCOMPARE(answer.message.has_value(), failure != Failure::None);
        if (answer.message) {
            QCOMPARE(answer.message->icon, QMessageBox::Critical);
            QVERIFY2(answer.message->text.contains(QDir::toNativeSeparators(path)), qPrintable(answer.message->text));
            // The reason in the program's own words.
            QVERIFY(failure != Failure::FileSizeLimit
                || answer.message->text.endsWith(
                    QStringLiteral("There is not enough space on the disk for the file.")));
        }
        QCOMPARE(fileContents(path).toHex(' '), expected.toHex(' '));
        // No half-written or temporary file is left behind.
        QStringList after = before;
        if (!expected.isEmpty() && !after.contains(target)) {
            after << target;
        }
        QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), after);
        QVERIFY(result->isVisible());
        // The register opens where the reading was saved.
        QCOMPARE(sys::Settings::readingsFolder(), expected == kSampleFile ? QFileInfo(path).absolutePath() : QString());
    }

    void suggestedPdfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suggested");
        // At most 240 bytes of the file system's encoding: on Linux UTF-8, where
        // a euro sign takes 3 bytes; on Windows the names are UTF-16, one unit
        // for a euro sign.
        const QString euros(isUnix() ? 78 : 200, QChar(0x20AC));
        // One letter of four code points, 12 bytes: never cut inside.
        const QString kshi = QStringLiteral("\u0915\u094D\u0937\u093F");
        const int letters = isUnix() ? 19 : 59;
        QTest::newRow("folder upwards") << "../../etc/passwd"
                                        << "etc passwd.pdf";
        QTest::newRow("dot and space in front") << ". .Anna"
                                                << "Anna.pdf";
        QTest::newRow("A and 200 euro signs") << QStringLiteral("A") + QString(200, QChar(0x20AC))
                                              << QStringLiteral("A") + euros + QStringLiteral(".pdf");
        QTest::newRow("84 Devanagari letters") << kshi.repeated(84) << kshi.repeated(letters) + QStringLiteral(".pdf");
    }
    void suggestedPdfName()
    {
        QFETCH(QString, name);
        QFETCH(QString, suggested);
        core::ReadingInput input = sampleReading();
        input.PersonName = name.toStdString();
        QWidget* result = openResult(input);
        QString seen;
        ModalWatcher watcher([&seen](QWidget* modal) {
            seen = child<QLineEdit>(modal, "fileNameEdit")->text();
            modal->close();
        });
        child<QAction>(result, "mnuExport")->trigger();
        QCOMPARE(seen, suggested);
        QVERIFY(QFile::encodeName(seen).size() <= 240);
    }

    // Qt's dialog greys out Save for a name past the file system's limit: the
    // name box says why.
    void longNameInExportDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size"); // as the file system counts; 0: no word
        QTest::newRow("255 units") << QString(251, QLatin1Char('a')) + QStringLiteral(".pdf") << 0;
        QTest::newRow("256 units") << QString(252, QLatin1Char('a')) + QStringLiteral(".pdf") << 256;
        // 3 bytes each on Linux, one unit each on Windows.
        QTest::newRow("86 Devanagari letters") << QString(86, QChar(0x0915)) << (isUnix() ? 258 : 0);
    }
    void longNameInExportDialog()
    {
        QFETCH(QString, typed);
        QFETCH(int, size);
        QWidget* result = openResult(sampleReading());
        QString said;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* name = child<QLineEdit>(modal, "fileNameEdit");
            name->clear();
            name->insert(typed); // as pasted
            said = name->toolTip();
            modal->close();
        });
        child<QAction>(result, "mnuExport")->trigger();
        const QString hint = QStringLiteral("A file name may be at most 255 %1 long; this one has %2.")
                                 .arg(isUnix() ? QStringLiteral("bytes") : QStringLiteral("characters"))
                                 .arg(size);
        QCOMPARE(said, size == 0 ? QString() : hint);
    }

    void printToFile_data()
    {
        QTest::addColumn<QString>("what"); // at the chosen name
        QTest::newRow("over an existing file") << "file";
        QTest::newRow("disk full over an existing file") << "full disk";
        // Qt's dialog would open it to see that it may write: for good.
        QTest::newRow("a named pipe, refused at once") << "pipe";
    }
    void printToFile()
    {
        QFETCH(QString, what);
        const bool diskFull = what == QLatin1String("full disk");
        const bool pipe = what == QLatin1String("pipe");
        const QString path = m_dir->filePath(QStringLiteral("keep.pdf"));
        const QByteArray old = "%PDF-1.4 an older document";
        if (!isUnix()) {
            QSKIP("the print dialog is the system's own on Windows, which a test cannot fill in");
        }
        QVERIFY(pipe ? makeNamedPipe(path) : writeFile(path, old));
        QWidget* result = openResult(sampleReading());
        FileSizeLimit limit;
        std::optional<Message> question;
        std::optional<Message> message;
        std::unique_ptr<ModalWatcher> after;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* printers = child<QComboBox>(modal, "printers");
            printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
            child<QLineEdit>(modal, "filename")->setText(path);
            ModalWatcher replace(pressing(question, QMessageBox::Yes), modal);
            QVERIFY(!diskFull || limit.limitTo(10));
            modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            // A refused name leaves the dialog open, for another.
            if (pipe && modal->isVisible()) {
                modal->close();
            }
            after = std::make_unique<ModalWatcher>(pressing(message, QMessageBox::Ok), modal);
        });
        child<QAction>(result, "mnuPrint")->trigger();
        limit.lift();

        if (pipe) {
            // The message of Export's refusal came over the dialog.
            QVERIFY(question && !message);
            QCOMPARE(question->icon, QMessageBox::Critical);
            QVERIFY(question->text.endsWith(QStringLiteral("The file may not be changed.")));
            QVERIFY(!QFileInfo(path).isFile());
            return;
        }
        QVERIFY(question);
        QCOMPARE(message.has_value(), diskFull);
        if (diskFull) {
            QCOMPARE(message->icon, QMessageBox::Critical);
            QVERIFY2(message->text.contains(QDir::toNativeSeparators(path)), qPrintable(message->text));
            QCOMPARE(fileContents(path), old);
        } else {
            const QByteArray pdf = fileContents(path);
            QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF") && pdf.size() > 20480);
        }
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("keep.pdf")});
    }

    void exportPdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext (Debian's poppler-utils) is not installed");
        }
        core::ReadingInput input = sampleReading();
        input.PersonName = "John/Smith";
        QWidget* result = openResult(input);
        const auto trigger = [result](const char* action) { child<QAction>(result, action)->trigger(); };

        // Cancel writes nothing; the dialog offers the name, made fit for a file.
        QStringList seen;
        {
            ModalWatcher watcher([&seen](QWidget* modal) {
                seen << modal->objectName() << modal->windowTitle() << child<QLineEdit>(modal, "fileNameEdit")->text();
                modal->close();
            });
            trigger("mnuExport");
            QVERIFY(watcher.seen());
        }
        QCOMPARE(seen, (QStringList{"exportDialog", "Export the reading as PDF", "John Smith.pdf"}));
        // Print's Cancel is just as silent.
        {
            ModalWatcher watcher([&seen](QWidget* modal) {
                seen << modal->metaObject()->className();
                modal->close();
            });
            trigger("mnuPrint");
            QVERIFY(watcher.seen());
        }
        QCOMPARE(seen.back(), QStringLiteral("QPrintDialog"));
        QVERIFY(QDir(m_dir->path()).isEmpty());

        // A bare name gets ".pdf".
        const FileAnswer answer = answerFile([&] { trigger("mnuExport"); }, m_dir->filePath(QStringLiteral("reading")));
        QVERIFY(answer.dialog);
        QVERIFY(!answer.message);
        QProcess reader;
        reader.start(pdftotext, {m_dir->filePath(QStringLiteral("reading.pdf")), QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        QCOMPARE(reader.exitCode(), 0);
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        const core::Reading reading = core::completeReading(input);
        for (const QString& expected : {QStringLiteral("VQ Rudraksha Numerology\nJohn/Smith\n15 August 1985"),
                 q(workingText(reading.LifePathWorking)), q(workingText(reading.DestinyWorking)),
                 QStringLiteral("EIGHT MUKHI RUDRAKSHA"), QStringLiteral("Rituals To Wear"),
                 QStringLiteral("3.Keep them in a clean and holy place."),
                 // The chart after the two numbers: the birth number's page, every number, the grid and its rules.
                 QStringLiteral("Birth number"), QStringLiteral("15 \u2192 1 + 5 = 6"),
                 QStringLiteral("SIX MUKHI RUDRAKSHA"), QStringLiteral("All numbers"),
                 QStringLiteral("Personal year %1").arg(QDate::currentDate().year()), QStringLiteral("Lo Shu grid"),
                 QStringLiteral("What the numbers say"), QStringLiteral("A, E, I, O and U are vowels")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
        // Every page says which it is, of how many.
        const qsizetype pages = text.count(QStringLiteral("Page "));
        QVERIFY2(pages >= 4 && text.contains(QStringLiteral("Page %1 of %1").arg(pages)), qPrintable(text.right(200)));
    }

    // The chart, from Chart or Ctrl+K, as a reader meets it: its three tabs,
    // the birth number's page, the table's numbers, the grid's cells as a
    // screen reader says them, and the choice of the added numbers, kept.
    void chart_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Chart") << "cmdChart";
        QTest::newRow("Ctrl+K") << "Ctrl+K";
    }
    void chart()
    {
        QFETCH(QString, how);
        core::ReadingInput input = sampleReading();
        input.PersonName = "John Smith";
        QWidget* result = openResult(input);
        sys::Settings::setGridHoldsNumbers(false);
        QStringList seen;
        ModalWatcher watcher([&](QWidget* chart) {
            auto* tabs = child<QTabWidget>(chart, "tabChart");
            for (int i = 0; i < tabs->count(); ++i) {
                seen << tabs->tabText(i);
            }
            seen << child<QLabel>(chart, "lblResult_20")->text() << child<QLabel>(chart, "lblResult_20")->toolTip()
                 << child<QLabel>(chart, "lblResult_21")->text();
            for (int row = 0; row < 6; ++row) {
                seen << child<QLabel>(chart, QStringLiteral("lblNumber_%1").arg(row))->accessibleName();
            }
            const auto cells = [&] {
                for (const int n : {4, 8, 1, 6}) {
                    seen << child<QLabel>(chart, QStringLiteral("lblCell_%1").arg(n))->accessibleName();
                }
            };
            cells();
            // The birth number 6 and the life path 1 join the grid, marked.
            child<QCheckBox>(chart, "chkAddNumbers")->click();
            cells();
            seen << child<QLabel>(chart, "lblCell_1")->text();
            QTest::keyClick(chart, Qt::Key_Escape);
        });
        if (how == QLatin1String("Ctrl+K")) {
            QTest::keySequence(result, QKeySequence(Qt::CTRL | Qt::Key_K));
        } else {
            QTest::mouseClick(child(result, "cmdChart"), Qt::LeftButton);
        }
        QVERIFY(watcher.seen());
        const QStringList expected{"&Birth Number", "&All Numbers", "&Lo Shu Grid", "Co&mpatibility", "6",
            "15 \u2192 1 + 5 = 6", "SIX MUKHI RUDRAKSHA", "Birth number: 6", "Life path number: 1", "Destiny number: 8",
            "Soul urge: 6", "Personality number: 2",
            QStringLiteral("Personal year %1: %2")
                .arg(QDate::currentDate().year())
                .arg(core::reduceDigits(15 + 8 + static_cast<std::uint64_t>(QDate::currentDate().year()))),
            "4: missing", "8: twice", "1: twice", "6: missing", "4: missing", "8: twice",
            "1: twice from the date, once added", "6: once, added", "1 1 (1)"};
        QCOMPARE(seen, expected);
        QVERIFY(sys::Settings::gridHoldsNumbers());
        sys::Settings::setGridHoldsNumbers(false);
    }

    // The chart's compatibility tab, the other person typed (and checked as
    // the main window checks), opened from a file (refused as Open refuses),
    // chosen from the recent readings, or handed over with the window.
    void compatibility_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("refusal");
        const QString priya = QStringLiteral("Priya Sharma");
        QTest::newRow("typed") << "typed" << priya << 3 << 11 << QString();
        QTest::newRow("typed, Enter") << "enter" << priya << 3 << 11 << QString();
        QTest::newRow("typed, no name") << "typed"
                                        << "   " << 3 << 11 << "Please Enter Your Name";
        QTest::newRow("typed, no letter A to Z")
            << "typed"
            << "123" << 3 << 11 << "Please Enter Your Name Using The Letters A To Z";
        QTest::newRow("typed, 30 February") << "typed" << priya << 30 << 2 << "Please Enter Correct Date Or Month!";
        QTest::newRow("typed, 31 April") << "typed" << priya << 31 << 4 << "Please Enter Correct Date Or Month !";
        QTest::newRow("opened") << "opened" << priya << 3 << 11 << QString();
        QTest::newRow("opened, not a reading") << "opened" << QString() << 0 << 0 << "Please Check The File.";
        QTest::newRow("recent") << "recent" << priya << 3 << 11 << QString();
        QTest::newRow("recent, gone") << "recent" << QString() << 0 << 0 << "Please Check The File.";
        QTest::newRow("handed over") << "given" << priya << 3 << 11 << QString();
    }
    void compatibility()
    {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, refusal);
        core::ReadingInput first = sampleReading();
        first.PersonName = "John Smith";
        core::ReadingInput other = first;
        other.PersonName = name.toStdString();
        other.BirthDay = static_cast<std::int16_t>(day);
        other.BirthMonth = static_cast<std::int16_t>(month);
        other.BirthMonthName = day > 0 ? std::string(core::monthName(month)) : std::string();
        other.BirthYear = 1988;
        const QString file = m_dir->filePath(QStringLiteral("priya.rkn"));
        if (how == QLatin1String("opened") || how == QLatin1String("recent")) {
            if (name.isEmpty()) {
                QVERIFY(writeFile(file, "not a reading"));
            } else {
                QCOMPARE(sys::writeReadingFile(file, other), QString());
            }
            sys::noteRecentReading(file, QStringLiteral("Priya"));
        }
        if (how == QLatin1String("recent") && name.isEmpty()) {
            QVERIFY(QFile::remove(file));
        }
        auto* result = static_cast<ui::frmRudrakshNumerologyResult*>(openResult(first));

        std::optional<Message> message;
        QString shown;
        QStringList recent;
        bool paper = false;
        ModalWatcher watcher([&](QWidget* chart) {
            auto* tabs = child<QTabWidget>(chart, "tabChart");
            if (how != QLatin1String("given")) {
                tabs->setCurrentIndex(3);
            }
            QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tabCompatibility"));
            if (how == QLatin1String("typed") || how == QLatin1String("enter")) {
                child<QLineEdit>(chart, "txtOtherName")->setText(name);
                child<QComboBox>(chart, "cboOtherDate")->setCurrentIndex(day - 1);
                child<QComboBox>(chart, "cboOtherMonth")->setCurrentIndex(month - 1);
                child<QComboBox>(chart, "cboOtherYear")->setCurrentText(QStringLiteral("1988"));
                message = answerMessage([&] {
                    if (how == QLatin1String("enter")) {
                        // Enter in the name box compares, and closes nothing.
                        QTest::keyClick(child(chart, "txtOtherName"), Qt::Key_Return);
                        QVERIFY(chart->isVisible());
                    } else {
                        QTest::mouseClick(child(chart, "cmdCompare"), Qt::LeftButton);
                    }
                });
            } else if (how == QLatin1String("opened")) {
                message = answerFile([&] { QTest::mouseClick(child(chart, "cmdOpenOther"), Qt::LeftButton); }, file)
                              .message;
            } else if (how == QLatin1String("recent")) {
                auto* list = child<QComboBox>(chart, "cboRecent");
                QCOMPARE(list->itemText(0), QStringLiteral("Priya"));
                message = answerMessage([&] { emit list->activated(0); });
                for (int i = 0; i < list->count(); ++i) {
                    recent << list->itemText(i) + QLatin1Char('|') + list->itemData(i).toString();
                }
            }
            shown = child<QTextBrowser>(chart, "txtComparison")->toPlainText();
            paper = child(chart, "cmdExportComparison")->isEnabled() && child(chart, "cmdPrintComparison")->isEnabled();
            QTest::keyClick(chart, Qt::Key_Escape);
        });
        if (how == QLatin1String("given")) {
            result->showComparison(other);
        } else {
            QTest::mouseClick(child(result, "cmdChart"), Qt::LeftButton);
        }
        QVERIFY(watcher.seen());
        QCOMPARE(message ? message->text : QString(), refusal);
        // 6 and 3, 1 and 4, 8 and 3: the birth numbers first, then the life paths, then the destinies.
        const QStringList verdicts{"Day to day, the birth numbers 6 and 3 are strained.",
            "In the long run, the life path numbers 1 and 4 are opposed.",
            "In what they set out to do, the destiny numbers 8 and 3 are neutral."};
        const qsizetype firstVerdict = shown.indexOf(verdicts.front());
        if (!refusal.isEmpty()) {
            QCOMPARE(firstVerdict, -1);
            QVERIFY(!paper);
            // A recent reading that is gone leaves the list.
            QVERIFY(!recent.join(QLatin1Char('\n')).contains(file));
            return;
        }
        QVERIFY2(firstVerdict >= 0 && shown.indexOf(verdicts[1]) > firstVerdict
                && shown.indexOf(verdicts[2]) > shown.indexOf(verdicts[1]),
            qPrintable(shown));
        for (const char* both : {"6 is neutral to 3.", "3 counts 6 as an enemy.", "1 counts 4 as an enemy.",
                 "8 is neutral to 3.", "SIX MUKHI RUDRAKSHA", "Priya Sharma", "3 November 1988"}) {
            QVERIFY2(shown.contains(QLatin1String(both), Qt::CaseInsensitive), both);
        }
        QVERIFY(paper);
        if (how == QLatin1String("recent")) {
            // Opened, it comes first, under the name it holds.
            QCOMPARE(recent.value(0), QStringLiteral("Priya Sharma|") + file);
        }
    }

    // The comparison on paper: both names and dates at the top, the pairs, the
    // verdict, the rule and its table, every page numbered.
    void compatibilityOnPaper()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext (Debian's poppler-utils) is not installed");
        }
        core::ReadingInput first = sampleReading();
        first.PersonName = "John Smith";
        const core::ReadingInput other = personBorn("Priya Sharma", 3, 11, 1988);
        auto* result = static_cast<ui::frmRudrakshNumerologyResult*>(openResult(first));
        const QString pdf = m_dir->filePath(QStringLiteral("both.pdf"));
        std::optional<FileAnswer> answer;
        QString suggested;
        ModalWatcher watcher([&](QWidget* chart) {
            answer = answerFile([&] { QTest::mouseClick(child(chart, "cmdExportComparison"), Qt::LeftButton); }, pdf,
                QMessageBox::No,
                [&] { suggested = child<QLineEdit>(QApplication::activeModalWidget(), "fileNameEdit")->text(); });
            chart->close();
        });
        result->showComparison(other);
        QVERIFY(watcher.seen());
        QVERIFY(answer && answer->dialog && !answer->message);
        QCOMPARE(suggested, QStringLiteral("John Smith and Priya Sharma.pdf"));
        QProcess reader;
        reader.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        for (const QString& expected :
            {QStringLiteral("VQ Rudraksha Numerology\nJohn Smith\n15 August 1985\nPriya Sharma\n3 November 1988"),
                QStringLiteral("Compatibility"), QStringLiteral("6 is neutral to 3."),
                QStringLiteral("In the long run, the life path numbers 1 and 4 are opposed."),
                QStringLiteral("The rule"), QStringLiteral("natural friendship"), QStringLiteral("Page 1 of 2")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
    }

    // A reading in Hindi: the pages and the PDF speak it, the file holds the
    // same bytes as in English.
    void readingInHindi()
    {
        sys::chooseLanguage(QStringLiteral("hi"));
        const auto english = qScopeGuard([] { sys::chooseLanguage(QStringLiteral("en")); });
        QWidget* result = openResult(sampleReading());
        QCOMPARE(child<QLabel>(result, "lblResult_1")->text(), QStringLiteral("एक मुखी रुद्राक्ष"));
        QCOMPARE(child<QLabel>(result, "lblResult_2")->text(), QStringLiteral("सूर्य"));
        QCOMPARE(child<QTabBar>(result, "TS")->tabText(0), QStringLiteral("भाग्यांक के अनुसार रुद्राक्ष"));

        const QString saved = m_dir->filePath(QStringLiteral("hindi.rkn"));
        QVERIFY(!answerFile([&] { child<QPushButton>(result, "cmdSave")->click(); }, saved).message);
        QCOMPARE(fileContents(saved), kSampleFile);

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext (Debian's poppler-utils) is not installed");
        }
        const QString pdf = m_dir->filePath(QStringLiteral("hindi.pdf"));
        QVERIFY(!answerFile([&] { child<QAction>(result, "mnuExport")->trigger(); }, pdf).message);
        QProcess reader;
        reader.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        // Qt's PDF writer gives a conjunct (स्त, द्र, क्ष) no text of its own, so
        // what a reader of the text finds is the words without one.
        for (const QString& expected : {QStringLiteral("एक मुखी"), QStringLiteral("सोमवार")}) {
            QVERIFY2(text.contains(expected), qPrintable(text.left(400)));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
