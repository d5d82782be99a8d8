#pragma once

// The PDF viewer of the folder list's preview pane: the file's pages, fitted to the
// viewer's width, one below the other. Every ShowFile reads the file again (it may
// have been rewritten); a file that is gone leaves what the viewer showed.

#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;

class TFormViewPDF : public QWidget {
    Q_OBJECT
public:
    explicit TFormViewPDF(QWidget* parent = nullptr);
    ~TFormViewPDF() override;

    void ShowFile(const QString& path);

    QPdfView* PdfView() const { return m_view; }
    QPdfDocument* Document() const { return m_document; }
    const QString& FilePath() const { return m_path; }

private:
    QPdfDocument* m_document;
    QPdfView* m_view;
    QLabel* m_failure;
    QString m_path;
};
