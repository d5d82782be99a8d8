#include "platform/Printers.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <atomic>
#include <memory>

namespace {

// The system's printers through Qt print support (CUPS on Linux). One QPrinter is
// kept for the current printer, since setting one up asks the print server.
class TQtPrinterServices final : public TPrinterServices {
public:
    QStringList InstalledPrinters() const override { return QPrinterInfo::availablePrinterNames(); }

    QString CurrentPrinter() const override {
        const QStringList names = InstalledPrinters();
        if (names.isEmpty())
            return QString();
        if (!m_selected.isEmpty() && names.contains(m_selected))
            return m_selected;
        const QString system = QPrinterInfo::defaultPrinterName();
        if (!system.isEmpty() && names.contains(system))
            return system;
        return names.first();
    }

    void SelectPrinter(const QString& name) override { m_selected = name; }

    int CurrentOrientation() const override {
        QPrinter* printer = Printer();
        if (!printer)
            return 0;
        return printer->pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    }

    TPrinterPaper CurrentPaper() const override {
        QPrinter* printer = Printer();
        if (!printer)
            return {};
        const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
        const int resolution = printer->resolution();
        return {qRound(paper.width()), qRound(paper.height()), resolution, resolution};
    }

private:
    QPrinter* Printer() const {
        const QString name = CurrentPrinter();
        if (name.isEmpty())
            return nullptr;
        if (!m_printer || m_printerName != name) {
            m_printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
            m_printerName = name;
        }
        return m_printer.get();
    }

    QString m_selected;
    mutable std::unique_ptr<QPrinter> m_printer;
    mutable QString m_printerName;
};

std::atomic<TPrinterServices*> g_installed{nullptr};

} // namespace

TPrinterServices& Printers() {
    if (TPrinterServices* installed = g_installed.load())
        return *installed;
    static TQtPrinterServices system;
    return system;
}

void SetPrinterServices(TPrinterServices* services) {
    g_installed.store(services);
}
