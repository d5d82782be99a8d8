#include "reports/Report.h"

#include "core/Error.h"
#include "documents/DocumentObject.h"
#include "properties/PictureText.h"
#include "reports/Page.h"
#include "xml/GmXml.h"

#include <QFileInfo>

namespace {

QString NameFromPath(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

} // namespace

TReport::TReport() = default;

TReport::~TReport() = default;

void TReport::Clear() {
    m_pages.clear();
}

TPage* TReport::AddPage() {
    m_pages.push_back(std::make_unique<TPage>());
    return m_pages.back().get();
}

TPage* TReport::InsertPage(int index) {
    if (index < 0 || index > PageCount())
        RaiseListIndexError(index);
    auto it = m_pages.insert(m_pages.begin() + index, std::make_unique<TPage>());
    return it->get();
}

void TReport::DeletePage(int index) {
    Page(index);
    m_pages.erase(m_pages.begin() + index);
}

void TReport::MovePage(int from, int to) {
    Page(from);
    Page(to);
    std::unique_ptr<TPage> page = std::move(m_pages[static_cast<size_t>(from)]);
    m_pages.erase(m_pages.begin() + from);
    m_pages.insert(m_pages.begin() + to, std::move(page));
}

TPage* TReport::Page(int index) const {
    if (index < 0 || index >= PageCount())
        RaiseListIndexError(index);
    return m_pages[static_cast<size_t>(index)].get();
}

int TReport::IndexOfPage(const TPage* page) const {
    for (int i = 0; i < PageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)].get() == page)
            return i;
    }
    return -1;
}

void TReport::Assign(const TDocumentObject& source) {
    const auto* report = dynamic_cast<const TReport*>(&source);
    if (!report || report == this)
        return;
    Clear();
    Name = report->Name;
    ReadOnly = report->ReadOnly;
    LoadWarning = report->LoadWarning;
    DamagedSource = report->DamagedSource;
    for (const auto& page : report->m_pages)
        AddPage()->Assign(*page);
}

void TReport::LoadFromFile(const QString& path) {
    TGmXML document;
    document.LoadFromFile(path);
    Name = NameFromPath(path);
    const TGmXmlLoadResult& read = document.LoadResult();
    try {
        LoadFromXml(document.Nodes());
    } catch (const EPictureBudgetError& e) {
        throw EPictureBudgetError(Tr("Cannot open file \"%1\". %2").arg(path, e.Message()));
    } catch (const EBramblexError&) {
        // In a document cut off in the middle of an item the item is incomplete (an
        // empty type name): the damage is what to report, with the pages before it.
        if (read.Complete())
            throw;
    }
    NoteDamage(path, read);
}

void TReport::NoteDamage(const QString& path, const TGmXmlLoadResult& read) {
    if (read.Complete())
        return;
    LoadWarning = Tr("The file \"%1\" is damaged and was read only in part.\n%2\n%3 page(s) were read.")
                      .arg(path, read.Describe())
                      .arg(PageCount());
    DamagedSource.Note(path);
}

void TReport::SaveToFile(const QString& path) {
    DamagedSource.RefuseOverwrite(LoadWarning, path);
    TGmXML document;
    SaveToXml(document.Nodes());
    document.SaveToFile(path);
    Name = NameFromPath(path);
}

void TReport::LoadFromXml(const TGmXmlNodeList& nodes) {
    TPictureBudget budget;
    LoadFromXml(nodes, budget);
}

void TReport::LoadFromXml(const TGmXmlNodeList& nodes, TPictureBudget& budget) {
    Clear();
    LoadWarning.clear();
    const TGmXmlNode& report = nodes.Find("Report");
    ReadOnly = report.Children().Find("ReadOnly").GetInteger() == 1;
    for (const auto& entry : report.Children().Find("Pages").Children())
        AddPage()->LoadFromXml(entry->Children(), true, false, budget);
}

void TReport::SaveToXml(TGmXmlNodeList& nodes) const {
    TGmXmlNodeList& report = nodes.Add("Report")->Children();
    report.Add("ReadOnly")->SetBoolean(ReadOnly);
    TGmXmlNodeList& pages = report.Add("Pages")->Children();
    for (const auto& page : m_pages)
        page->SaveToXml(pages.Add("Page")->Children(), false);
}

void TReport::RenumberPages() {
    for (int i = 0; i < PageCount(); ++i)
        m_pages[static_cast<size_t>(i)]->PageNumber = i + 1;
}

void TReport::Paginate() {
    for (const auto& page : m_pages)
        page->ResetItems();
    auto scratch = std::make_unique<TPage>();
    if (PageCount() > 0)
        scratch->Assign(*m_pages.front());
    int j = 0;
    while (j < PageCount()) {
        scratch->AdvanceItems();
        ++j;
        if (!scratch->AllItemsDone()) {
            InsertPage(j)->Assign(*scratch);
        } else if (j < PageCount()) {
            scratch->Assign(*m_pages[static_cast<size_t>(j)]);
        }
    }
}
