#include "documents/BatchItem.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "documents/TextLines.h"
#include "xml/GmXml.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <limits>

void RaiseListIndexError(int index) {
    throw EBramblexError(Tr("List index out of bounds (%1)").arg(index));
}

// ---------------------------------------------------------------------------
// Items

void TProcessItem::Assign(const TDocumentObject& source) {
    const auto* process = dynamic_cast<const TProcessItem*>(&source);
    if (!process)
        throw EBramblexError(Tr("Cannot assign object to Process item"));
    Assign(*process);
}

void TProcessItem::Assign(const TProcessItem& source) {
    Identifier = source.Identifier;
    RPMStart = source.RPMStart;
    RPMEnd = source.RPMEnd;
    Time = source.Time;
    UseStartTemperature = source.UseStartTemperature;
    UseStartDelay = source.UseStartDelay;
    StartTemperature = source.StartTemperature;
    StartTemperatureType = source.StartTemperatureType;
    StartDelay = source.StartDelay;
    MeasurementCount = source.MeasurementCount;
}

void TMeasurementItem::Assign(const TDocumentObject& source) {
    const auto* reading = dynamic_cast<const TMeasurementItem*>(&source);
    if (!reading)
        throw EBramblexError(Tr("Cannot assign object to Measurement item"));
    Assign(*reading);
}

void TMeasurementItem::Assign(const TMeasurementItem& source) {
    DateTime = source.DateTime;
    Viscosity = source.Viscosity;
    Temperature = source.Temperature;
    RPMCode = source.RPMCode;
    SheerStress = source.SheerStress;
    SheerRate = source.SheerRate;
}

// ---------------------------------------------------------------------------
// Lists

namespace {

// Copies into a fresh vector first so that a failure leaves the target as it was,
// and so that assigning a list to itself keeps its items.
template <class T, class List> void CopyItems(List& target, const List& source) {
    if (&target == &source)
        return;
    std::vector<std::unique_ptr<T>> copies;
    copies.reserve(static_cast<size_t>(source.Count()));
    for (const auto& item : source) {
        auto copy = std::make_unique<T>();
        copy->Assign(*item);
        copies.push_back(std::move(copy));
    }
    target.Clear();
    for (auto& copy : copies)
        target.Append(std::move(copy));
}

} // namespace

void TProcessList::Assign(const TDocumentObject& source) {
    if (const auto* list = dynamic_cast<const TProcessList*>(&source))
        Assign(*list);
}

void TProcessList::Assign(const TProcessList& source) {
    CopyItems<TProcessItem>(*this, source);
}

bool TProcessList::FitsTBarSpindles() const {
    return std::all_of(begin(), end(), [](const auto& p) {
        return RPMCodeToValue(p->RPMStart) <= 12.0 && RPMCodeToValue(p->RPMEnd) <= 12.0;
    });
}

TMeasurementList::TMeasurementList(const TMeasurementList& source)
    : TDocumentObject(), m_data(source.m_data) {}

TMeasurementList& TMeasurementList::operator=(const TMeasurementList& source) {
    m_data = source.m_data;
    return *this;
}

void TMeasurementList::Assign(const TDocumentObject& source) {
    if (const auto* list = dynamic_cast<const TMeasurementList*>(&source))
        Assign(*list);
}

void TMeasurementList::Assign(const TMeasurementList& source) {
    m_data = source.m_data;
}

std::vector<TMeasurementItem>& TMeasurementList::Writable() {
    if (!m_data || m_data.use_count() > 1) {
        auto own = m_data ? std::make_shared<TMeasurementBlock>(m_data->Items)
                          : std::make_shared<TMeasurementBlock>();
        m_data = own;
        return own->Items;
    }
    // The last other owner may have let go on another thread: see its reads first.
    std::atomic_thread_fence(std::memory_order_acquire);
    auto own = std::const_pointer_cast<TMeasurementBlock>(m_data);
    own->HasStart = false;
    own->SortedViews.clear();
    return own->Items;
}

const TMeasurementItem* TMeasurementList::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return &m_data->Items[static_cast<size_t>(index)];
}

TMeasurementItem* TMeasurementList::EditItem(int index) {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return &Writable()[static_cast<size_t>(index)];
}

TMeasurementItem* TMeasurementList::Add() {
    std::vector<TMeasurementItem>& items = Writable();
    items.emplace_back();
    return &items.back();
}

void TMeasurementList::Append(const TMeasurementItem& reading) {
    Writable().push_back(reading);
}

void TMeasurementList::Delete(int index) {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    std::vector<TMeasurementItem>& items = Writable();
    items.erase(items.begin() + index);
}

void TMeasurementList::Clear() {
    m_data.reset();
}

void TMeasurementList::Reserve(int count) {
    if (count > 0)
        Writable().reserve(static_cast<size_t>(count));
}

double TMeasurementList::StartDateTime() const {
    if (!m_data)
        return 0.0;
    std::lock_guard<std::mutex> guard(m_data->CacheLock);
    if (!m_data->HasStart) {
        // The first of equal values wins; with plain "<" that is the first one found.
        const TMeasurementItem* earliest = nullptr;
        for (const TMeasurementItem& m : m_data->Items)
            if (!earliest || m.DateTime < earliest->DateTime)
                earliest = &m;
        m_data->Start = earliest ? earliest->DateTime : 0.0;
        m_data->HasStart = true;
    }
    return m_data->Start;
}

double TMeasurementList::ElapsedSecondsBetween(double start, double dateTime) {
    constexpr double msPerDay = 86400000.0;
    // Day numbers near 40000 carry about 1e-3 ms of rounding noise; without the
    // allowance readings taken exactly 1.5 s apart would come out as 1.499 s.
    constexpr double noiseMs = 5e-3;
    const double ms = std::fabs(dateTime - start) * msPerDay;
    if (!std::isfinite(ms))
        return 0.0;
    return std::trunc(ms + noiseMs) / 1000.0;
}

double TMeasurementList::ElapsedSeconds(int index) const {
    const TMeasurementItem* reading = Items(index);
    return ElapsedSecondsBetween(StartDateTime(), reading->DateTime);
}

namespace {

double SortKey(const TMeasurementItem& m, int kind, int model, int spindle) {
    double key = 0.0;
    switch (kind) {
    case 0:
        key = m.DateTime;
        break;
    case 1:
        key = m.Viscosity;
        break;
    case 2:
        key = PercentFullScale(model, spindle, m.RPMCode, m.Viscosity);
        break;
    case 3:
        key = m.Temperature;
        break;
    case 4:
        key = RPMCodeToValue(m.RPMCode);
        break;
    case 5:
        key = m.SheerStress;
        break;
    case 6:
        key = m.SheerRate;
        break;
    }
    // NaN would break the ordering that the sort relies on; it goes first.
    return std::isnan(key) ? -std::numeric_limits<double>::infinity() : key;
}

} // namespace

std::shared_ptr<const TMeasurementBlock> TMeasurementList::SortedBlock(int kind, int model,
                                                                       int spindle) const {
    if (kind < 0 || kind > 6)
        throw EBramblexError(Tr("Invalid sort type"));
    if (!m_data)
        return nullptr;
    std::lock_guard<std::mutex> guard(m_data->CacheLock);
    for (const auto& view : m_data->SortedViews)
        if (view.Kind == kind && view.Model == model && view.Spindle == spindle)
            return view.Block ? view.Block : m_data;

    // Keys are computed once, from the reading and the arguments only.
    const std::vector<TMeasurementItem>& items = m_data->Items;
    std::vector<std::pair<double, size_t>> keys;
    keys.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys.emplace_back(SortKey(items[i], kind, model, spindle), i);
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    // A block already in order is its own sorted view; it records no pointer to itself.
    if (std::is_sorted(keys.begin(), keys.end(), byKey)) {
        m_data->SortedViews.push_back({kind, model, spindle, nullptr});
        return m_data;
    }
    std::stable_sort(keys.begin(), keys.end(), byKey);
    std::vector<TMeasurementItem> sorted;
    sorted.reserve(items.size());
    for (const auto& key : keys)
        sorted.push_back(items[key.second]);
    auto block = std::make_shared<const TMeasurementBlock>(std::move(sorted));
    m_data->SortedViews.push_back({kind, model, spindle, block});
    return block;
}

void TMeasurementList::Sort(int kind, int model, int spindle) {
    m_data = SortedBlock(kind, model, spindle);
}

TMeasurementList TMeasurementList::Sorted(int kind, int model, int spindle) const {
    TMeasurementList sorted;
    sorted.m_data = SortedBlock(kind, model, spindle);
    return sorted;
}

void TBatchList::Assign(const TDocumentObject& source) {
    if (const auto* list = dynamic_cast<const TBatchList*>(&source))
        Assign(*list);
}

void TBatchList::Assign(const TBatchList& source) {
    CopyItems<TBatchItem>(*this, source);
}

// ---------------------------------------------------------------------------
// Batch

void TBatchItem::Assign(const TDocumentObject& source) {
    const auto* batch = dynamic_cast<const TBatchItem*>(&source);
    if (!batch)
        throw EBramblexError(Tr("Cannot assign object to Batch item"));
    Assign(*batch);
}

void TBatchItem::Assign(const TBatchItem& source) {
    if (&source == this)
        return;
    FileTitle = source.FileTitle;
    FolderPath = source.FolderPath;
    LoadWarning = source.LoadWarning;
    DamagedSource = source.DamagedSource;
    Company = source.Company;
    Operator = source.Operator;
    ModelType = source.ModelType;
    SpindleType = source.SpindleType;
    Note = source.Note;
    Identifier = source.Identifier;
    SelectedXAxis = source.SelectedXAxis;
    SelectedYAxis = source.SelectedYAxis;
    Processes.Assign(source.Processes);
    Measurements.Assign(source.Measurements);
}

void TBatchItem::SaveToNodes(TGmXmlNodeList& list) const {
    TGmXmlNode* batch = list.Add("Batch");
    TGmXmlNodeList& header = batch->Children();
    header.Add("Company")->SetText(FileText(Company));
    header.Add("Operator")->SetText(FileText(Operator));
    header.Add("ModelType")->SetInteger(ModelType);
    header.Add("SpindleType")->SetInteger(SpindleType);
    header.Add("Note")->SetText(FileText(Note));
    header.Add("Identifier")->SetText(FileText(Identifier));
    header.Add("SelectedXAxis")->SetInteger(SelectedXAxis);
    header.Add("SelectedYAxis")->SetText(FileText(SelectedYAxis));

    TGmXmlNodeList& processes = header.Add("Processes")->Children();
    for (const auto& p : Processes) {
        TGmXmlNodeList& fields = processes.Add("Process")->Children();
        fields.Add("Identifier")->SetText(FileText(p->Identifier));
        fields.Add("RPMStart")->SetInteger(p->RPMStart);
        fields.Add("RPMEnd")->SetInteger(p->RPMEnd);
        fields.Add("Time")->SetInteger(p->Time);
        fields.Add("UseStartTemperature")->SetBoolean(p->UseStartTemperature);
        fields.Add("UseStartDelay")->SetBoolean(p->UseStartDelay);
        fields.Add("StartTemperature")->SetFloat(p->StartTemperature);
        fields.Add("StartTemperatureType")->SetInteger(p->StartTemperatureType);
        fields.Add("StartDelay")->SetInteger(p->StartDelay);
        fields.Add("Measurements")->SetInteger(p->MeasurementCount);
    }

    TGmXmlNodeList& readings = header.Add("Measurements")->Children();
    for (const auto& m : Measurements) {
        TGmXmlNodeList& fields = readings.Add("Measurement")->Children();
        fields.Add("DateTime")->SetFloat(m->DateTime);
        fields.Add("Viscosity")->SetFloat(m->Viscosity);
        fields.Add("Temperature")->SetFloat(m->Temperature);
        fields.Add("RPMCode")->SetInteger(m->RPMCode);
        fields.Add("SheerStress")->SetFloat(m->SheerStress);
        fields.Add("SheerRate")->SetFloat(m->SheerRate);
    }
}

void TBatchItem::LoadFromNodes(const TGmXmlNodeList& list) {
    // Absent elements read through the missing node as empty values, so a document
    // without "Batch" loads as an empty batch.
    const TGmXmlNodeList& header = list.Find("Batch").Children();
    LoadWarning.clear();
    Company = header.Find("Company").GetText();
    Operator = header.Find("Operator").GetText();
    ModelType = static_cast<uint8_t>(header.Find("ModelType").GetInteger());
    SpindleType = static_cast<uint8_t>(header.Find("SpindleType").GetInteger());
    Note = header.Find("Note").GetText();
    Identifier = header.Find("Identifier").GetText();
    SelectedXAxis = header.Find("SelectedXAxis").GetInteger();
    SelectedYAxis = header.Find("SelectedYAxis").GetText();

    Processes.Clear();
    for (const auto& node : header.Find("Processes").Children()) {
        const TGmXmlNodeList& fields = node->Children();
        TProcessItem* p = Processes.Add();
        p->Identifier = fields.Find("Identifier").GetText();
        p->RPMStart = fields.Find("RPMStart").GetInteger();
        p->RPMEnd = fields.Find("RPMEnd").GetInteger();
        p->Time = fields.Find("Time").GetInteger();
        p->UseStartTemperature = fields.Find("UseStartTemperature").GetBoolean();
        p->UseStartDelay = fields.Find("UseStartDelay").GetBoolean();
        p->StartTemperature = fields.Find("StartTemperature").GetFloat();
        p->StartTemperatureType = static_cast<uint8_t>(fields.Find("StartTemperatureType").GetInteger());
        p->StartDelay = fields.Find("StartDelay").GetInteger();
        p->MeasurementCount = fields.Find("Measurements").GetInteger();
    }

    Measurements.Clear();
    Measurements.Reserve(header.Find("Measurements").Children().Count());
    static constexpr std::string_view kReadingFields[] = {"DateTime", "Viscosity",   "Temperature",
                                                          "RPMCode",  "SheerStress", "SheerRate"};
    std::array<const TGmXmlNode*, std::size(kReadingFields)> field{};
    for (const auto& node : header.Find("Measurements").Children()) {
        node->Children().FindEach(kReadingFields, field);
        TMeasurementItem* m = Measurements.Add();
        m->DateTime = field[0]->GetFloat();
        m->Viscosity = field[1]->GetFloat();
        m->Temperature = field[2]->GetFloat();
        m->RPMCode = field[3]->GetInteger();
        m->SheerStress = field[4]->GetFloat();
        m->SheerRate = field[5]->GetFloat();
    }
}

void TBatchItem::SaveToFile(const QString& path) const {
    DamagedSource.RefuseOverwrite(LoadWarning, path);
    TGmXML document;
    SaveToNodes(document.Nodes());
    document.SaveToFile(path);
}

void TBatchItem::SaveToFile(const QString& path, const TAuditEntry& change,
                            const TAuditRecorder& audit) const {
    DamagedSource.RefuseOverwrite(LoadWarning, path);
    TGmXML document;
    SaveToNodes(document.Nodes());
    audit.Write(path, document.SaveToBytes(), change);
}

void TBatchItem::LoadFromFile(const QString& path) {
    TGmXML document;
    document.LoadFromFile(path);
    LoadFromNodes(document.Nodes());
    NoteDamage(path, document.LoadResult());
    const QFileInfo info(path);
    FileTitle = info.completeBaseName();
    FolderPath = info.absolutePath();
    if (!FolderPath.endsWith(QLatin1Char('/')))
        FolderPath += QLatin1Char('/');
}

void TBatchItem::NoteDamage(const QString& path, const TGmXmlLoadResult& read) {
    if (read.Complete())
        return;
    LoadWarning = Tr("The file \"%1\" is damaged and was read only in part.\n%2\n%3 reading(s) and %4 "
                     "process(es) were read.")
                      .arg(path, read.Describe())
                      .arg(Measurements.Count())
                      .arg(Processes.Count());
    DamagedSource.Note(path);
}

void ApplyNewBatchDefaults(TBatchItem& batch, TSettings& settings) {
    int model = Setting::DefaultViscoMeter.Get(settings);
    // -1 (no model chosen yet) or a damaged value: the first model, as the
    // preferences dialog would show it.
    if (model < 0 || model >= ModelTypeCount)
        model = 0;
    int spindle = Setting::DefaultSpindle.Get(settings);
    if (!IsSpindleValid(model, spindle))
        spindle = SpindleFromIndex(model, 0);
    batch.ModelType = static_cast<uint8_t>(model);
    batch.SpindleType = static_cast<uint8_t>(spindle);
    batch.Company = Setting::DefaultCompany.Get(settings);
    batch.Operator = Setting::DefaultOperator.Get(settings);
    batch.SelectedXAxis = 0;
    batch.SelectedYAxis = QStringLiteral("0");
}

TSelectedYAxis ParseSelectedYAxis(const QString& text) {
    TSelectedYAxis shown{};
    for (const QStringView entry : QStringView(text).split(QLatin1Char(','))) {
        bool ok = false;
        const int index = entry.trimmed().toInt(&ok);
        if (ok && index >= 0 && index < static_cast<int>(shown.size()))
            shown[static_cast<size_t>(index)] = true;
    }
    return shown;
}

QString FormatSelectedYAxis(const TSelectedYAxis& shown) {
    QStringList entries;
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i])
            entries.append(QString::number(i));
    return entries.join(QLatin1Char(','));
}

QString StartTemperatureTypeName(int type) {
    switch (type) {
    case 0:
        return Tr("When Above");
    case 1:
        return Tr("When Below");
    default:
        throw EBramblexError(Tr("Invalid Start Temperature Type"));
    }
}

namespace {

QString ProcessKey(const TProcessItem& p) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9|%10")
        .arg(p.Identifier)
        .arg(p.RPMStart)
        .arg(p.RPMEnd)
        .arg(p.Time)
        .arg(p.UseStartTemperature)
        .arg(p.UseStartDelay)
        .arg(p.StartTemperature, 0, 'g', 17)
        .arg(p.StartTemperatureType)
        .arg(p.StartDelay)
        .arg(p.MeasurementCount);
}

QStringList ProcessKeys(const TProcessList& list) {
    QStringList keys;
    for (const auto& p : list)
        keys << ProcessKey(*p);
    return keys;
}

// "Process "P2" added", "Process "P1" edited", "Processes moved"; empty when equal.
QString DescribeProcesses(const TProcessList& before, const TProcessList& after) {
    const QStringList a = ProcessKeys(before);
    const QStringList b = ProcessKeys(after);
    if (a == b)
        return {};
    QStringList sortedA = a, sortedB = b;
    sortedA.sort();
    sortedB.sort();
    const auto quoted = [](const QString& id) { return QLatin1Char('"') + id + QLatin1Char('"'); };
    QString what;
    if (sortedA == sortedB) {
        what = Tr("Processes moved");
    } else if (b.size() > a.size()) {
        for (int i = 0; i < b.size(); ++i)
            if (!a.contains(b[i])) {
                what = Tr("Process %1 added").arg(quoted(after.Items(i)->Identifier));
                break;
            }
    } else if (b.size() < a.size()) {
        QStringList gone;
        for (int i = 0; i < a.size(); ++i)
            if (!b.contains(a[i]))
                gone << quoted(before.Items(i)->Identifier);
        what = Tr("Processes deleted: %1").arg(gone.join(QStringLiteral(", ")));
    } else {
        for (int i = 0; i < b.size(); ++i)
            if (a[i] != b[i]) {
                what = Tr("Process %1 edited").arg(quoted(after.Items(i)->Identifier));
                break;
            }
    }
    return Tr("%1 (%2 processes before, %3 after)").arg(what).arg(a.size()).arg(b.size());
}

} // namespace

TAuditEntry DescribeBatchChange(const TBatchItem& before, const TBatchItem& after) {
    std::vector<TAuditEntry> entries;
    const auto field = [&](const char* name, const QString& was, const QString& is) {
        if (was != is)
            entries.push_back(TAuditEntry::HeaderChanged(QLatin1String(name), was, is));
    };
    const auto model = [](int m) {
        return m >= 0 && m < ModelTypeCount ? QString::fromLatin1(ModelNames[static_cast<size_t>(m)])
                                            : QString::number(m);
    };
    const auto spindle = [](int s) {
        return s >= 0 && s < SpindleTypeCount ? QString::fromLatin1(SpindleNames[static_cast<size_t>(s)])
                                              : QString::number(s);
    };
    field("Company", before.Company, after.Company);
    field("Operator", before.Operator, after.Operator);
    field("Identifier", before.Identifier, after.Identifier);
    field("Note", before.Note, after.Note);
    field("ModelType", model(before.ModelType), model(after.ModelType));
    field("SpindleType", spindle(before.SpindleType), spindle(after.SpindleType));
    field("SelectedXAxis", QString::number(before.SelectedXAxis), QString::number(after.SelectedXAxis));
    field("SelectedYAxis", before.SelectedYAxis, after.SelectedYAxis);
    if (const QString processes = DescribeProcesses(before.Processes, after.Processes); !processes.isEmpty())
        entries.push_back(TAuditEntry::ProcessesChanged(processes));
    const int readingsBefore = before.Measurements.Count();
    if (readingsBefore > 0 && after.Measurements.Count() == 0)
        entries.push_back(TAuditEntry::ReadingsCleared(readingsBefore));
    if (entries.empty())
        return {TAuditAction::Created, {}, {}, {}, {}, {}};
    if (entries.size() == 1)
        return entries.front();
    // One save, one record: the first change names the action, the details list them all.
    TAuditEntry all = entries.front();
    QStringList details;
    QJsonArray changes;
    for (const TAuditEntry& e : entries) {
        details << e.Details;
        QJsonObject one = e.Data;
        one[QStringLiteral("action")] = AuditActionName(e.Action);
        one[QStringLiteral("details")] = e.Details;
        changes.append(one);
    }
    all.Details = details.join(QStringLiteral("; "));
    all.Data = {{QStringLiteral("changes"), changes}};
    return all;
}
