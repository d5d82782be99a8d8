#include "ui/FormViewImage.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "platform/MetafileConverter.h"
#include "ui/DialogService.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

TImageShow::TImageShow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImageShow"));
    setAccessibleName(tr("Picture"));
}

void TImageShow::SetPicture(const TKorvGraphic& picture) {
    m_picture = picture;
    update();
}

QRect TImageShow::PictureRect() const {
    const QSize natural = m_picture.IsEmpty() ? QSize() : m_picture.NaturalSize();
    if (natural.isEmpty())
        return {};
    QSize size = natural;
    if (size.width() > width() || size.height() > height())
        size = natural.scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TImageShow::paintEvent(QPaintEvent*) {
    const QRect target = PictureRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.Draw(painter, target);
}

TFormViewImage::TFormViewImage(TDialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_image(new TImageShow(this)),
      m_conversion(new TMetafileConversion(this)) {
    setObjectName(QStringLiteral("FormViewImage"));
    setAccessibleName(tr("Picture viewer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_image);
    m_image->installEventFilter(this);
    connect(m_conversion, &TMetafileConversion::Finished, this, &TFormViewImage::Converted);
}

TFormViewImage::~TFormViewImage() = default;

bool TFormViewImage::Converting() const {
    return m_conversion->Running();
}

void TFormViewImage::ShowFile(const QString& path) {
    const int64_t time = FileLastWrite(path).Stamp;
    if (path == m_path && time == m_time)
        return;
    // Remembered first: a file that cannot be loaded is not tried again until it
    // changes or another file was shown.
    m_path = path;
    m_time = time;
    m_image->SetPicture(TKorvGraphic());
    if (IsMetafileName(path)) {
        m_conversion->Start(path);
        return;
    }
    try {
        TKorvGraphic picture;
        picture.LoadFromFile(path);
        m_image->SetPicture(picture);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
}

void TFormViewImage::Converted(const QString& path, const QByteArray& svg, const QString& error) {
    if (path != m_path)
        return;
    TKorvGraphic picture;
    QByteArray bytes;
    bytes.append(static_cast<char>(TKorvGraphic::KindMetafile));
    bytes.append(svg);
    if (svg.isEmpty() || !picture.LoadFromString(bytes)) {
        m_dialogs.Error(this, error.isEmpty()
                                  ? Tr("The file \"%1\" does not hold a picture that can be read.").arg(path)
                                  : error);
        return;
    }
    m_image->SetPicture(picture);
}

bool TFormViewImage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_image && event->type() == QEvent::MouseButtonDblClick && !m_path.isEmpty() &&
        EntryExists(m_path)) {
        m_dialogs.OpenUrl(this, QUrl::fromLocalFile(m_path));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
