#pragma once

// The picture viewer of the folder list's preview pane: a JPEG or bitmap file through
// Qt (bitmaps through the repairing loader), a Windows metafile through the converter
// process. The picture is centred; one larger than the viewer is scaled down to fit
// with its proportions kept, a smaller one is shown at its own size.

#include "properties/KorvGraphic.h"

#include <QWidget>

#include <cstdint>

class TDialogService;
class TMetafileConversion;

class TImageShow : public QWidget {
public:
    explicit TImageShow(QWidget* parent = nullptr);
    void SetPicture(const TKorvGraphic& picture);
    const TKorvGraphic& Picture() const { return m_picture; }
    // Where the picture is drawn (empty without one).
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TKorvGraphic m_picture;
};

class TFormViewImage : public QWidget {
    Q_OBJECT
public:
    TFormViewImage(TDialogService& dialogs, QWidget* parent = nullptr);
    ~TFormViewImage() override;

    // Shows the picture of path, unless it is the file shown and unchanged since.
    // A picture that cannot be loaded is said so in an error box.
    void ShowFile(const QString& path);

    const QString& FilePath() const { return m_path; }
    TImageShow* ImageShow() const { return m_image; }
    // A metafile is being converted.
    bool Converting() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Converted(const QString& path, const QByteArray& svg, const QString& error);

    TDialogService& m_dialogs;
    TImageShow* m_image;
    TMetafileConversion* m_conversion;
    QString m_path;
    int64_t m_time = 0;
};
