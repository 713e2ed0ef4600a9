// How long the main window takes from construction until it is on screen and the event loop has nothing left
// to do, and from the program's start until then, and how much memory the process needs at its peak, against a bare
// QMainWindow and a window with one label. Each start runs in a process of its own, so every start is a first start
// and peak memory compares like with like.
#include "ui/main/Form1.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Repetitions = 15;
constexpr double TimeGoal = 1.3;    // Form1 against the window with a label, from exec
constexpr double MemoryGoalMiB = 6; // more than the bare window

const QString CaseOption = u"--case"_s;
const QString BareCase = u"bare"_s;
const QString Form1Case = u"form1"_s;
const QString LabelCase = u"label"_s; // the least any window with text pays: fonts found and loaded

struct Sample {
    double windowMs = 0;  // construction to shown and idle
    double loadedMs = 0;  // construction and load step only
    double processMs = 0; // the process started to shown and idle, as the one who starts it waits
    double peakMiB = 0;
};

std::unique_ptr<QMainWindow> startWindow(const QString& which) {
    if (which == BareCase)
        return std::make_unique<QMainWindow>();
    if (which == LabelCase) {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QLabel(u"Item Name"_s));
        return window;
    }
    // The way the program starts it: construction, the load step, then show.
    auto window = std::make_unique<Form1>();
    window->Form_Load();
    return window;
}

// Counts the paint events of one window, so "shown" means painted and not merely asked to show.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !static_cast<QWidget*>(watched)->parent())
            ++count;
        return false;
    }
};

int runCase(const QString& which, int argc, char* argv[]) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(u"velmora"_s);
    PaintCounter paints;
    app.installEventFilter(&paints);
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<QMainWindow> window = startWindow(which);
    const qint64 loadedNs = timer.nsecsElapsed();
    window->show();
    while (QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents)) {
    }
    const qint64 windowNs = timer.nsecsElapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %lld %ld\n", static_cast<long long>(windowNs), static_cast<long long>(loadedNs), usage.ru_maxrss);
    std::fflush(stdout); // the parent's clock stops when this line arrives
    return window->isVisible() && paints.count > 0 ? 0 : 1;
}

// A store in which the first start is long past, so no prompt waits for a click.
bool prepareStore(const QTemporaryDir& configHome) {
    if (!QDir(configHome.path()).mkpath(u"Trevanto"_s))
        return false;
    QFile ini(configHome.filePath(u"Trevanto/Trevanto.ini"_s));
    return ini.open(QIODevice::WriteOnly) && ini.write("[Settings]\nHasBeenRun=True\n") > 0;
}

std::optional<Sample> measure(const QString& which, const QTemporaryDir& configHome) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, configHome.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer sinceStart;
    sinceStart.start();
    child.start(QCoreApplication::applicationFilePath(), {CaseOption, which});
    if (!child.waitForReadyRead(60'000))
        return std::nullopt;
    const double processMs = sinceStart.nsecsElapsed() / 1e6;
    if (!child.waitForFinished(60'000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
    if (fields.size() != 3)
        return std::nullopt;
    return Sample{fields[0].toDouble() / 1e6, fields[1].toDouble() / 1e6, processMs, fields[2].toDouble() / 1024};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Sample medianOf(const std::vector<Sample>& samples) {
    const auto medianOfField = [&samples](double Sample::*field) {
        std::vector<double> values;
        for (const Sample& sample : samples)
            values.push_back(sample.*field);
        return median(values);
    };
    return {medianOfField(&Sample::windowMs), medianOfField(&Sample::loadedMs), medianOfField(&Sample::processMs),
            medianOfField(&Sample::peakMiB)};
}

int compare(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QTemporaryDir configHome;
    if (!configHome.isValid() || !prepareStore(configHome)) {
        out << "Couldn't prepare a settings store of its own.\n";
        return 1;
    }

    const QStringList cases{BareCase, LabelCase, Form1Case};
    std::map<QString, std::vector<Sample>> samples;
    // One start of each first, so that no case pays alone for a cold disk cache.
    for (int run = -1; run < Repetitions; ++run) {
        // Rotating the order keeps a slow moment of the machine from falling on one case only.
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const QString& which = cases[(i + run + 1) % cases.size()];
            const std::optional<Sample> sample = measure(which, configHome);
            if (!sample) {
                out << "The " << which << " start failed.\n";
                return 1;
            }
            if (run >= 0)
                samples[which].push_back(*sample);
        }
    }

    const Sample b = medianOf(samples[BareCase]);
    const Sample l = medianOf(samples[LabelCase]);
    const Sample f = medianOf(samples[Form1Case]);
    // What the user waits for: from the program's start until its window is there, against any window with text.
    const double fromExec = f.processMs / l.processMs;
    const double extraMiB = f.peakMiB - b.peakMiB;
    out << "Medians of " << Repetitions << " starts each, offscreen:\n";
    out << qSetFieldWidth(14) << Qt::left << "" << qSetFieldWidth(16) << Qt::right << "window ms"
        << "of which built"
        << "from exec ms"
        << "peak MiB" << qSetFieldWidth(0) << '\n';
    for (const auto& [name, s] : {std::pair{"QMainWindow", b}, std::pair{"with a label", l}, std::pair{"Form1", f}}) {
        out << qSetFieldWidth(14) << Qt::left << name << qSetFieldWidth(16) << Qt::right << Qt::fixed
            << qSetRealNumberPrecision(2) << s.windowMs << s.loadedMs << s.processMs << s.peakMiB << qSetFieldWidth(0)
            << '\n';
    }
    out << "Form1 / window with a label, from exec: " << fromExec << " (goal " << TimeGoal << ", "
        << (fromExec <= TimeGoal ? "met" : "missed") << "); window alone: " << f.windowMs / l.windowMs
        << "; peak memory: +" << f.peakMiB - l.peakMiB << " MiB\n";
    out << "Form1 / QMainWindow time: " << f.windowMs / b.windowMs << "; from exec: " << f.processMs / b.processMs
        << '\n';
    out << "Form1 - QMainWindow peak memory: " << extraMiB << " MiB (goal " << MemoryGoalMiB << " MiB, "
        << (extraMiB <= MemoryGoalMiB ? "met" : "missed") << ")\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == CaseOption)
        return runCase(QString::fromLocal8Bit(argv[2]), argc, argv);
    return compare(argc, argv);
}
