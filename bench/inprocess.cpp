// In-process timings of what a user waits for: Proceed and Open to the result
// window's first paint, composing the pages, the codec at its longest text
// and the destiny number of a very long name. Medians of repeated runs.
//
//   QT_QPA_PLATFORM=offscreen vq-bench-inprocess --benchmark_repetitions=15

#include "app/CurrentReading.h"
#include "app/frmMain.h"
#include "numerology/Numerology.h"
#include "reading/ComposeReading.h"
#include "result/ReadingFile.h"
#include "result/TextCodec.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Notes the moment a widget of the result window first paints.
class FirstPaint final : public QObject {
public:
    FirstPaint() { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    FirstPaint(const FirstPaint&) = delete;
    FirstPaint& operator=(const FirstPaint&) = delete;

    // Runs events until the result window has painted; the moment it did.
    Clock::time_point Wait()
    {
        while (!m_painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return m_when;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window()->objectName() == QLatin1String("frmRudrakshNumerologyResult")) {
            m_painted = true;
            m_when = Clock::now();
        }
        return false;
    }

private:
    bool m_painted = false;
    Clock::time_point m_when;
};

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// Removes the windows of one run without ending the program.
void Unload()
{
    delete frmRudrakshNumerologyResult::LoadedInstance();
    delete frmMain::LoadedInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

frmMain* ShownMainWindow()
{
    frmMain* main = frmMain::Instance();
    main->show();
    QCoreApplication::processEvents();
    return main;
}

void ProceedToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        frmMain* main = ShownMainWindow();
        main->txtName->setText(QStringLiteral("John Smith"));
        main->cboDate->setCurrentIndex(14);
        main->cboMonth->setCurrentIndex(7);
        main->cboYear->setCurrentText(QStringLiteral("1985"));
        FirstPaint paint;
        const auto start = Clock::now();
        main->cmdProceed->click();
        state.SetIterationTime(Seconds(paint.Wait() - start));
        Unload();
    }
}
BENCHMARK(ProceedToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void OpenToFirstPaint(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("sample.rkn"));
    Reading sample;
    sample.PersonName = "Sample Name";
    sample.BirthDay = 15;
    sample.BirthMonth = 8;
    sample.BirthMonthName = "August";
    sample.BirthYear = 1985;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(*ReadingFile::ToBytes(sample)));
    file.close();

    for (auto _ : state) {
        frmMain* main = ShownMainWindow();
        FirstPaint paint;
        Clock::time_point start;
        // The clock starts when the file is chosen: the dialog's own time is the user's.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            QObject::connect(dialog, &QDialog::finished, [&] { start = Clock::now(); });
            QMetaObject::invokeMethod(dialog, "accept");
        });
        main->cmdOpen->click();
        state.SetIterationTime(Seconds(paint.Wait() - start));
        Unload();
    }
}
BENCHMARK(OpenToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void ComposeReadingPages(benchmark::State& state)
{
    Reading& reading = CurrentReading();
    reading.PersonName = "John Smith";
    reading.BirthDay = 15;
    reading.BirthMonth = 8;
    reading.BirthYear = 1985;
    numerology::Find_Destiny_No(reading);
    numerology::Find_LifePath_No(reading);
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(modRudrakshNumerology::ComposeReading());
        state.SetIterationTime(Seconds(Clock::now() - start));
        Unload();
    }
}
BENCHMARK(ComposeReadingPages)->UseManualTime()->Unit(benchmark::kMillisecond);

void CodecLongestText(benchmark::State& state)
{
    const std::string text(TextCodec::MaxTextLength, 'a');
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::DecodeText(TextCodec::EncodeText(text)));
    }
}
BENCHMARK(CodecLongestText)->Unit(benchmark::kMicrosecond);

void DestinyOfLongName(benchmark::State& state)
{
    Reading reading;
    reading.PersonName = std::string(100000, 'R');
    for (auto _ : state) {
        numerology::Find_Destiny_No(reading);
        benchmark::DoNotOptimize(reading.DestinyNumber);
    }
}
BENCHMARK(DestinyOfLongName)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
