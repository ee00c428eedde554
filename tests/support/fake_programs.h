#pragma once

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QTemporaryDir>
#include <QTimer>
#include <QtGlobal>

namespace tarvo::test {

// Writes an executable shell script `name` with `body` into `dir`.
inline QString WriteProgram(const QString& dir, const QString& name, const QByteArray& body) {
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// A script body that saves its first argument, byte for byte, as `output`:
// written beside it, then renamed, so that the file appears whole.
inline QByteArray SaveFirstArgument(const QString& output) {
    const QByteArray out = QFile::encodeName(output);
    return "printf '%s' \"$1\" > '" + out + ".part' && /bin/mv '" + out + ".part' '" + out + "'";
}

// Blocks until `path` exists or `timeoutMs` has passed; true when it exists.
inline bool WaitForFile(const QString& path, int timeoutMs = 20'000) {
    QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
    QEventLoop loop;
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (QFile::exists(path)) {
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!QFile::exists(path)) {
        loop.exec();
    }
    return QFile::exists(path);
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace tarvo::test
