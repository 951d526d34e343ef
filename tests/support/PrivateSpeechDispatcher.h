// A speech-dispatcher of the tests' own: espeak-ng with a silent audio output (libao's null
// driver), on a socket in a temporary folder, so that it needs no sound card and the session's
// daemon is never asked or started.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

class PrivateSpeechDispatcher
{
public:
    // Keeps speech-dispatcher's client library in this process from starting a daemon of its
    // own, whatever address it is given.
    PrivateSpeechDispatcher();
    ~PrivateSpeechDispatcher() { stop(); }

    // Starts the daemon and points this process at it (SPEECHD_ADDRESS); false, with a
    // warning that says why, when it does not answer within 10 s.
    [[nodiscard]] bool start();
    // Ends the daemon by its process id; false when it was not running or did not end.
    bool stop();

    // An address in the same folder where nothing listens.
    QString deadAddress() const;

private:
    QString path(const char *name) const { return m_folder.filePath(QLatin1String(name)); }

    QTemporaryDir m_folder;
    QProcess m_daemon;
};
