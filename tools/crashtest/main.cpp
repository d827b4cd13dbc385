// Crash test of the database writes.
//
//   drawcrash worker <database> <seed>
//       Appends, inserts, replaces and deletes draws in a loop through the
//       draws code, announcing each step on stdout ("begin k", "done k").
//   drawcrash drive [--trials N] [--seed S] [--max-delay-ms M] [--dir D]
//       Per trial: writes a database of about 5,000 draws, starts a worker
//       on it, kills it with SIGKILL after a random delay and checks that the
//       database is exactly the content before or after the step that was
//       running (after it, when the step was reported done). Prints the
//       figures; exits non-zero when any trial failed.
#include "CrashOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <optional>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

void say(const QByteArray& line)
{
    const QByteArray out = line + '\n';
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, out.constData() + done, std::size_t(out.size() - done));
        if (n <= 0)
            return;
        done += n;
    }
}

std::mt19937 operationRandom(std::uint32_t seed)
{
    return std::mt19937(seed ^ 0x5bd1e995u);
}

int work(const QString& database, std::uint32_t seed)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the driver
    std::mt19937 random = operationRandom(seed);
    std::vector<Draw> state = CrashOps::initialDraws(seed);
    say("ready");
    for (long k = 0; k < 100000; ++k) {
        const CrashOps::Operation op = CrashOps::next(random, state);
        say("begin " + QByteArray::number(qlonglong(k)) + ' ' + CrashOps::name(op.kind));
        const QString error = CrashOps::perform(database, op);
        if (!error.isEmpty()) {
            say("error " + error.toUtf8());
            return 1;
        }
        state = CrashOps::applied(state, op);
        say("done " + QByteArray::number(qlonglong(k)));
    }
    return 0;
}

struct Progress {
    long begun = -1;        // last step begun, -1 for none
    bool done = false;      // that step was reported done
    QByteArray kind = "none";
    QByteArray error;
};

Progress parse(const QByteArray& output)
{
    Progress progress;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() >= 3 && words[0] == "begin") {
            progress.begun = words[1].toLong();
            progress.kind = words[2];
            progress.done = false;
        } else if (words.size() >= 2 && words[0] == "done" && words[1].toLong() == progress.begun) {
            progress.done = true;
        } else if (line.startsWith("error ")) {
            progress.error = line;
        }
    }
    return progress;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct Figures {
    int trials = 0;
    int failures = 0;
    long steps = 0;
    std::map<QByteArray, int> killedDuring;
    std::map<QByteArray, int> outcome;
};

// One trial; the failure text, empty when the database was whole.
QString trial(const QString& folder, std::uint32_t seed, int delayMs, Figures& figures)
{
    const QString database = QDir(folder).filePath(QStringLiteral("ZahlenOB.dat"));
    for (const char* leftover : {"ZahlenOB.dat", "ZahlenOB.dat~", "Zahlen.da~"})
        QFile::remove(QDir(folder).filePath(QLatin1String(leftover)));
    const std::vector<Draw> initial = CrashOps::initialDraws(seed);
    {
        QFile file(database);
        if (!file.open(QIODevice::WriteOnly) || file.write(CrashOps::encoded(initial)) != qint64(initial.size() * 32))
            return QStringLiteral("cannot write the starting database");
    }

    QProcess worker;
    worker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    worker.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("worker"), database, QString::number(seed)});
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains("ready\n")) {
        if (!worker.waitForReadyRead(30000) || clock.elapsed() > 30000)
            return QStringLiteral("worker did not start");
        output += worker.readAllStandardOutput();
    }
    clock.restart();
    while (clock.elapsed() < delayMs && worker.state() == QProcess::Running) {
        worker.waitForReadyRead(int(std::max<qint64>(1, delayMs - clock.elapsed())));
        output += worker.readAllStandardOutput();
    }
    const bool stillRunning = worker.state() == QProcess::Running;
    worker.kill(); // SIGKILL
    worker.waitForFinished(30000);
    output += worker.readAllStandardOutput();

    const Progress progress = parse(output);
    if (!progress.error.isEmpty())
        return QString::fromUtf8(progress.error);
    if (!stillRunning)
        return QStringLiteral("worker ended before it was killed");

    std::mt19937 random = operationRandom(seed);
    std::vector<Draw> before = initial;
    for (long k = 0; k < progress.begun; ++k)
        before = CrashOps::applied(before, CrashOps::next(random, before));
    std::vector<Draw> after = before;
    if (progress.begun >= 0)
        after = CrashOps::applied(before, CrashOps::next(random, before));

    figures.steps += progress.begun + (progress.done ? 1 : 0);
    figures.killedDuring[progress.done ? QByteArray("between steps") : progress.kind]++;
    const QByteArray bytes = readFile(database);
    if (bytes.size() % 32 != 0)
        return QStringLiteral("size %1 is no multiple of 32 after step %2").arg(bytes.size()).arg(progress.begun);
    if (progress.begun < 0) {
        if (bytes == CrashOps::encoded(before)) {
            figures.outcome["unchanged"]++;
            return {};
        }
    } else if (bytes == CrashOps::encoded(after)) {
        figures.outcome["new content"]++;
        return {};
    } else if (bytes == CrashOps::encoded(before) && !progress.done) {
        figures.outcome["old content"]++;
        return {};
    }
    return QStringLiteral("neither the old nor the new content after step %1 (%2, %3), %4 records")
        .arg(progress.begun)
        .arg(QString::fromLatin1(progress.kind), progress.done ? QStringLiteral("done") : QStringLiteral("running"))
        .arg(bytes.size() / 32);
}

int drive(const QStringList& args)
{
    int trials = 50;
    std::uint32_t seed = 1;
    int maxDelayMs = 100;
    QString dir;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--trials"))
            trials = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toUInt();
        else if (args[i] == QLatin1String("--max-delay-ms"))
            maxDelayMs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--dir"))
            dir = args[i + 1];
    }
    QTemporaryDir temporary;
    const QString folder = dir.isEmpty() ? temporary.path() : dir;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 2;
    }

    Figures figures;
    std::mt19937 delays(seed);
    for (int t = 0; t < trials; ++t) {
        const std::uint32_t trialSeed = seed * 100003u + std::uint32_t(t);
        const int delayMs = int(delays() % std::uint32_t(maxDelayMs + 1));
        const QString failure = trial(folder, trialSeed, delayMs, figures);
        ++figures.trials;
        if (!failure.isEmpty()) {
            ++figures.failures;
            std::printf("trial %d (seed %u, %d ms): %s\n", t, trialSeed, delayMs, qPrintable(failure));
        }
    }

    std::printf("trials: %d, failures: %d, steps completed in all trials: %ld\n", figures.trials,
                figures.failures, figures.steps);
    std::printf("database after the kill:");
    for (const auto& [what, count] : figures.outcome)
        std::printf(" %s %d;", what.constData(), count);
    std::printf("\nkilled during:");
    for (const auto& [what, count] : figures.killedDuring)
        std::printf(" %s %d;", what.constData(), count);
    std::printf("\n");
    return figures.failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("worker"))
        return work(args[1], args[2].toUInt());
    if (!args.isEmpty() && args[0] == QLatin1String("drive"))
        return drive(args.mid(1));
    std::fprintf(stderr, "usage: drawcrash worker <database> <seed>\n"
                         "       drawcrash drive [--trials N] [--seed S] [--max-delay-ms M] [--dir D]\n");
    return 2;
}
