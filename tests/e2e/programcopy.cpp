#include "tests/e2e/programcopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <system_error>

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int KillTimeoutMs = 5000;

}  // namespace

ProgramCopy::ProgramCopy(const QString& program, const QString& helpFile)
{
    if (!folder_.isValid())
        return;
    const QDir dir(folder_.path());
    programPath_ = dir.filePath(QFileInfo(program).fileName());
    ready_ = QFile::copy(program, programPath_) && QFile::copy(helpFile, dir.filePath(QFileInfo(helpFile).fileName()));
}

bool ProgramCopy::CopyBeside(const QString& file) const
{
    return QFile::copy(file, QDir(folder_.path()).filePath(QFileInfo(file).fileName()));
}

ProgramCopy::~ProgramCopy()
{
    Kill();
}

std::filesystem::path ProgramCopy::SettingsFile() const
{
    return std::filesystem::path(programPath_.toStdString() + ".INI");
}

bool ProgramCopy::ShareSettingsWith(const ProgramCopy& other) const
{
    std::error_code error;
    std::filesystem::create_symlink(other.SettingsFile(), SettingsFile(), error);
    return !error;
}

bool ProgramCopy::Start()
{
    Kill();
    Output();  // keeps what the previous run printed
    run_ = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // A sound server nobody listens on: no output device, so no sound and no
    // waiting for one.
    const QString nowhere = QStringLiteral("unix:") + QDir(folder_.path()).filePath(QStringLiteral("no-sound-server"));
    environment.insert(QStringLiteral("PULSE_SERVER"), soundServer_.isEmpty() ? nowhere : soundServer_);
    for (auto it = environment_.cbegin(); it != environment_.cend(); ++it) {
        if (it.value().isEmpty())
            environment.remove(it.key());
        else
            environment.insert(it.key(), it.value());
    }
    run_->setProcessEnvironment(environment);
    run_->setWorkingDirectory(folder_.path());
    run_->setProcessChannelMode(QProcess::MergedChannels);
    run_->start(programPath_, {});
    return run_->waitForStarted(StartTimeoutMs);
}

bool ProgramCopy::IsRunning() const
{
    return run_ && run_->state() != QProcess::NotRunning;
}

bool ProgramCopy::WaitForExit(int timeoutMs)
{
    return !run_ || run_->state() == QProcess::NotRunning || run_->waitForFinished(timeoutMs);
}

int ProgramCopy::ExitCode() const
{
    return run_ ? run_->exitCode() : -1;
}

bool ProgramCopy::ExitedNormally() const
{
    return run_ && run_->state() == QProcess::NotRunning && run_->exitStatus() == QProcess::NormalExit;
}

QString ProgramCopy::Output()
{
    if (run_)
        output_ += QString::fromLocal8Bit(run_->readAll());
    return output_;
}

void ProgramCopy::Kill()
{
    if (!IsRunning())
        return;
    run_->kill();
    run_->waitForFinished(KillTimeoutMs);
}
