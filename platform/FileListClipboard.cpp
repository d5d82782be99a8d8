#include "platform/FileListClipboard.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <QUrl>

#include <sys/stat.h>

namespace {

const char* const GnomeCopiedFiles = "x-special/gnome-copied-files";
const char* const KdeCutSelection = "application/x-kde-cutselection";
const char* const KdeSuggestedName = "application/x-kde-suggestedfilename";

QClipboard* MainThreadClipboard() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr || QThread::currentThread() != app->thread())
        return nullptr;
    return QGuiApplication::clipboard();
}

} // namespace

QMimeData* MakeFileListMimeData(const QStringList& paths, TFileListEffect effect) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome = effect == TFileListEffect::Move ? "cut" : "copy";
    for (const QString& path : paths) {
        const QUrl url = QUrl::fromLocalFile(path);
        urls << url;
        gnome += '\n' + url.toEncoded();
    }
    data->setUrls(urls);
    data->setData(QLatin1String(GnomeCopiedFiles), gnome);
    data->setData(QLatin1String(KdeCutSelection), effect == TFileListEffect::Move ? "1" : "0");
    return data;
}

QStringList ReadFileListMimeData(const QMimeData* data, TFileListEffect* effect, QStringList* names) {
    if (effect)
        *effect = TFileListEffect::None;
    if (names)
        names->clear();
    QStringList paths;
    if (data == nullptr)
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty() && data->hasFormat(QLatin1String(GnomeCopiedFiles))) {
        const QList<QByteArray> lines = data->data(QLatin1String(GnomeCopiedFiles)).split('\n');
        for (int i = 1; i < lines.size(); ++i) {
            const QUrl url = QUrl::fromEncoded(lines[i].trimmed());
            if (url.isLocalFile())
                paths << url.toLocalFile();
        }
    }
    if (names && !paths.isEmpty()) {
        for (int i = 0; i < paths.size(); ++i)
            names->append(QString());
        if (paths.size() == 1 && data->hasFormat(QLatin1String(KdeSuggestedName)))
            (*names)[0] = QString::fromUtf8(data->data(QLatin1String(KdeSuggestedName))).trimmed();
    }
    if (paths.isEmpty() || effect == nullptr)
        return paths;
    bool cut = false;
    if (data->hasFormat(QLatin1String(GnomeCopiedFiles)))
        cut = data->data(QLatin1String(GnomeCopiedFiles)).split('\n').value(0).trimmed() == "cut";
    else if (data->hasFormat(QLatin1String(KdeCutSelection)))
        cut = data->data(QLatin1String(KdeCutSelection)).trimmed() == "1";
    *effect = cut ? TFileListEffect::Move : TFileListEffect::Copy;
    return paths;
}

void PutFileListOnClipboard(const QStringList& paths, TFileListEffect effect) {
    if (QClipboard* clipboard = MainThreadClipboard())
        clipboard->setMimeData(MakeFileListMimeData(paths, effect));
}

bool ClipboardHasFileList() {
    QClipboard* clipboard = MainThreadClipboard();
    return clipboard != nullptr && !ReadFileListMimeData(clipboard->mimeData()).isEmpty();
}

QStringList ClipboardFileList(TFileListEffect* effect, QStringList* names) {
    QClipboard* clipboard = MainThreadClipboard();
    if (clipboard == nullptr) {
        if (effect)
            *effect = TFileListEffect::None;
        if (names)
            names->clear();
        return {};
    }
    return ReadFileListMimeData(clipboard->mimeData(), effect, names);
}

void ClearClipboard() {
    if (QClipboard* clipboard = MainThreadClipboard())
        clipboard->clear();
}

bool OnSameDevice(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev;
}
