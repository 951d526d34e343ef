#include "PrivateSpeechDispatcher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <signal.h>

namespace {

bool write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

PrivateSpeechDispatcher::PrivateSpeechDispatcher()
{
    // The client library starts a missing daemon with "speech-dispatcher --spawn", which
    // reads the user's configuration and gives up when it disables that.
    write(path("config/speech-dispatcher/speechd.conf"), "DisableAutoSpawn\n");
    qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
}

bool PrivateSpeechDispatcher::start()
{
    const bool written =
        write(path("conf/speechd.conf"), "AudioOutputMethod \"libao\"\n"
                                         "AddModule \"espeak-ng\" \"sd_espeak-ng\" "
                                         "\"espeak-ng.conf\"\n"
                                         "DefaultModule espeak-ng\n") &&
        write(path("conf/modules/espeak-ng.conf"), "") &&
        write(path("home/.libao"), "default_driver=null\n");
    QDir().mkpath(path("run"));
    QDir().mkpath(path("log"));
    if (!written) {
        qWarning("cannot write the configuration in %s", qPrintable(m_folder.path()));
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), path("home"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("run"));
    m_daemon.setProcessEnvironment(environment);
    m_daemon.setStandardOutputFile(path("log/daemon.txt"));
    m_daemon.setStandardErrorFile(path("log/daemon.txt"), QIODevice::Append);
    const QString socket = path("run/speechd.sock");
    m_daemon.start(
        QStringLiteral("speech-dispatcher"),
        {QStringLiteral("--run-single"), QStringLiteral("--timeout"), QStringLiteral("0"),
         QStringLiteral("--log-level"), QStringLiteral("1"), QStringLiteral("--log-dir"),
         path("log"), QStringLiteral("--communication-method"), QStringLiteral("unix_socket"),
         QStringLiteral("--socket-path"), socket, QStringLiteral("--config-dir"), path("conf")});
    if (!m_daemon.waitForStarted(5000)) {
        qWarning("speech-dispatcher does not start (is the package speech-dispatcher "
                 "installed?): %s",
                 qPrintable(m_daemon.errorString()));
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket) && m_daemon.state() == QProcess::Running &&
           waited.elapsed() < 10000)
        QThread::msleep(20);
    if (!QFileInfo::exists(socket)) {
        qWarning("speech-dispatcher opened no socket; its log is in %s", qPrintable(path("log")));
        return false;
    }
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toUtf8());
    return true;
}

bool PrivateSpeechDispatcher::stop()
{
    const qint64 pid = m_daemon.processId();
    if (pid <= 0)
        return false;
    ::kill(pid_t(pid), SIGTERM);
    return m_daemon.waitForFinished(5000);
}

QString PrivateSpeechDispatcher::deadAddress() const
{
    return QStringLiteral("unix_socket:") + path("nobody-listens.sock");
}
