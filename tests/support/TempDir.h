#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A scratch folder that disappears with the test.
class TempDir {
public:
    TempDir() { m_dir.setAutoRemove(true); }
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile f(File(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile f(File(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};
