#include "tests/sound/pulseserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int StartTimeoutMs = 15000;
constexpr int CommandTimeoutMs = 5000;
constexpr int RetryMs = 50;
// A tenth of a second of 16-bit mono at 44.1 kHz.
constexpr qsizetype WarmUpBytes = 8820;
const QString MissingTools = QStringLiteral(
    "The playback tests need a PulseAudio server and its tools: "
    "apt-get install pulseaudio pulseaudio-utils (tools/bootstrap.sh installs them). Missing: %1");

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(CommandTimeoutMs))
        process.kill();
    process.waitForFinished(CommandTimeoutMs);
}

}

TPulseServer::~TPulseServer()
{
    Stop(recorder);
    Stop(pacer);
    Stop(server);
}

QString TPulseServer::Start()
{
    for (const char* tool : {"pulseaudio", "pactl", "parec", "pacat"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return MissingTools.arg(tool);
    }
    if (!folder.isValid() || !QDir(folder.path()).mkdir("runtime"))
        return "Cannot make a folder for the sound server";
    QFile::setPermissions(folder.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    socket = folder.filePath("runtime/native");

    QProcessEnvironment environment = Environment();
    environment.remove("PULSE_SERVER");
    // Nor does it announce itself on the user's session bus.
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    server.setProcessEnvironment(environment);
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                                "--load=module-null-sink sink_name=null",
                                "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    if (!server.waitForStarted(CommandTimeoutMs))
        return "pulseaudio did not start: " + server.errorString();

    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!Pactl({"info"})) {
        if (server.state() == QProcess::NotRunning || deadline.hasExpired())
            return "pulseaudio did not come up:\n" + QString::fromLocal8Bit(server.readAll());
        QThread::msleep(RetryMs);
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());

    // With nobody listening, the silent output works in blocks of seconds and
    // a short sound takes seconds to be played; a reader asking for a low
    // latency keeps it at the pace of a real device.
    pacer.setStandardOutputFile(QProcess::nullDevice());
    const QString problem = StartReader(pacer, {"--latency-msec=20", "-d", "null.monitor", "--raw"});
    return problem.isEmpty() ? WarmUp() : problem;
}

// The first stream on a fresh server stalls for most of a second while the
// output settles on the reader's latency; a little silence takes that stall
// instead of the first sound under test.
QString TPulseServer::WarmUp()
{
    QProcess pacat;
    pacat.setProcessEnvironment(Environment());
    pacat.start("pacat", {"--playback", "--raw", "--format=s16le", "--rate=44100", "--channels=1"});
    if (!pacat.waitForStarted(CommandTimeoutMs))
        return "pacat did not start: " + pacat.errorString();
    pacat.write(QByteArray(WarmUpBytes, '\0'));
    pacat.closeWriteChannel();
    if (!pacat.waitForFinished(StartTimeoutMs)) {
        Stop(pacat);
        return "pacat did not finish";
    }
    return {};
}

QString TPulseServer::StartRecording(const QString& wavePath)
{
    return StartReader(recorder, {"--latency-msec=20", "-d", "null.monitor", "--file-format=wav", wavePath});
}

QString TPulseServer::StartReader(QProcess& reader, const QStringList& arguments)
{
    const int readers = ReaderCount();
    reader.setProcessEnvironment(Environment());
    reader.start("parec", arguments);
    if (!reader.waitForStarted(CommandTimeoutMs))
        return "parec did not start: " + reader.errorString();
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (ReaderCount() <= readers) {
        if (reader.state() == QProcess::NotRunning || deadline.hasExpired())
            return "parec did not connect:\n" + QString::fromLocal8Bit(reader.readAllStandardError());
        QThread::msleep(RetryMs);
    }
    return {};
}

void TPulseServer::StopRecording()
{
    // parec completes the file's header when it is asked to stop.
    Stop(recorder);
}

QProcessEnvironment TPulseServer::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The server keeps its cookie and state in the private folder, not in the
    // user's home.
    environment.insert("HOME", folder.path());
    environment.insert("XDG_RUNTIME_DIR", folder.filePath("runtime"));
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    environment.insert("PULSE_SERVER", "unix:" + socket);
    return environment;
}

bool TPulseServer::Pactl(const QStringList& arguments, QByteArray* output) const
{
    QProcess pactl;
    pactl.setProcessEnvironment(Environment());
    pactl.start("pactl", arguments);
    if (!pactl.waitForFinished(CommandTimeoutMs)) {
        pactl.kill();
        pactl.waitForFinished(CommandTimeoutMs);
        return false;
    }
    if (output)
        *output = pactl.readAllStandardOutput();
    return pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

int TPulseServer::ReaderCount() const
{
    QByteArray outputs;
    if (!Pactl({"list", "short", "source-outputs"}, &outputs))
        return 0;
    return static_cast<int>(outputs.count('\n'));
}
