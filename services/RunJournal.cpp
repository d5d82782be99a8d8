#include "services/RunJournal.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "xml/GmXml.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cmath>

namespace {

const QByteArray JournalMagic = "Bramblex run journal 1";
const QString JournalSuffix = QStringLiteral(".journal");

QByteArray Number(double x) {
    return QByteArray::number(x, 'g', 17);
}

bool SameReading(const TMeasurementItem& a, const TJournalReading& b) {
    // Batch files keep 15 significant digits: a day number to about 1e-10 days.
    auto close = [](double x, double y, double tolerance) {
        return std::fabs(x - y) <= tolerance * std::max({1.0, std::fabs(x), std::fabs(y)});
    };
    return a.RPMCode == b.RPMCode && close(a.DateTime, b.DateTime, 1e-12) &&
           close(a.Viscosity, b.Viscosity, 1e-12) && close(a.Temperature, b.Temperature, 1e-12);
}

bool ParseReading(const QByteArray& line, TJournalReading& out) {
    const QList<QByteArray> f = line.split(' ');
    if (f.size() != 9 || f[0] != "R")
        return false;
    bool ok[8] = {};
    out.Model = f[1].toInt(&ok[0]);
    out.Spindle = f[2].toInt(&ok[1]);
    out.DateTime = f[3].toDouble(&ok[2]);
    out.Viscosity = f[4].toDouble(&ok[3]);
    out.Temperature = f[5].toDouble(&ok[4]);
    out.RPMCode = f[6].toInt(&ok[5]);
    out.SheerStress = f[7].toDouble(&ok[6]);
    out.SheerRate = f[8].toDouble(&ok[7]);
    for (bool b : ok)
        if (!b)
            return false;
    return true;
}

bool ParseJournal(const QByteArray& bytes, TOrphanJournal& journal) {
    // Only lines ended by a line feed were written whole: the last piece is either
    // empty or a line a crash cut short.
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    if (lines.size() < 4 || lines[0] != JournalMagic || !lines[1].startsWith("Batch ") ||
        !lines[2].startsWith("Mode ") || !lines[3].startsWith("Start "))
        return false;
    journal.BatchPath = QUrl::fromPercentEncoding(lines[1].mid(6));
    journal.Automatic = lines[2].mid(5) == "auto";
    journal.BatchAtStart = QByteArray::fromBase64(lines[3].mid(6));
    journal.Readings.clear();
    for (int i = 4; i < lines.size(); ++i) {
        TJournalReading reading;
        if (ParseReading(lines[i], reading))
            journal.Readings.push_back(reading);
    }
    return !journal.BatchPath.isEmpty();
}

} // namespace

void TJournalReading::CopyTo(TMeasurementItem& m) const {
    m.DateTime = DateTime;
    m.Viscosity = Viscosity;
    m.Temperature = Temperature;
    m.RPMCode = RPMCode;
    m.SheerStress = SheerStress;
    m.SheerRate = SheerRate;
}

QString TRunJournal::DefaultFolder() {
    return UserStateFolder() + QStringLiteral("bramblex/");
}

QString TRunJournal::PathFor(const QString& folder, const QString& batchPath) {
    const QString absolute = QDir::cleanPath(QFileInfo(batchPath).absoluteFilePath());
    QString name = QString::fromLatin1(QUrl::toPercentEncoding(absolute, " "));
    // File names end at 255 bytes; a long path keeps its end and a digest of the whole.
    if (name.size() > 200) {
        const QByteArray digest =
            QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name = name.right(160) + QLatin1Char('-') + QString::fromLatin1(digest);
    }
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + name + JournalSuffix;
}

void TRunJournal::Begin(const QString& folder, const QString& batchPath, bool automatic,
                        const TBatchItem& batchAtStart) {
    std::lock_guard<std::mutex> guard(m_lock);
    const QString path = PathFor(folder, batchPath);
    if (EntryExists(path)) {
        TOrphanJournal old;
        if (!ReadOrphanJournal(path, old))
            throw EBramblexError(Tr("\"%1\" is being measured by another run.").arg(batchPath));
        // A journal that holds nothing the batch lacks can go; one that does must be
        // recovered first, or a new run would replace it.
        if (MissingReadingCount(old, batchAtStart) > 0)
            throw EBramblexError(Tr("The readings of an interrupted run of \"%1\" have not been recovered "
                                    "yet. Select the batch "
                                    "to recover them before you start another run.")
                                     .arg(batchPath));
        DiscardJournal(old);
    }
    TGmXML document;
    batchAtStart.SaveToNodes(document.Nodes());
    QByteArray head = JournalMagic + '\n';
    head +=
        "Batch " + QUrl::toPercentEncoding(QDir::cleanPath(QFileInfo(batchPath).absoluteFilePath())) + '\n';
    head += QByteArray("Mode ") + (automatic ? "auto" : "manual") + '\n';
    head += "Start " + document.SaveToBytes().toBase64() + '\n';
    m_file.Create(path);
    try {
        m_file.Append(head);
    } catch (...) {
        m_file.Remove();
        throw;
    }
}

void TRunJournal::Append(const TMeasurementItem& m, int model, int spindle) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_file.IsOpen())
        return;
    QByteArray line = "R " + QByteArray::number(model) + ' ' + QByteArray::number(spindle) + ' ' +
                      Number(m.DateTime) + ' ' + Number(m.Viscosity) + ' ' + Number(m.Temperature) + ' ' +
                      QByteArray::number(m.RPMCode) + ' ' + Number(m.SheerStress) + ' ' +
                      Number(m.SheerRate) + '\n';
    m_file.Append(line);
}

void TRunJournal::Remove() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_file.Remove();
}

void TRunJournal::Release() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_file.Close();
}

bool TRunJournal::IsOpen() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_file.IsOpen();
}

QString TRunJournal::Path() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_file.Path();
}

// ---------------------------------------------------------------------------------------

bool ReadOrphanJournal(const QString& path, TOrphanJournal& journal) {
    TLockedAppendFile file;
    if (!file.TryOpenExisting(path))
        return false;
    journal = TOrphanJournal();
    journal.JournalPath = path;
    return ParseJournal(file.ReadAll(), journal);
}

std::vector<TOrphanJournal> FindOrphanJournals(const QString& folder) {
    std::vector<TOrphanJournal> found;
    for (const TDirectoryEntry& entry : ListDirectory(folder)) {
        if (entry.IsFolder || !entry.Name.endsWith(JournalSuffix))
            continue;
        TOrphanJournal journal;
        if (ReadOrphanJournal(QDir(folder).filePath(entry.Name), journal))
            found.push_back(std::move(journal));
    }
    return found;
}

bool FindOrphanJournal(const QString& batchPath, TOrphanJournal& journal, const QString& folder) {
    const QString path = TRunJournal::PathFor(folder, batchPath);
    if (!EntryExists(path) || !ReadOrphanJournal(path, journal))
        return false;
    // A digest-shortened name could in theory be shared; the journal names its batch.
    return journal.BatchPath == QDir::cleanPath(QFileInfo(batchPath).absoluteFilePath());
}

int MissingReadingCount(const TOrphanJournal& journal, const TBatchItem& batch) {
    int missing = 0;
    for (const TJournalReading& j : journal.Readings) {
        bool found = false;
        for (const auto& m : batch.Measurements)
            if (SameReading(*m, j)) {
                found = true;
                break;
            }
        if (!found)
            ++missing;
    }
    return missing;
}

int MergeJournalReadings(const TOrphanJournal& journal, TBatchItem& batch) {
    if (journal.Readings.empty())
        return 0;
    if (batch.Measurements.Count() == 0) {
        batch.ModelType = static_cast<uint8_t>(journal.Readings.front().Model);
        batch.SpindleType = static_cast<uint8_t>(journal.Readings.front().Spindle);
    }
    const int before = batch.Measurements.Count();
    std::vector<const TJournalReading*> toAdd;
    for (const TJournalReading& j : journal.Readings) {
        bool found = false;
        for (int i = 0; i < before && !found; ++i)
            found = SameReading(*batch.Measurements.Items(i), j);
        if (!found)
            toAdd.push_back(&j);
    }
    std::lock_guard<TMeasurementList> guard(batch.Measurements);
    for (const TJournalReading* j : toAdd)
        j->CopyTo(*batch.Measurements.Add());
    return static_cast<int>(toAdd.size());
}

int RecoverJournal(const TOrphanJournal& journal, const TAuditRecorder& audit) {
    TLockedAppendFile lock;
    // Held while the batch is rewritten, so a second program cannot recover it twice.
    if (!lock.TryOpenExisting(journal.JournalPath))
        throw EBramblexError(Tr("The journal \"%1\" is in use.").arg(journal.JournalPath));
    TBatchItem batch;
    bool loaded = false;
    if (EntryExists(journal.BatchPath)) {
        batch.LoadFromFile(journal.BatchPath);
        loaded = true;
        // Saving the part that could be read would lose the rest of the file.
        if (batch.Damaged())
            throw EBramblexError(
                batch.LoadWarning + QLatin1Char('\n') +
                Tr("The readings of the run stay in the journal \"%1\".").arg(journal.JournalPath));
    }
    if (!loaded && !journal.BatchAtStart.isEmpty()) {
        TGmXML document;
        document.LoadFromBytes(journal.BatchAtStart);
        batch.LoadFromNodes(document.Nodes());
    }
    const int added = MergeJournalReadings(journal, batch);
    if (added > 0 || !loaded) {
        QDir().mkpath(QFileInfo(journal.BatchPath).absolutePath());
        batch.SaveToFile(journal.BatchPath, TAuditEntry::Recovered(added, journal.JournalPath), audit);
    }
    lock.Remove();
    return added;
}

void DiscardJournal(const TOrphanJournal& journal) {
    TLockedAppendFile lock;
    if (lock.TryOpenExisting(journal.JournalPath))
        lock.Remove();
}
