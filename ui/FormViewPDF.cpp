#include "ui/FormViewPDF.h"

#include "platform/FileSystem.h"
#include "platform/ForeignLeaks.h"

#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QVBoxLayout>

namespace {

// Qt 6.4's view never frees its scroller's gesture recognizer nor its page renderer's
// thread, whoever owns the view; a program that only makes and deletes one shows it.
QPdfView* NewPdfView(QWidget* parent) {
    TForeignLeaks qtPdfView;
    return new QPdfView(parent);
}

QString LoadErrorText(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::FileNotFound:
        return TFormViewPDF::tr("The file was not found.");
    case QPdfDocument::Error::InvalidFileFormat:
        return TFormViewPDF::tr("The file is not a PDF document that can be read.");
    case QPdfDocument::Error::IncorrectPassword:
        return TFormViewPDF::tr("The document is protected by a password.");
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return TFormViewPDF::tr("The document's protection is not supported.");
    default:
        return TFormViewPDF::tr("The document could not be read.");
    }
}

} // namespace

TFormViewPDF::TFormViewPDF(QWidget* parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_view(NewPdfView(this)),
      m_failure(new QLabel(this)) {
    setObjectName(QStringLiteral("FormViewPDF"));
    setAccessibleName(tr("PDF viewer"));
    m_view->setObjectName(QStringLiteral("PdfViewPDF"));
    m_view->setAccessibleName(tr("PDF document"));
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_view->setDocument(m_document);
    m_failure->setObjectName(QStringLiteral("LabelPdfFailure"));
    m_failure->setAccessibleDescription(tr("PDF document"));
    m_failure->setAlignment(Qt::AlignCenter);
    m_failure->setWordWrap(true);
    m_failure->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    layout->addWidget(m_failure);
}

TFormViewPDF::~TFormViewPDF() {
    m_view->setDocument(nullptr);
}

void TFormViewPDF::ShowFile(const QString& path) {
    if (!EntryExists(path))
        return;
    m_path = path;
    const QPdfDocument::Error error = m_document->load(path);
    const bool ok = error == QPdfDocument::Error::None;
    m_failure->setText(ok ? QString() : LoadErrorText(error));
    m_failure->setVisible(!ok);
    m_view->setVisible(ok);
}
