#include "GuiTest.h"

#include "app/frmMain.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/UpdateReminder.h"
#include "desktop/modHelp.h"
#include "result/TextCodec.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace std::chrono;

namespace {

const QDate kToday(2026, 12, 8);

QString Encode(const QString& text)
{
    return QString::fromStdString(TextCodec::EncodeText(text.toStdString()));
}

QString Decode(const QString& text)
{
    return QString::fromStdString(TextCodec::DecodeText(text.toStdString()));
}

std::unique_ptr<QSettings> Settings()
{
    return std::unique_ptr<QSettings>(modHelp::OpenReminderSettings());
}

// The decoded stored value, or an empty text when there is none.
QString StoredDate()
{
    return Decode(Settings()->value(modHelp::ReminderKey()).toString());
}

void Store(const QString& plain)
{
    Settings()->setValue(modHelp::ReminderKey(), Encode(plain));
}

constexpr year_month_day Ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Test"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init() { Settings()->clear(); }

    void decide_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shortDateOffset"); // days from today, or 999 for no short date
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("storesToday");
        QTest::newRow("first start") << "" << 999 << false << true;
        QTest::newRow("today") << "2026-12-08" << 999 << false << false;
        QTest::newRow("14 days ago") << "2026-11-24" << 999 << false << false;
        QTest::newRow("15 days ago") << "2026-11-23" << 999 << true << true;
        QTest::newRow("14 days ahead") << "2026-12-22" << 999 << false << false;
        QTest::newRow("15 days ahead, clock set back") << "2026-12-23" << 999 << true << true;
        QTest::newRow("years ago") << "2001-01-01" << 999 << true << true;
        QTest::newRow("no date at all") << "soon" << 999 << false << true;
        QTest::newRow("impossible date") << "2026-02-30" << 999 << false << true;
        QTest::newRow("short date 15 days ago") << "11/23/26" << -15 << true << true;
        QTest::newRow("short date 3 days ago") << "12/5/26" << -3 << false << false;
    }
    void decide()
    {
        QFETCH(QString, stored);
        QFETCH(int, shortDateOffset);
        QFETCH(bool, ask);
        QFETCH(bool, storesToday);
        std::optional<year_month_day> shortDate;
        if (shortDateOffset != 999) {
            shortDate = year_month_day{sys_days{Ymd(2026, 12, 8)} + days{shortDateOffset}};
        }
        const auto decision = UpdateReminder::Decide(Ymd(2026, 12, 8), stored.toStdString(), shortDate);
        QCOMPARE(decision.ask, ask);
        QCOMPARE(decision.store.has_value(), storesToday);
        if (storesToday) {
            QCOMPARE(*decision.store, std::string("2026-12-08"));
        }
    }

    void datesRoundTrip()
    {
        for (const auto date : {Ymd(1, 1, 1), Ymd(2026, 12, 8), Ymd(2024, 2, 29), Ymd(9999, 12, 31)}) {
            QCOMPARE(UpdateReminder::ParseDate(UpdateReminder::FormatDate(date)), std::optional(date));
        }
        QCOMPARE(UpdateReminder::FormatDate(Ymd(987, 3, 4)), std::string("0987-03-04"));
        for (const char* text : {"", "2026-1-08", "2026/12/08", "20261208", "2026-12-08 ", "2026-13-01"}) {
            QVERIFY2(!UpdateReminder::ParseDate(text), text);
        }
    }

    void firstStartStoresTodayQuietly()
    {
        UrlCatcher pages;
        // A plain key left by another program is not the reminder's.
        Settings()->setValue(QStringLiteral("Settings/Duration"), QStringLiteral("2001-01-01"));
        ModalWatcher unexpected([](QWidget* modal) { modal->close(); });
        modHelp::CheckForUpdate(kToday);
        QVERIFY(!unexpected.seen());
        QCOMPARE(StoredDate(), QStringLiteral("2026-12-08"));
        QVERIFY(pages.opened.isEmpty());

        // The key in the store is the encoded word, and so is the value.
        QCOMPARE(modHelp::ReminderKey(), QStringLiteral("Settings/") + Encode(QStringLiteral("Duration")));
        QCOMPARE(Settings()->value(modHelp::ReminderKey()).toString(), Encode(QStringLiteral("2026-12-08")));
        QCOMPARE(Settings()->value(QStringLiteral("Settings/Duration")).toString(), QStringLiteral("2001-01-01"));
    }

    void question_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("14 days ago") << "2026-11-24" << false << false;
        QTest::newRow("15 days ago, No") << "2026-11-23" << true << false;
        QTest::newRow("15 days ago, Yes") << "2026-11-23" << true << true;
        QTest::newRow("15 days ahead, No") << "2026-12-23" << true << false;
        QTest::newRow("short date 20 days ago, Yes") << "11/18/26" << true << true;
        QTest::newRow("short date 2 days ago") << "12/6/26" << false << false;
        QTest::newRow("unreadable value") << "next week" << false << false;
    }
    void question()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asked);
        QFETCH(bool, answerYes);
        Store(stored);
        UrlCatcher pages;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QMessageBox::StandardButtons buttons;
        auto watcher = std::make_unique<ModalWatcher>([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            text = box->text();
            icon = box->icon();
            title = box->windowTitle();
            buttons = box->standardButtons();
            box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        modHelp::CheckForUpdate(kToday);
        QCOMPARE(watcher->seen(), asked);
        watcher.reset();

        const bool unreadable = stored == QLatin1String("next week");
        QCOMPARE(StoredDate(), asked || unreadable ? QStringLiteral("2026-12-08") : stored);
        QCOMPARE(pages.opened, answerYes ? QList<QUrl>{modHelp::UpdatePageAddress()} : QList<QUrl>{});
        if (asked) {
            QCOMPARE(text,
                QStringLiteral("There maybe an update to this software available\r"
                               "Do you want to check for an update?"));
            QCOMPARE(icon, QMessageBox::Information);
            QCOMPARE(title, QStringLiteral("VQ Rudraksha Numerology"));
            QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }

    void menuEntryLeavesTheDateAlone()
    {
        Store(QStringLiteral("2020-01-01"));
        UrlCatcher pages;
        auto* main = new frmMain;
        main->findChild<QAction*>(QStringLiteral("mnuUpdate"))->trigger();
        QCOMPARE(pages.opened, QList<QUrl>{modHelp::UpdatePageAddress()});
        QCOMPARE(StoredDate(), QStringLiteral("2020-01-01"));
        delete main;
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
