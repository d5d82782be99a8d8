#pragma once

// The journal of a run: while a run goes on, every reading is also appended to a file
// in the user's state folder ($XDG_STATE_HOME/bramblex/), named after the batch's path,
// flushed to the disk per reading and locked while its run lives. A normal end (the
// batch saved) removes it. A journal left behind (a crash, a power cut, a batch that
// could not be saved) is found later and its readings recovered into the batch.
//
// File: UTF-8 lines.
//   "Bramblex run journal 1"
//   "Batch <the batch path, percent-encoded>"
//   "Mode auto|manual"
//   "Start <the batch file as it was when the run began, base64 of its XML>"
//   "R <model> <spindle> <DateTime> <Viscosity> <Temperature> <RPMCode> <SheerStress>
//    <SheerRate>" per reading, numbers with "." and full precision
// A last line cut short by a crash is ignored.

#include "documents/BatchItem.h"
#include "platform/LockedFile.h"

#include <QString>

#include <mutex>
#include <vector>

// One reading of a journal with the model and spindle the run used for it.
struct TJournalReading {
    int Model = 0;
    int Spindle = 0;
    double DateTime = 0.0;
    double Viscosity = 0.0;
    double Temperature = 0.0;
    int RPMCode = 0;
    double SheerStress = 0.0;
    double SheerRate = 0.0;

    void CopyTo(TMeasurementItem& m) const;
};

class TRunJournal {
public:
    // The user's journal folder, with a trailing "/".
    static QString DefaultFolder();
    // The journal file of batchPath in folder.
    static QString PathFor(const QString& folder, const QString& batchPath);

    // Starts the journal of a run on batchPath. Raises EFileError when it cannot be
    // written, and EBramblexError when a journal of that batch is still there (a run
    // of it still going, or readings not recovered yet).
    void Begin(const QString& folder, const QString& batchPath, bool automatic,
               const TBatchItem& batchAtStart);
    // Appends one reading; any thread (the run thread calls it as readings come in).
    // Raises EFileError.
    void Append(const TMeasurementItem& reading, int model, int spindle);
    // The run ended and its batch was saved: the journal goes.
    void Remove();
    // The run ended but its batch was not saved: the journal stays for recovery.
    void Release();

    bool IsOpen() const;
    QString Path() const;

private:
    mutable std::mutex m_lock;
    TLockedAppendFile m_file;
};

// A journal whose run has ended without removing it.
struct TOrphanJournal {
    QString JournalPath;
    QString BatchPath;
    bool Automatic = false;
    QByteArray BatchAtStart; // the batch file's XML when the run began
    std::vector<TJournalReading> Readings;
};

// Reads the journal at path when no living run holds it. False for a journal still in
// use, one that is gone, or a file that is no journal.
bool ReadOrphanJournal(const QString& path, TOrphanJournal& journal);
// Every journal of folder whose run is gone.
std::vector<TOrphanJournal> FindOrphanJournals(const QString& folder = TRunJournal::DefaultFolder());
// The journal of batchPath in folder when its run is gone.
bool FindOrphanJournal(const QString& batchPath, TOrphanJournal& journal,
                       const QString& folder = TRunJournal::DefaultFolder());

// How many of the journal's readings batch lacks (matched by time, speed and value).
int MissingReadingCount(const TOrphanJournal& journal, const TBatchItem& batch);
// Adds to batch the readings it lacks, in journal order; a batch without readings also
// takes the model and spindle the run used. Returns the number added.
int MergeJournalReadings(const TOrphanJournal& journal, TBatchItem& batch);

// Recovers the journal into its batch file: loads the file (or, when it is gone or
// cannot be read, the batch as it was when the run began), adds the missing readings,
// saves the file atomically and then removes the journal. Returns the number of
// readings added. Raises the file layer's errors, and refuses a damaged batch file
// (one read only in part), leaving the journal in place then.
// The recovery is recorded in the batch's audit trail ("recovered") before it is written.
int RecoverJournal(const TOrphanJournal& journal, const TAuditRecorder& audit);
// Removes a journal the operator chose to drop (only when no run holds it).
void DiscardJournal(const TOrphanJournal& journal);
