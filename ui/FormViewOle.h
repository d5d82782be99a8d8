#pragma once

// The document viewer of the folder list's preview pane, for files that are neither
// pictures of the picture viewer nor PDF: a picture Qt can read, else the first lines
// of a text file, else the file's icon, name, size and type. The preview sits in a
// scroll box at its own size. It is dropped whenever the viewer is hidden, so the next
// ShowFile of the same file reads it again.

#include <QScrollArea>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class TDialogService;

class TFormViewOle : public QWidget {
    Q_OBJECT
public:
    TFormViewOle(TDialogService& dialogs, QWidget* parent = nullptr);
    ~TFormViewOle() override;

    enum class TPreview { None, Picture, Text, Summary };

    // Previews path unless it is the file shown, or there is no file.
    void ShowFile(const QString& path);

    const QString& FilePath() const { return m_path; }
    TPreview Preview() const { return m_kind; }
    QScrollArea* ScrollBoxOle() const { return m_scroll; }
    // The preview widget (none while empty).
    QWidget* OleContainerView() const;
    // The text shown by a text preview (empty otherwise).
    QString PreviewText() const;

    // Lines and bytes of a text file that the preview reads at most.
    static constexpr int MaxLines = 200;
    static constexpr qint64 MaxTextBytes = 64 * 1024;

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Drop();
    void Open();

    TDialogService& m_dialogs;
    QScrollArea* m_scroll;
    QString m_path;
    TPreview m_kind = TPreview::None;
};
