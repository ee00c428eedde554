#pragma once

#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QTemporaryDir>
#include <QTimer>

namespace tarvo::test {

// Writes an executable shell script `name` with `body` into `dir`.
inline QString WriteProgram(const QString& dir, const QString& name, const QByteArray& body) {
    QFile file(dir + QLatin1Char('/') + name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write("#!/bin/sh\n" + body + "\n");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return file.fileName();
}

// A script body that saves its first argument as `output`, written beside
// it and renamed, so that the file appears whole.
inline QByteArray SaveFirstArgument(const QString& output) {
    const QByteArray out = QFile::encodeName(output);
    return "printf '%s' \"$1\" > '" + out + ".part' && /bin/mv '" + out + ".part' '" + out + "'";
}

// The file's contents once it exists, or "(none)" when it has not appeared
// within 20 seconds.
inline QByteArray ReadWhenThere(const QString& path) {
    QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
    QEventLoop loop;
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (QFile::exists(path)) {
            loop.quit();
        }
    });
    QTimer::singleShot(20'000, &loop, &QEventLoop::quit);
    if (!QFile::exists(path)) {
        loop.exec();
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { qputenv(name_, old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray old_;
};

} // namespace tarvo::test
