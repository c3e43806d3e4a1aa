// The register of saved readings: its search, its columns and lines, what
// Enter, a double click and Compare hand to the main window, the folder
// followed while it is open, and the folder chosen.

#include "GuiTest.h"
#include "TestData.h"
#include "Unix.h"
#include "Windows.h"

#include "core/numerology/BirthDate.h"
#include "core/storage/ReadingFileLayout.h"
#include "system/FileAccess.h"
#include "system/ReadingFolder.h"
#include "system/RecentReadings.h"
#include "system/Settings.h"
#include "system/Translation.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/register/ReadingsModel.h"
#include "ui/register/frmReadings.h"

#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

struct Person {
    const char* name;
    int day;
    int month;
    int year;
};

core::ReadingInput inputOf(const Person& person)
{
    return personBorn(person.name, person.day, person.month, person.year);
}

// Saves the person's reading as the program saves it.
bool save(const QString& path, const Person& person)
{
    return sys::writeWholeFile(path, QByteArray::fromStdString(*core::readingFileBytes(inputOf(person)))).isEmpty();
}

// Life paths 7, 1, 7, 2; birth numbers 3, 6, 2, 6.
const Person kAnn{"Ann Lee", 3, 3, 1999}; // "3 March 1999"
const Person kBob{"Bob Ray", 15, 8, 1985}; // "15 August 1985": first as text, last but one as a date
const Person kSimon{"\xc5\xa0imon Novak", 2, 1, 2002}; // "Šimon Novak"
const Person kZed{"Zed Orr", 24, 12, 1982};

const Person& personNamed(const QString& name)
{
    for (const Person* person : {&kAnn, &kBob, &kSimon, &kZed}) {
        if (QString::fromUtf8(person->name) == name) {
            return *person;
        }
    }
    qFatal("no person %s", qPrintable(name));
}

// Every field of an input: "Bob Ray 15 8 August 1985".
QString described(const core::ReadingInput& input)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(q(input.PersonName))
        .arg(input.BirthDay)
        .arg(input.BirthMonth)
        .arg(q(input.BirthMonthName))
        .arg(input.BirthYear);
}

// As many readings as a practice keeps in some years: reading them all takes
// far longer than stopping between two of them.
constexpr int kMany = 10000;

// The names in the list, top to bottom.
QStringList shownNames(const QTableView* table)
{
    QStringList names;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        names << table->model()->index(row, ui::ReadingsModel::Name).data().toString();
    }
    return names;
}

QModelIndex rowOf(const QTableView* table, const QString& name)
{
    const QModelIndexList found = table->model()->match(
        table->model()->index(0, ui::ReadingsModel::Name), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    return found.value(0);
}

void clickRow(QTableView* table, const QString& name, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, table->visualRect(rowOf(table, name)).center());
}

} // namespace

class TestRegister : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initGui();
        sys::speakForThisRun(QStringLiteral("en")); // as the program does: English has its plural forms
    }
    void init()
    {
        m_folder.emplace();
        const QDir folder(m_folder->path());
        QVERIFY(folder.mkdir(QStringLiteral("clients")) && folder.mkdir(QStringLiteral("x.rkn")));
        QVERIFY(save(folder.filePath(QStringLiteral("ann.rkn")), kAnn));
        QVERIFY(save(folder.filePath(QStringLiteral("clients/bob.RKN")), kBob));
        QVERIFY(save(folder.filePath(QStringLiteral("x.rkn/simon.rkn")), kSimon));
        QVERIFY(save(folder.filePath(QStringLiteral("b-zed.rkn")), kZed));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("three.rkn")), fileOf({"Ann Lee", "3", "3"})));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("clients/list.rkn")), "shopping list\r\n"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("notes.txt")), kSampleFile));
        sys::Settings::setReadingsFolder(m_folder->path());
    }
    void cleanup()
    {
        closeAll();
        m_folder.reset();
    }

    // The search finds a name by any part of it, whatever its case and its
    // Latin accents; the marks of other scripts count.
    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nothing typed: all") << "" << QStringList{"Ann Lee", "José Ortiz", "Šimon", "देवी"};
        QTest::newRow("accents ignored") << "jose" << QStringList{"José Ortiz"};
        QTest::newRow("case ignored, typed accent too") << "JOSÉ" << QStringList{"José Ortiz"};
        QTest::newRow("a caron") << "sim" << QStringList{"Šimon"};
        QTest::newRow("inside the name, spaces made single") << "n   l" << QStringList{"Ann Lee"};
        QTest::newRow("Devanagari as written") << "देवी" << QStringList{"देवी"};
        QTest::newRow("its vowel signs count") << "दव" << QStringList{};
        QTest::newRow("no such name") << "xyz" << QStringList{};
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        ui::ReadingsModel model;
        QList<ui::RegisterEntry> entries;
        for (const char* name : {"Ann Lee", "José Ortiz", "Šimon", "देवी"}) {
            sys::FolderReading file{QStringLiteral("/r/%1.rkn").arg(entries.size()), {}, inputOf({name, 1, 1, 2000}),
                {}, QDateTime::currentDateTime()};
            entries << ui::registerEntry(file, QStringLiteral("/r"));
        }
        model.append(entries);
        ui::ReadingsFilter filter(&model);
        filter.sort(ui::ReadingsModel::Name);
        filter.setSearch(typed);
        QStringList names;
        for (int row = 0; row < filter.rowCount(); ++row) {
            names << filter.index(row, ui::ReadingsModel::Name).data().toString();
        }
        QCOMPARE(names, found);
    }

    // The list as it fills: its rows and columns, its lines, and its sorting
    // by a column's value, a date as a date.
    void theList_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("names"); // top to bottom, after one click on the column's head
        QTest::newRow("birth date, as dates")
            << int(ui::ReadingsModel::BirthDate) << QStringList{"Zed Orr", "Bob Ray", "Ann Lee", "Šimon Novak"};
        QTest::newRow("life path, ties by name")
            << int(ui::ReadingsModel::LifePath) << QStringList{"Bob Ray", "Zed Orr", "Ann Lee", "Šimon Novak"};
        QTest::newRow("birth number") << int(ui::ReadingsModel::BirthNumber)
                                      << QStringList{"Šimon Novak", "Ann Lee", "Bob Ray", "Zed Orr"};
        QTest::newRow("file") << int(ui::ReadingsModel::File)
                              << QStringList{"Ann Lee", "Zed Orr", "Bob Ray", "Šimon Novak"};
    }
    void theList()
    {
        QFETCH(int, column);
        QFETCH(QStringList, names);
        auto* readings = shown(new ui::frmReadings(nullptr));
        QTRY_VERIFY(!readings->isFilling());
        auto* table = child<QTableView>(readings, "tblReadings");
        // By name at first, Š as S.
        QCOMPARE(shownNames(table), QStringList({"Ann Lee", "Bob Ray", "Šimon Novak", "Zed Orr"}));
        QStringList bob;
        for (int c = 0; c < ui::ReadingsModel::ColumnCount; ++c) {
            bob << table->model()->index(1, c).data().toString();
        }
        QCOMPARE(bob.mid(0, 5), QStringList({"Bob Ray", "15 August 1985", "6", "1", "9"}));
        QCOMPARE(bob.at(6), QDir::toNativeSeparators(QStringLiteral("clients/bob.RKN")));
        QCOMPARE(child<QLabel>(readings, "lblCount")->text(), QStringLiteral("4 readings"));
        QVERIFY(child(readings, "lblNotReadings")->isVisible());
        QCOMPARE(child<QLabel>(readings, "lblNotReadings")->text(), QStringLiteral("2 files are not readings"));
        QCOMPARE(child(readings, "lblFolder")->toolTip(), QDir::toNativeSeparators(m_folder->path()));

        QHeaderView* header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
        QCOMPARE(shownNames(table), names);

        QTest::keyClicks(child(readings, "txtSearch"), QStringLiteral("r"));
        QCOMPARE(child<QLabel>(readings, "lblCount")->text(), QStringLiteral("2 of 4 readings"));

        // The files that are not readings, each with its reason.
        QStringList listed;
        ModalWatcher watcher([&listed](QWidget* modal) {
            if (auto* files = control<QTableWidget>(modal, QStringLiteral("lstNotReadings"))) {
                for (int row = 0; row < files->rowCount(); ++row) {
                    listed << files->item(row, 0)->text() + QStringLiteral(": ") + files->item(row, 1)->text();
                }
            }
            modal->close();
        });
        QTest::mouseClick(child(readings, "cmdNotReadings"), Qt::LeftButton);
        const QString damaged = QStringLiteral(": Damaged: it does not hold a whole reading.");
        QCOMPARE(listed,
            QStringList({QDir::toNativeSeparators(QStringLiteral("clients/list.rkn")) + damaged,
                QStringLiteral("three.rkn") + damaged}));
    }

    // What the register hands to the main window: one reading opened as Open
    // opens it, or two to compare, the upper one first; a file that is no
    // longer a reading is refused as Open refuses it.
    void handedToTheMainWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("clicked"); // in this order, the second with Ctrl
        QTest::addColumn<QStringList>("handed"); // the names, in order; empty: refused
        QTest::newRow("Enter") << "Enter" << QStringList{"Zed Orr"} << QStringList{"Zed Orr"};
        QTest::newRow("a double click") << "double click" << QStringList{"Bob Ray"} << QStringList{"Bob Ray"};
        QTest::newRow("Enter in the search box") << "search" << QStringList{} << QStringList{"Šimon Novak"};
        QTest::newRow("Compare, the upper first")
            << "Compare" << QStringList{"Zed Orr", "Bob Ray"} << QStringList{"Bob Ray", "Zed Orr"};
        QTest::newRow("Compare with one selected does nothing") << "Compare" << QStringList{"Zed Orr"} << QStringList{};
        QTest::newRow("a reading spoilt since it was listed") << "spoilt" << QStringList{"Ann Lee"} << QStringList{};
    }
    void handedToTheMainWindow()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, clicked);
        QFETCH(QStringList, handed);

        QPointer<ui::frmMain> main = shown(new ui::frmMain);
        QStringList got;
        QObject::connect(main, &ui::frmMain::readingRequested, main,
            [&got](const core::ReadingInput& input) { got << described(input); });
        QObject::connect(main, &ui::frmMain::comparisonRequested, main,
            [&got](const core::ReadingInput& first, const core::ReadingInput& second) {
                got << described(first) << described(second) << QStringLiteral("compared");
            });

        std::optional<Message> refusal;
        std::unique_ptr<ModalWatcher> after;
        bool compareEnabled = false;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* readings = qobject_cast<ui::frmReadings*>(modal);
            if (readings == nullptr) {
                modal->close();
                return;
            }
            after = std::make_unique<ModalWatcher>(pressing(refusal, QMessageBox::Ok), modal);
            QTRY_VERIFY(!readings->isFilling());
            auto* table = child<QTableView>(readings, "tblReadings");
            for (qsizetype i = 0; i < clicked.size(); ++i) {
                clickRow(table, clicked.at(i), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
            }
            if (how == QLatin1String("Enter") || how == QLatin1String("spoilt")) {
                if (how == QLatin1String("spoilt")) {
                    QVERIFY(writeFile(m_folder->filePath(QStringLiteral("ann.rkn")), "spoilt"));
                }
                QTest::keyClick(table, Qt::Key_Return);
            } else if (how == QLatin1String("double click")) {
                QTest::mouseDClick(
                    table->viewport(), Qt::LeftButton, {}, table->visualRect(rowOf(table, clicked.front())).center());
            } else if (how == QLatin1String("search")) {
                QTest::keyClicks(child(readings, "txtSearch"), QStringLiteral("simon"));
                QTest::keyClick(child(readings, "txtSearch"), Qt::Key_Return);
            } else {
                compareEnabled = child(readings, "cmdCompare")->isEnabled();
                QTest::mouseClick(child(readings, "cmdCompare"), Qt::LeftButton);
                if (readings->isVisible()) {
                    readings->reject();
                }
            }
        });
        QTest::keySequence(main, QKeySequence(Qt::CTRL | Qt::Key_R));
        QVERIFY(watcher.seen());
        QCOMPARE(compareEnabled, handed.size() == 2);
        QStringList expected;
        for (const QString& name : handed) {
            expected << described(inputOf(personNamed(name)));
        }
        if (handed.size() == 2) {
            expected << QStringLiteral("compared");
        }
        QCOMPARE(got, expected);
        QCOMPARE(refusal.has_value(), how == QLatin1String("spoilt"));
        if (refusal) {
            QCOMPARE(refusal->text, QStringLiteral("Please Check The File."));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Handed on, the main window has closed; the reading heads the recent ones.
        QCOMPARE(main.isNull(), !handed.isEmpty());
        if (!handed.isEmpty()) {
            // Noted once the next window has painted, as the result window would.
            QWidget next;
            next.setObjectName(QStringLiteral("next"));
            shown(&next);
            QTRY_COMPARE(sys::recentReadings().value(0).personName, handed.front());
        }
    }

    // While the register is open, a reading saved into its folder or a folder
    // inside it comes within a second, and goes as quickly when removed; a
    // folder made inside it is followed too. The selection stays.
    void followsTheFolder()
    {
        auto* readings = shown(new ui::frmReadings(nullptr));
        QTRY_VERIFY(!readings->isFilling());
        auto* table = child<QTableView>(readings, "tblReadings");
        clickRow(table, QStringLiteral("Zed Orr"));
        const QDir folder(m_folder->path());
        const auto within = [](const std::function<bool()>& seen) {
            QElapsedTimer timer;
            timer.start();
            while (!seen() && timer.elapsed() < 1000) {
                QTest::qWait(10);
            }
            return seen();
        };
        const auto listed = [table](const char* name) { return shownNames(table).contains(QString::fromUtf8(name)); };

        QVERIFY(save(folder.filePath(QStringLiteral("amy.rkn")), {"Amy Wu", 1, 2, 1990}));
        QVERIFY(within([&] { return listed("Amy Wu"); }));
        QVERIFY(save(folder.filePath(QStringLiteral("clients/cy.rkn")), {"Cy Hale", 1, 2, 1990}));
        QVERIFY(within([&] { return listed("Cy Hale"); }));
        QVERIFY(folder.mkdir(QStringLiteral("new")));
        QVERIFY(save(folder.filePath(QStringLiteral("new/dee.rkn")), {"Dee Fox", 1, 2, 1990}));
        QVERIFY(within([&] { return listed("Dee Fox"); }));
        QVERIFY(QFile::rename(folder.filePath(QStringLiteral("amy.rkn")), folder.filePath(QStringLiteral("amy.txt"))));
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("clients/cy.rkn"))));
        QVERIFY(within([&] { return !listed("Amy Wu") && !listed("Cy Hale"); }));
        QCOMPARE(child<QLabel>(readings, "lblCount")->text(), QStringLiteral("5 readings"));
        const QModelIndexList selected = table->selectionModel()->selectedRows(ui::ReadingsModel::Name);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.front().data().toString(), QStringLiteral("Zed Orr"));
    }

    // Change Folder reads the folder chosen, and the register opens there next time.
    void changeFolder()
    {
        QTemporaryDir other;
        QVERIFY(save(QDir(other.path()).filePath(QStringLiteral("eve.rkn")), {"Eve Dunn", 5, 5, 1955}));
        auto* readings = shown(new ui::frmReadings(nullptr));
        const FileAnswer answer
            = answerFile([&] { QTest::mouseClick(child(readings, "cmdChangeFolder"), Qt::LeftButton); }, other.path());
        QVERIFY(answer.dialog && !answer.message);
        QTRY_VERIFY(!readings->isFilling());
        QCOMPARE(shownNames(child<QTableView>(readings, "tblReadings")), QStringList{"Eve Dunn"});
        QCOMPARE(child<QLabel>(readings, "lblCount")->text(), QStringLiteral("1 reading"));
        QVERIFY(!child(readings, "lblNotReadings")->isVisible());
        QCOMPARE(sys::Settings::readingsFolder(), other.path());
        delete readings;
        ui::frmReadings again(nullptr);
        QCOMPARE(child(&again, "lblFolder")->toolTip(), QDir::toNativeSeparators(other.path()));
    }

    // Closed while it fills, the register neither waits for the folder nor
    // falls over.
    void closedWhileFilling()
    {
        const QDir folder(m_folder->path());
        QVERIFY(folder.mkdir(QStringLiteral("many")));
        for (int i = 0; i < kMany; ++i) {
            QVERIFY(writeFile(folder.filePath(QStringLiteral("many/%1.rkn").arg(i)), kSampleFile));
        }
        // Read whole once, then closed five times while it fills: a close
        // stops the reading between two files, it does not wait for its end.
        QElapsedTimer timer;
        timer.start();
        auto* whole = new ui::frmReadings(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!whole->isFilling(), 30000);
        const qint64 fill = timer.elapsed();
        delete whole;
        qint64 closing = 0; // the longest close
        for (int round = 0; round < 5; ++round) {
            auto* readings = new ui::frmReadings(nullptr);
            readings->show();
            QCoreApplication::processEvents();
            QVERIFY(readings->isFilling());
            timer.restart();
            delete readings;
            closing = std::max(closing, timer.elapsed());
        }
        QVERIFY2(
            closing < fill / 3, qPrintable(QStringLiteral("%1 ms to close, %2 ms to fill").arg(closing).arg(fill)));
    }

private:
    std::optional<QTemporaryDir> m_folder;
};

QTEST_MAIN(TestRegister)
#include "tst_register.moc"
