#include "ui/QcFolderVerdicts.h"

#include "core/Error.h"
#include "documents/BatchItem.h"
#include "storage/StoragePaths.h"

#include <QElapsedTimer>

namespace {

// Verdicts go to the list at most this often while a folder is being checked.
constexpr qint64 BunchMs = 150;

} // namespace

TQcFolderVerdicts::TQcFolderVerdicts(QObject* parent)
    : QObject(parent), m_generation(std::make_shared<std::atomic<int>>(0)) {
    m_pool.setMaxThreadCount(1);
}

TQcFolderVerdicts::~TQcFolderVerdicts() {
    ++*m_generation;
    m_pool.waitForDone();
}

void TQcFolderVerdicts::Update(const QString& folder, std::vector<TBatchFile> batches, bool forget) {
    if (forget || folder != m_folder)
        m_known.clear();
    m_folder = folder;
    const int generation = ++*m_generation;
    std::vector<TBatchFile> wanted;
    for (TBatchFile& batch : batches) {
        const auto known = m_known.constFind(batch.Path);
        if (known == m_known.constEnd() || known->Version != batch.Version)
            wanted.push_back(std::move(batch));
    }
    m_busy = true;
    const QString settings = SettingsFolder();
    const QString local = LocalFolder();
    std::shared_ptr<std::atomic<int>> current = m_generation;
    m_pool.start([this, current, generation, folder, settings, local, wanted = std::move(wanted)] {
        std::vector<std::pair<TBatchFile, TQcVerdict>> bunch;
        const auto post = [&](bool last) {
            // Queued to this object: posted events die with it, and the destructor waits
            // for this task, so nothing arrives after it.
            QMetaObject::invokeMethod(
                this, [this, generation, bunch, last] { Arrived(generation, bunch, last); },
                Qt::QueuedConnection);
            bunch.clear();
        };
        const TQcApplicable applicable = FindApplicableQcLimitSet(folder, settings, local);
        if (applicable.LimitSet) {
            QElapsedTimer since;
            since.start();
            for (const TBatchFile& file : wanted) {
                if (*current != generation)
                    return;
                TQcVerdict verdict = TQcVerdict::None;
                try {
                    TBatchItem batch;
                    batch.LoadFromFile(file.Path);
                    verdict = CheckQc(*applicable.LimitSet, AnalyzeBatch(batch)).Verdict;
                } catch (const EBramblexError&) {
                    // A batch that cannot be read has no verdict; the list shows it as
                    // it shows any batch it cannot read.
                }
                bunch.emplace_back(file, verdict);
                if (since.elapsed() >= BunchMs) {
                    post(false);
                    since.restart();
                }
            }
        }
        if (*current == generation)
            post(true);
    });
}

void TQcFolderVerdicts::Arrived(int generation, const std::vector<std::pair<TBatchFile, TQcVerdict>>& results,
                                bool last) {
    if (generation != *m_generation)
        return;
    for (const auto& [file, verdict] : results)
        m_known.insert(file.Path, {file.Version, verdict});
    if (last)
        m_busy = false;
    if (OnChanged && (!results.empty() || last))
        OnChanged();
}

TQcVerdict TQcFolderVerdicts::Verdict(const QString& path) const {
    const auto known = m_known.constFind(path);
    return known != m_known.constEnd() ? known->Verdict : TQcVerdict::None;
}
