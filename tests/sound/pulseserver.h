#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private PulseAudio server with one silent output ("null"), started for
// the playback tests so that they never depend on, or disturb, the machine's
// own sound. What is played on it can be recorded from its monitor.
class TPulseServer {
public:
    TPulseServer() = default;
    TPulseServer(const TPulseServer&) = delete;
    TPulseServer& operator=(const TPulseServer&) = delete;
    ~TPulseServer();

    // Starts the server and points this process's audio clients at it.
    // Returns why it could not be started, or an empty text.
    QString Start();

    // Records the output into a WAV file until StopRecording.
    QString StartRecording(const QString& wavePath);
    void StopRecording();

private:
    QProcessEnvironment Environment() const;
    bool Pactl(const QStringList& arguments, QByteArray* output = nullptr) const;
    QString WarmUp();
    QString StartReader(QProcess& reader, const QStringList& arguments);
    int ReaderCount() const;

    QTemporaryDir folder;
    QString socket;
    QProcess server;
    QProcess pacer;
    QProcess recorder;
};
