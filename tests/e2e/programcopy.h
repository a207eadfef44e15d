#pragma once

#include <filesystem>
#include <memory>

#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The built program copied into a fresh folder, so that it starts with no
// settings file of its own, and runs of that copy on the X display. A run
// still going when the copy goes away is killed.
class ProgramCopy {
public:
    ProgramCopy(const QString& program, const QString& helpFile);
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    ~ProgramCopy();

    bool IsReady() const { return ready_; }
    std::filesystem::path SettingsFile() const;
    // This copy's settings file becomes a link to another copy's, so the two
    // share one file as two runs of one program would.
    bool ShareSettingsWith(const ProgramCopy& other) const;

    // Runs from now on play on this sound server ("unix:/path"); without
    // one they find no output and stay silent.
    void UseSoundServer(const QString& address) { soundServer_ = address; }
    // Runs from now on have this variable so (an empty value: not at all).
    void SetEnvironment(const QString& name, const QString& value) { environment_.insert(name, value); }
    // Puts another file beside the program, as a help file in another language.
    bool CopyBeside(const QString& file) const;
    bool Start();
    bool IsRunning() const;
    bool WaitForExit(int timeoutMs);
    int ExitCode() const;
    bool ExitedNormally() const;
    QString Output();  // everything the runs printed so far
    void Kill();

private:
    QTemporaryDir folder_;
    QString programPath_;
    QString soundServer_;
    QMap<QString, QString> environment_;
    bool ready_ = false;
    std::unique_ptr<QProcess> run_;
    QString output_;
};
