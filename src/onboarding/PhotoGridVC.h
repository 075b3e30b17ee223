#pragma once

#include "photos/ImageCropperVC.h"
#include "photos/PhotoPicking.h"
#include "photos/PhotoSlots.h"
#include "ui/KeyboardVC.h"

#include <QList>
#include <QUrl>
#include <QVariantList>

// The photo step: up to six photos picked, cropped and screened one by one, then uploaded
// together. Nothing is kept until the upload succeeds; then the step hands over to the location
// or notification step, or straight to the feed.
class PhotoGridVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(QVariantList thumbnails READ thumbnails NOTIFY slotsChanged)
    Q_PROPERTY(int count READ count NOTIFY slotsChanged)
    Q_PROPERTY(QString hintText READ hintText NOTIFY slotsChanged)

public:
    explicit PhotoGridVC(ImageCropperVC::Screening screening, Services services = {},
                         QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/PhotoGridView.qml"); }

    /// One picture per slot, a null image for an empty one.
    QVariantList thumbnails() const;
    int count() const { return m_slots.count(); }
    QString hintText() const;
    [[nodiscard]] const PhotoSlots &photoSlots() const { return m_slots; }

    /// The hint for `count` photos; before the first change it is the opening one.
    [[nodiscard]] static QString hint(std::optional<int> count);

    Q_INVOKABLE void tileTapped(int index);
    /// Files dropped on the step: the first picture goes straight to the cropper.
    Q_INVOKABLE void filesDropped(const QList<QUrl> &files);
    /// Ctrl+V: a copied picture or picture file goes straight to the cropper.
    Q_INVOKABLE void pasteRequested();
    /// A photo from the cropper.
    void addPhoto(const QByteArray &photo);
    void deletePhoto(int index);

Q_SIGNALS:
    void slotsChanged();

protected:
    void next() override;

private:
    void uploaded();
    void crop(const PhotoPicking::Picked &picked);
    void slotsUpdated();

    ImageCropperVC::Screening m_screening;
    PhotoSlots m_slots;
    QList<QImage> m_thumbnails;
    bool m_changed = false;
};
