#pragma once

// The measurement document: a header, the processes the run thread executes and the
// readings it collected. Stored as one ".epb" file through the XML layer.

#include "audit/AuditTrail.h"
#include "documents/DamagedSource.h"
#include "documents/DocumentObject.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class TGmXmlNodeList;
class TSettings;
struct TGmXmlLoadResult;

// An ordered list that owns its items. The lock guards the list across threads;
// Lock/Unlock and lock/unlock are the same, so std::lock_guard and std::scoped_lock
// work on it.
template <class T> class TOwningList {
public:
    TOwningList() = default;
    ~TOwningList() {
        std::lock_guard<std::mutex> guard(m_lock);
        m_items.clear();
    }
    TOwningList(const TOwningList&) = delete;
    TOwningList& operator=(const TOwningList&) = delete;

    // Creates an empty item, appends it and returns it (owned by the list).
    // Room for kReserve items is made on the first Add, not at creation: a folder
    // listing holds thousands of batches whose lists stay empty.
    static constexpr size_t kReserve = 1024;
    T* Add() {
        if (m_items.capacity() == 0)
            m_items.reserve(kReserve);
        m_items.push_back(std::make_unique<T>());
        return m_items.back().get();
    }
    // Appends an item made elsewhere and takes it over.
    T* Append(std::unique_ptr<T> item) {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    // Creates an empty item at index (0 to Count) and returns it.
    T* Insert(int index) {
        if (index < 0 || index > Count())
            RaiseListIndexError(index);
        auto it = m_items.insert(m_items.begin() + index, std::make_unique<T>());
        return it->get();
    }
    void Delete(int index) {
        CheckIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    // Swaps two entries (Move Up / Move Down of the process list).
    void Exchange(int a, int b) {
        CheckIndex(a);
        CheckIndex(b);
        std::swap(m_items[static_cast<size_t>(a)], m_items[static_cast<size_t>(b)]);
    }
    // Bounds-checked: raises "List index out of bounds (%1)".
    T* Items(int index) const {
        CheckIndex(index);
        return m_items[static_cast<size_t>(index)].get();
    }
    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    void Clear() { m_items.clear(); }

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    void lock() const { m_lock.lock(); }
    void unlock() const { m_lock.unlock(); }

    // Iterates the owned items (as std::unique_ptr<T>).
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

protected:
    void CheckIndex(int index) const {
        if (index < 0 || index >= Count())
            RaiseListIndexError(index);
    }
    std::vector<std::unique_ptr<T>> m_items;

private:
    mutable std::mutex m_lock;
};

// One process of the measurement programme.
class TProcessItem : public TDocumentObject {
public:
    QString Identifier;
    int32_t RPMStart = 0; // RPM code
    int32_t RPMEnd = 0;   // RPM code
    int32_t Time = 0;     // seconds
    bool UseStartTemperature = false;
    bool UseStartDelay = false;
    double StartTemperature = 0.0;    // Celsius
    uint8_t StartTemperatureType = 0; // 0 when above, 1 when below
    int32_t StartDelay = 0;           // seconds
    int32_t MeasurementCount = 0;

    // Raises "Cannot assign object to Process item" for another kind.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TProcessItem& source);
};

// One reading. A plain value: readings live by value in their list.
class TMeasurementItem : public TDocumentObject {
public:
    TMeasurementItem() = default;
    TMeasurementItem(const TMeasurementItem& source) : TDocumentObject() { Assign(source); }
    TMeasurementItem& operator=(const TMeasurementItem& source) {
        Assign(source);
        return *this;
    }

    double DateTime = 0.0;    // days since 30 December 1899, time of day as fraction
    double Viscosity = 0.0;   // mPas; OverRangeViscosity (1.7e308) when over range
    double Temperature = 0.0; // Celsius
    int32_t RPMCode = 0;
    double SheerStress = 0.0;
    double SheerRate = 0.0;

    // Raises "Cannot assign object to Measurement item" for another kind.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TMeasurementItem& source);
};

class TProcessList : public TOwningList<TProcessItem>, public TDocumentObject {
public:
    // Clears and appends copies; a source of another kind changes nothing.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TProcessList& source);

    // True when both speeds of every process are at most 12 RPM (or there is none).
    bool FitsTBarSpindles() const;
};

// A block of readings shared between lists, with what is derived from it; the
// derived values are computed on first use (under CacheLock) and belong to the block,
// so a list that changes its readings gets a block of its own without them.
struct TMeasurementBlock {
    TMeasurementBlock() = default;
    explicit TMeasurementBlock(std::vector<TMeasurementItem> items) : Items(std::move(items)) {}

    struct TSortedView {
        int Kind;
        int Model;
        int Spindle;
        std::shared_ptr<const TMeasurementBlock> Block;
    };

    std::vector<TMeasurementItem> Items;
    mutable std::mutex CacheLock;
    mutable bool HasStart = false;
    mutable double Start = 0.0;
    mutable std::vector<TSortedView> SortedViews;
};

// The readings of a batch: an immutable block shared by every copy (a report of a
// thousand pages or a view's copy holds one block, not a thousand), copied on the first
// change of a copy that still shares it. The lock guards the list object across
// threads (the run thread appends under it while the main window copies out under it);
// Lock/Unlock and lock/unlock are the same, so std::lock_guard works on it.
class TMeasurementList : public TDocumentObject {
public:
    TMeasurementList() = default;
    // Shares the source's readings (cheap); the lock is not copied.
    TMeasurementList(const TMeasurementList& source);
    TMeasurementList& operator=(const TMeasurementList& source);

    // Shares the source's readings; a source of another kind changes nothing. Does not
    // lock: callers crossing threads hold the source's lock around it.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TMeasurementList& source);

    int Count() const { return m_data ? static_cast<int>(m_data->Items.size()) : 0; }
    bool IsEmpty() const { return Count() == 0; }
    // Bounds-checked: raises "List index out of bounds (%1)".
    const TMeasurementItem* Items(int index) const;
    // The reading to change (the list stops sharing first). The pointer of EditItem
    // and Add is valid until the list changes again.
    TMeasurementItem* EditItem(int index);
    // Appends an empty reading and returns it.
    TMeasurementItem* Add();
    void Append(const TMeasurementItem& reading);
    void Delete(int index);
    void Clear();
    // Makes room for count readings (a loader that knows how many come).
    void Reserve(int count);

    void Lock() const { m_lock.lock(); }
    void Unlock() const { m_lock.unlock(); }
    void lock() const { m_lock.lock(); }
    void unlock() const { m_lock.unlock(); }

    // Iterates the readings as const TMeasurementItem*, like the owning lists.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = const TMeasurementItem*;
        using difference_type = std::ptrdiff_t;
        using pointer = const value_type*;
        using reference = value_type;

        const_iterator() = default;
        explicit const_iterator(const TMeasurementItem* at) : m_at(at) {}
        value_type operator*() const { return m_at; }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_at;
            return before;
        }
        difference_type operator-(const const_iterator& other) const { return m_at - other.m_at; }
        bool operator==(const const_iterator&) const = default;

    private:
        const TMeasurementItem* m_at = nullptr;
    };
    const_iterator begin() const { return const_iterator(m_data ? m_data->Items.data() : nullptr); }
    const_iterator end() const {
        return const_iterator(m_data ? m_data->Items.data() + m_data->Items.size() : nullptr);
    }

    // True when both lists hold the very same block of readings (a copy not yet changed).
    bool SharesReadingsWith(const TMeasurementList& other) const { return m_data && m_data == other.m_data; }

    // Seconds from the earliest reading to reading index, in whole milliseconds.
    // Raises "List index out of bounds (%1)" for a bad index (or an empty list).
    double ElapsedSeconds(int index) const;
    // The earliest DateTime of the list (0.0 when empty) and the elapsed time from it;
    // lets a chart compute every reading's time in one pass.
    double StartDateTime() const;
    static double ElapsedSecondsBetween(double start, double dateTime);

    // Ascending by X-axis quantity kind (0 DateTime, 1 Viscosity, 2 % full scale,
    // 3 Temperature, 4 RPM, 5 SheerStress, 6 SheerRate); equal keys keep their order.
    // Raises "Invalid sort type".
    void Sort(int kind, int model, int spindle);
    // The same order as a new list, leaving this one as it is. The sorted block is
    // computed once and kept with the readings, so every page of a report that shows
    // the batch sorted shares it.
    TMeasurementList Sorted(int kind, int model, int spindle) const;

private:
    // The items the list may change in place: a private block, caches dropped.
    std::vector<TMeasurementItem>& Writable();
    std::shared_ptr<const TMeasurementBlock> SortedBlock(int kind, int model, int spindle) const;

    std::shared_ptr<const TMeasurementBlock> m_data; // null for a list never filled
    mutable std::mutex m_lock;
};

class TBatchItem : public TDocumentObject {
public:
    QString FileTitle;  // set on load, not stored
    QString FolderPath; // set on load (ends with "/"), not stored
    // Set on load, not stored: empty when the file was read whole; otherwise it was cut
    // off or damaged and only its sound part was read, and this says so and how far the
    // load got (for a warning; saving it back would lose the rest of the file).
    QString LoadWarning;
    bool Damaged() const { return !LoadWarning.isEmpty(); }
    // The file LoadWarning speaks of, which SaveToFile never writes over.
    TDamagedSource DamagedSource;
    QString Company;
    QString Operator;
    uint8_t ModelType = 0;
    uint8_t SpindleType = 0;
    QString Note;
    QString Identifier;
    int32_t SelectedXAxis = 0;
    QString SelectedYAxis; // "0,2": ascending Y-axis indices
    TProcessList Processes;
    TMeasurementList Measurements;

    // Deep copy including FileTitle and FolderPath. Raises "Cannot assign object to
    // Batch item" for another kind.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TBatchItem& source);

    // Adds the "Batch" element to a node list (normally a document's top level).
    void SaveToNodes(TGmXmlNodeList& list) const;
    // Reads the first "Batch" element; missing parts read as defaults, never fails.
    // Clears LoadWarning.
    void LoadFromNodes(const TGmXmlNodeList& list);
    // File errors of the XML layer propagate (EFileError); the save is atomic and a
    // failed load leaves the batch unchanged. A damaged file loads what it can and
    // sets LoadWarning; the save then refuses to write over that file (EFileError).
    void SaveToFile(const QString& path) const;
    // Every change Bramblex makes to a batch file is saved here: the change is recorded
    // in the batch's audit trail (with a reason when it is signed) before the file is
    // written, and nothing is written when it cannot be recorded (EFileError, with the
    // system's reason) or no reason is given (EBramblexError).
    void SaveToFile(const QString& path, const TAuditEntry& change, const TAuditRecorder& audit) const;
    void LoadFromFile(const QString& path);
    // What LoadFromFile does after reading path's document: sets LoadWarning when the
    // load found it damaged. For loaders that read the file's bytes themselves.
    void NoteDamage(const QString& path, const TGmXmlLoadResult& read);
};

// Fills a batch for the New Batch command from "DefaultViscoMeter", "DefaultSpindle"
// (or the model's first usable spindle), "DefaultCompany" and "DefaultOperator";
// X axis 0 and Y axes "0".
void ApplyNewBatchDefaults(TBatchItem& batch, TSettings& settings);

// The record of an edit of the batch: the header fields changed (with their old and new
// values), processes added, edited, deleted or moved, or the readings cleared. Action
// Created and no details when nothing recorded differs.
TAuditEntry DescribeBatchChange(const TBatchItem& before, const TBatchItem& after);

// Copies of batches, e.g. the batches a report preview reports on.
class TBatchList : public TOwningList<TBatchItem>, public TDocumentObject {
public:
    void Assign(const TDocumentObject& source) override;
    void Assign(const TBatchList& source);
};

// The Y quantities of "SelectedYAxis" (0 viscosity ... 5 shear rate) as six flags.
// Lenient: entries that are empty, not decimal integers or outside 0 to 5 are
// skipped, so one damaged entry never stops a view, a report or an export.
using TSelectedYAxis = std::array<bool, 6>;
TSelectedYAxis ParseSelectedYAxis(const QString& text);
// The checked indexes in ascending order joined by commas ("0,2"; empty for none).
QString FormatSelectedYAxis(const TSelectedYAxis& shown);

// "When Above" (0) or "When Below" (1), localised; raises "Invalid Start Temperature
// Type" for anything else.
QString StartTemperatureTypeName(int type);
