// In-process timings of what a user waits for: Proceed and Open to the result
// window's first paint (beside a bare window's first paint, their floor),
// composing the pages, the codec at its longest text, the destiny number of
// a very long name, and the register of 10,000 readings filled and searched. Reported as medians (and minimums)
// of repeated runs; 15 repetitions unless --benchmark_repetitions says otherwise.
//
//   vq-bench-inprocess                        offscreen unless QT_QPA_PLATFORM is set
//   vq-bench-inprocess --benchmark_filter=Open

#include "Driving.h"
#include "TestData.h"
#include "app/Application.h"
#include "app/StartProgram.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/Numerology.h"
#include "core/storage/ReadingFileLayout.h"
#include "core/storage/TextCodec.h"
#include "system/ProgramNames.h"
#include "system/Settings.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/register/frmReadings.h"
#include "ui/result/frmRudrakshNumerologyResult.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QString kMainWindow = QStringLiteral("frmMain");
const QString kResultWindow = QStringLiteral("frmRudrakshNumerologyResult");
const QString kChartWindow = QStringLiteral("frmChart");

// Beyond this a run has gone wrong (a message box, a dialog left open).
constexpr int kGiveUpMs = 10000;

// GUI runs are slow enough that a fixed count per repetition keeps the whole
// run short; the timed part of each is a few milliseconds.
constexpr benchmark::IterationCount kWindowIterations = 10;

// Medians are the figures; the minimum beside them shows how much of a
// median is a busy machine.
void withMinimum(benchmark::internal::Benchmark* bench)
{
    bench->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); });
}

bool inWindow(const QObject* object, const QString& windowName)
{
    for (; object != nullptr; object = object->parent()) {
        if (object->objectName() == windowName) {
            return true;
        }
    }
    return false;
}

// Notes the moment the named window, or a widget inside it, first paints.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QString windowName)
        : m_windowName(std::move(windowName))
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    FirstPaint(const FirstPaint&) = delete;
    FirstPaint& operator=(const FirstPaint&) = delete;

    // Runs events until the window has painted; false when it never did.
    bool wait()
    {
        if (!m_painted) {
            QTimer::singleShot(kGiveUpMs, &m_loop, &QEventLoop::quit);
            m_loop.exec();
        }
        return m_painted;
    }

    Clock::time_point when() const { return m_when; }

    // Closes the window, once painted, as soon as the paint is over: a
    // modal window's command returns then.
    void closeWhenPainted() { m_close = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && inWindow(watched, m_windowName)) {
            m_when = Clock::now();
            m_painted = true;
            m_loop.quit();
            if (m_close) {
                QTimer::singleShot(0, static_cast<QWidget*>(watched)->window(), &QWidget::close);
            }
        }
        return false;
    }

private:
    QString m_windowName;
    QEventLoop m_loop;
    bool m_painted = false;
    bool m_close = false;
    Clock::time_point m_when;
};

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// Removes the windows of one run without ending the program: deleted, never
// closed, since closing the result window other than by Back ends the program.
void unload()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == kMainWindow || window->objectName() == kResultWindow) {
            windows.append(window);
        }
    }
    qDeleteAll(windows);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A fresh main window, shown and painted, as the user sees it before a click.
QWidget* shownMainWindow()
{
    FirstPaint paint(kMainWindow);
    QWidget* main = app::showMainWindow();
    paint.wait();
    return main;
}

// One Proceed, from the click to the result window's first paint.
bool proceed(Clock::duration& took)
{
    QWidget* main = shownMainWindow();
    FirstPaint paint(kResultWindow);
    const auto start = Clock::now();
    proceedWith(main, QStringLiteral("John Smith"), 15, 8, 1985);
    const bool painted = paint.wait();
    took = paint.when() - start;
    unload();
    return painted;
}

void ProceedToFirstPaint(benchmark::State& state)
{
    Clock::duration took{};
    // The first result window of the run decodes the pictures; users meet that once.
    proceed(took);
    for (auto _ : state) {
        if (!proceed(took)) {
            state.SkipWithError("the result window did not paint");
            break;
        }
        state.SetIterationTime(seconds(took));
    }
}
BENCHMARK(ProceedToFirstPaint)
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// The floor for Proceed and Open: a bare window with one label, from its
// creation to its first paint.
void BareWindowToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        FirstPaint paint(QStringLiteral("bare"));
        const auto start = Clock::now();
        auto* window = new QMainWindow;
        window->setObjectName(QStringLiteral("bare"));
        window->setCentralWidget(new QLabel(QStringLiteral("VQ Rudraksha Numerology")));
        window->show();
        if (!paint.wait()) {
            state.SkipWithError("the bare window did not paint");
            delete window;
            break;
        }
        state.SetIterationTime(seconds(paint.when() - start));
        delete window;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BareWindowToFirstPaint)
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// The saved reading of Sample Name, born 15 August 1985, in a folder of its own.
class SampleFile {
public:
    SampleFile()
    {
        const auto bytes = core::readingFileBytes(sampleReading());
        QFile file(path());
        m_ok = bytes && bytes->size() == 34 && file.open(QIODevice::WriteOnly)
            && file.write(bytes->data(), static_cast<qint64>(bytes->size())) == 34 && file.flush();
    }

    bool ok() const { return m_ok && m_folder.isValid(); }
    QString path() const { return QDir(m_folder.path()).filePath(QStringLiteral("sample.rkn")); }

private:
    QTemporaryDir m_folder;
    bool m_ok = false;
};

struct OpenTimes {
    Clock::time_point clicked;
    Clock::time_point accepted;
    Clock::time_point painted;
};

// Answers the Open dialog once it is up: types the path and accepts, noting
// when the dialog finished and when it was gone.
void answerOpenDialog(const QString& path, OpenTimes& times)
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != QLatin1String("openDialog")) {
        QTimer::singleShot(1, qApp, [path, &times] { answerOpenDialog(path, times); });
        return;
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [&times] { times.accepted = Clock::now(); });
    if (!chooseFileIn(dialog, path)) {
        dialog->reject();
    }
}

// One Open, from the click to the result window's first paint.
bool openOnce(const QString& path, OpenTimes& times)
{
    QWidget* main = shownMainWindow();
    FirstPaint paint(kResultWindow);
    QTimer::singleShot(0, qApp, [&path, &times] { answerOpenDialog(path, times); });
    times.clicked = Clock::now();
    control<QPushButton>(main, QStringLiteral("cmdOpen"))->click();
    const bool painted = paint.wait();
    times.painted = paint.when();
    unload();
    return painted;
}

// One Open to the result window's first paint, timed from the moment `From`
// in OpenTimes.
template <Clock::time_point OpenTimes::*From> void openFrom(benchmark::State& state)
{
    const SampleFile sample;
    if (!sample.ok()) {
        state.SkipWithError("the sample file could not be written");
        return;
    }
    OpenTimes times;
    openOnce(sample.path(), times);
    for (auto _ : state) {
        if (!openOnce(sample.path(), times)) {
            state.SkipWithError("the result window did not paint");
            break;
        }
        state.SetIterationTime(seconds(times.painted - times.*From));
    }
}

// From the moment the file is chosen: the dialog's own time is the user's.
BENCHMARK(openFrom<&OpenTimes::accepted>)
    ->Name("OpenToFirstPaint")
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// From the click on Open: the Qt file dialog's opening included.
BENCHMARK(openFrom<&OpenTimes::clicked>)
    ->Name("OpenToFirstPaintWithDialog")
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// Both pages written from a computed reading, the result window's creation included.
void ComposeReadingPages(benchmark::State& state)
{
    const core::Reading reading = core::completeReading(sampleReading());
    const auto compose = [&reading] {
        auto* window = new ui::frmRudrakshNumerologyResult;
        window->showReading(reading);
        return window;
    };
    compose();
    unload();
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(compose());
        state.SetIterationTime(seconds(Clock::now() - start));
        unload();
    }
}
BENCHMARK(ComposeReadingPages)
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(4 * kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// Every window that comes after the result window has its first-paint row
// here, timed as ProceedToFirstPaint is: from the command that opens it (on
// a result window shown and painted first) to its first paint, with a
// FirstPaint on the new window's object name, a run before the timed ones and
// the windows unloaded after each.

// One Chart, from the click on a painted result window to the chart's first
// paint; the chart is closed once painted.
bool openChart(Clock::duration& took)
{
    QWidget* main = shownMainWindow();
    FirstPaint resultPaint(kResultWindow);
    proceedWith(main, QStringLiteral("John Smith"), 15, 8, 1985);
    if (!resultPaint.wait()) {
        return false;
    }
    QWidget* result = loadedWindow(kResultWindow);
    FirstPaint paint(kChartWindow);
    paint.closeWhenPainted();
    const auto start = Clock::now();
    control<QPushButton>(result, QStringLiteral("cmdChart"))->click();
    const bool painted = paint.wait();
    took = paint.when() - start;
    unload();
    return painted;
}

void ChartToFirstPaint(benchmark::State& state)
{
    Clock::duration took{};
    openChart(took);
    for (auto _ : state) {
        if (!openChart(took)) {
            state.SkipWithError("the chart did not paint");
            break;
        }
        state.SetIterationTime(seconds(took));
    }
}
BENCHMARK(ChartToFirstPaint)
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// The longest text the codec takes: a name and a date over and over.
std::string longestText()
{
    const std::string pattern = "John Smith 15 August 1985, ";
    std::string text;
    while (text.size() < core::MaxTextLength) {
        text += pattern;
    }
    text.resize(core::MaxTextLength);
    return text;
}

void EncodeLongestText(benchmark::State& state)
{
    const std::string text = longestText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::EncodeText(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(EncodeLongestText)->Apply(withMinimum)->Unit(benchmark::kMicrosecond);

void DecodeLongestText(benchmark::State& state)
{
    const std::string encoded = core::EncodeText(longestText());
    if (encoded.empty()) {
        state.SkipWithError("the text did not encode");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::DecodeText(encoded));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(core::MaxTextLength));
}
BENCHMARK(DecodeLongestText)->Apply(withMinimum)->Unit(benchmark::kMicrosecond);

void DestinyOfLongName(benchmark::State& state)
{
    constexpr std::size_t kLetters = 100000;
    core::Reading reading;
    reading.PersonName.reserve(kLetters);
    for (std::size_t i = 0; i < kLetters; ++i) {
        reading.PersonName += static_cast<char>('A' + i % 26);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::Find_Destiny_No(reading).DestinyNumber);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLetters));
}
BENCHMARK(DestinyOfLongName)->Apply(withMinimum)->Unit(benchmark::kMicrosecond);

// A practice of 10,000 readings, written once for the run: a thousand in the
// folder itself and a thousand in each of nine folders inside it.
QString tenThousandReadings()
{
    static QTemporaryDir folder;
    static const bool written = [] {
        const char* const first[] = {"Aarav", "Priya", "Rohan", "Ananya", "Vikram", "Kavya", "John", "Arjun", "Meera",
            "Sita", "Maria", "Ishaan", "Lakshmi", "Rahul", "Neha", "Amit", "Pooja", "Sanjay", "Divya", "Karan"};
        const char* const last[] = {"Sharma", "Patel", "Mehta", "Iyer", "Singh", "Reddy", "Smith", "Nair", "Joshi",
            "Devi", "Gomez", "Kapoor", "Gupta", "Rao", "Das", "Khan", "Bose", "Menon", "Pillai", "Verma", "Shah",
            "Jain", "Sethi", "Chopra", "Malhotra"};
        const QDir root(folder.path());
        for (int i = 0; i < 10000; ++i) {
            core::ReadingInput input;
            input.PersonName = std::string(first[i % 20]) + " " + last[(i / 20) % 25] + " " + std::to_string(i);
            input.BirthDay = static_cast<std::int16_t>(1 + i % 28);
            input.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
            input.BirthMonthName = std::string(core::monthName(input.BirthMonth));
            input.BirthYear = static_cast<std::int16_t>(1940 + i % 70);
            const QString sub = i < 1000 ? QString() : QStringLiteral("%1/").arg(i / 1000);
            root.mkpath(sub.isEmpty() ? QStringLiteral(".") : sub);
            const std::optional<std::string> bytes = core::readingFileBytes(input);
            QFile file(root.filePath(sub + QStringLiteral("%1.rkn").arg(i)));
            if (!bytes || !file.open(QIODevice::WriteOnly)
                || file.write(bytes->data(), static_cast<qint64>(bytes->size()))
                    != static_cast<qint64>(bytes->size())) {
                return false;
            }
        }
        return true;
    }();
    return written ? folder.path() : QString();
}

// A register of the folder, shown and filled; nothing when it did not fill.
ui::frmReadings* filledRegister(const QString& folder)
{
    sys::Settings::setReadingsFolder(folder);
    auto* readings = new ui::frmReadings(nullptr);
    readings->show();
    QTimer giveUp;
    giveUp.start(kGiveUpMs);
    while (readings->isFilling() && giveUp.isActive()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (control<QTableView>(readings, QStringLiteral("tblReadings"))->model()->rowCount() != 10000) {
        delete readings;
        return nullptr;
    }
    return readings;
}

// The register of 10,000 readings, from its creation until its list holds
// them all.
void RegisterListsTenThousand(benchmark::State& state)
{
    const QString folder = tenThousandReadings();
    if (folder.isEmpty()) {
        state.SkipWithError("the readings could not be written");
        return;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        ui::frmReadings* readings = filledRegister(folder);
        const auto filled = Clock::now();
        if (readings == nullptr) {
            state.SkipWithError("the register did not list the 10,000 readings");
            break;
        }
        state.SetIterationTime(seconds(filled - start));
        delete readings;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(RegisterListsTenThousand)->Apply(withMinimum)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// One letter typed into the register's search over 10,000 readings: the
// list filtered, sorted and drawn anew.
void RegisterFilterKeystroke(benchmark::State& state)
{
    const QString folder = tenThousandReadings();
    ui::frmReadings* readings = folder.isEmpty() ? nullptr : filledRegister(folder);
    if (readings == nullptr) {
        state.SkipWithError("the register did not list the 10,000 readings");
        return;
    }
    auto* search = control<QLineEdit>(readings, QStringLiteral("txtSearch"));
    for (auto _ : state) {
        search->clear();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        search->insert(QStringLiteral("a"));
        QCoreApplication::processEvents();
        state.SetIterationTime(seconds(Clock::now() - start));
    }
    delete readings;
    QCoreApplication::processEvents();
}
BENCHMARK(RegisterFilterKeystroke)
    ->Apply(withMinimum)
    ->UseManualTime()
    ->Iterations(kWindowIterations)
    ->Unit(benchmark::kMillisecond);

// The offscreen platform says, for every window shown, that it cannot pass
// size hints on; nothing else is dropped.
QtMessageHandler g_defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    g_defaultHandler(type, context, message);
}

bool hasOption(int argc, char** argv, const char* prefix)
{
    return std::any_of(argv + 1, argv + argc,
        [prefix](const char* arg) { return std::strncmp(arg, prefix, std::strlen(prefix)) == 0; });
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    // Settings and the file dialog's history go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    app::setUpApplication();

    // Medians of 15 repetitions unless the command line asks otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=15";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    if (!hasOption(argc, argv, "--benchmark_repetitions")) {
        args.push_back(repetitions.data());
    }
    if (!hasOption(argc, argv, "--benchmark_report_aggregates_only")
        && !hasOption(argc, argv, "--benchmark_display_aggregates_only")) {
        args.push_back(aggregates.data());
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
