// What the windows share: the Help menu, the forum banners, the offer strips
// and the About window, each link opening its page and nothing else; the
// wrapped labels' heights.

#include "GuiTest.h"
#include "TestData.h"
#include "Windows.h"

#include "core/numerology/Numerology.h"
#include "ui/desktop/WebPages.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/WrappingLabel.h"

#include <QAction>
#include <QLabel>
#include <QStackedLayout>
#include <QWindow>

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initGui(); }
    void cleanup() { closeAll(); }

    // A working window reopens where it was left, at its size if resized.
    void placement_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("moveTo");
        QTest::addColumn<QSize>("grow");
        QTest::addColumn<bool>("placed"); // whether it reopens at moveTo
        QTest::newRow("main moved") << "main" << QPoint(120, 80) << QSize(0, 0) << true;
        QTest::newRow("result moved and resized") << "result" << QPoint(30, 40) << QSize(40, 30) << true;
        QTest::newRow("main off every screen") << "main" << QPoint(5000, 4000) << QSize(0, 0) << false;
        QTest::newRow("result left of every screen") << "result" << QPoint(-3000, 10) << QSize(20, 0) << false;
    }
    void placement()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, moveTo);
        QFETCH(QSize, grow);
        QFETCH(bool, placed);
        const auto open = [&window] {
            return window == QLatin1String("main") ? shown(static_cast<QWidget*>(new ui::frmMain))
                                                   : openResult(sampleReading());
        };
        QWidget* first = open();
        const QSize natural = first->size();
        first->move(moveTo);
        first->resize(natural + grow);
        QTRY_COMPARE(first->pos(), moveTo);
        closeAll();

        QWidget* again = open();
        QCOMPARE(again->size(), natural + grow);
        QCOMPARE(again->pos() == moveTo, placed);
    }

    // A wrapped label keeps the heights it measured, but never past a change
    // that moves its text: it answers as a QLabel given the same changes.
    void wrappedHeights_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : {"text", "font", "margin", "indent", "contents margins", "no wrap"}) {
            QTest::newRow(change) << QString::fromLatin1(change);
        }
    }
    void wrappedHeights()
    {
        QFETCH(QString, change);
        ui::WrappingLabel wrapping;
        QLabel plain;
        const QList<int> widths = {90, 160, 400};
        const auto heights = [&](const QLabel& label) {
            QList<int> list;
            for (const int width : widths) {
                list.append(label.heightForWidth(width));
            }
            return list;
        };
        for (QLabel* label : std::initializer_list<QLabel*>{&wrapping, &plain}) {
            label->setFont(ui::programFont());
            label->setWordWrap(true);
            label->setText(QStringLiteral("Wear the bead on a Monday, after a bath, facing the east"));
        }
        QCOMPARE(heights(wrapping), heights(plain));
        const QList<int> before = heights(plain);
        for (QLabel* label : std::initializer_list<QLabel*>{&wrapping, &plain}) {
            if (change == QLatin1String("text")) {
                label->setText(label->text().repeated(3));
            } else if (change == QLatin1String("font")) {
                label->setFont(ui::programFont(16, true));
            } else if (change == QLatin1String("margin")) {
                label->setMargin(20);
            } else if (change == QLatin1String("indent")) {
                label->setIndent(60);
            } else if (change == QLatin1String("contents margins")) {
                label->setContentsMargins(40, 10, 40, 10);
            } else {
                label->setWordWrap(false);
            }
        }
        QVERIFY(heights(plain) != before);
        QCOMPARE(heights(wrapping), heights(plain));
    }

    void links_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("close"); // how the About window is closed
        QTest::addColumn<QUrl>("address");
        const auto row = [](const char* window, const char* control, const QUrl& address, const char* close = "") {
            QTest::addRow("%s %s %s", window, control, close) << window << control << close << address;
        };
        for (const char* window : {"main", "result"}) {
            row(window, "mnuOnline",
                QUrl(QStringLiteral("https://vq-software.example.com/rudraksha-numerology/help/")));
            row(window, "mnuVisit", QUrl(QStringLiteral("https://vq-software.example.com/forum/")));
            row(window, "mnuUpdate",
                QUrl(QStringLiteral("https://vq-software.example.com/rudraksha-numerology/download/")));
            row(window, "mnuDonate", QUrl(QStringLiteral("https://vq-software.example.com/help/donate/")));
            row(window, "lblCobrand", QUrl(QStringLiteral("https://vq-software.example.com/help/co-brand/")));
            row(window, "lblFullBrand", QUrl(QStringLiteral("https://vq-software.example.com/help/full-brand/")));
        }
        row("main", "Label14", QUrl(QStringLiteral("https://vq-software.example.com/forum/"))); // the forum banner
        row("result", "Label61", QUrl(QStringLiteral("https://vq-software.example.com/forum/")));
        row("about", "lblHomePage", QUrl(QStringLiteral("https://vq-software.example.com/forum/")), "Enter");
        row("about", "lblCobrand", QUrl(QStringLiteral("https://vq-software.example.com/help/full-brand/")), "Esc");
        row("about", "", QUrl(), "cmdOK");
        row("about", "", QUrl(), "close box");
    }
    void links()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, close);
        QFETCH(QUrl, address);
        QWidget* host = window == QLatin1String("result") ? openResult(sampleReading()) : shown(new ui::frmMain);
        UrlCatcher urls;
        if (window == QLatin1String("about")) {
            bool stayedOpen = false;
            bool forced = false;
            QStringList titles; // the caption, then the heading
            const QStringList programTitle(2, QStringLiteral("VQ Rudraksha Numerology v1.0"));
            ModalWatcher watcher([&](QWidget* about) {
                // Closes the window only when the way under test did not.
                QTimer::singleShot(1000, about, [about, &forced] {
                    forced = true;
                    about->close();
                });
                if (!control.isEmpty()) {
                    QTest::mouseClick(child<ui::LinkLabel>(about, control), Qt::LeftButton);
                }
                stayedOpen = about->isVisible();
                titles = QStringList{about->windowTitle(), child<QLabel>(about, "Label2")->text()};
                if (close == QLatin1String("cmdOK")) {
                    QTest::mouseClick(child(about, close), Qt::LeftButton);
                } else if (close == QLatin1String("close box")) {
                    about->windowHandle()->close();
                } else {
                    // To the About window itself: on a busy machine it may not be
                    // the active window yet, and the main window's name box would
                    // take the key.
                    QWidget* keys = about->focusWidget() != nullptr ? about->focusWidget() : about;
                    QTest::keyClick(keys, close == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            child<QAction>(host, "mnuAbout")->trigger();
            QVERIFY(watcher.seen() && stayedOpen && !forced);
            QCOMPARE(titles, programTitle);
        } else if (auto* action = host->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = child<ui::LinkLabel>(host, control);
            // The promotion strip shows one offer at a time; put this one in front.
            if (auto* offers = qobject_cast<QStackedLayout*>(label->parentWidget()->layout())) {
                offers->setCurrentWidget(label);
            }
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(urls.opened, address.isEmpty() ? QList<QUrl>() : QList<QUrl>{address});
        QVERIFY(host->isVisible());
        QVERIFY(!exitRequested());
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
