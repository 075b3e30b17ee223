// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/User.h"
#include "photos/ImageCropperVC.h"
#include "photos/PhotoGrid.h"
#include "ui/RowModel.h"

#include <QList>
#include <QStringList>

class ImageCacheManager;

// The editing list of the profile editor: the photo tiles, the text about oneself, and one-line
// fields for position, education and city, under their captions. Every edit is written back
// into its row at once, so the container reads the values from the rows whenever it needs them.
// The text rows carry the `Field` they edit as their tag.
class EditVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the profile editor")
    Q_PROPERTY(RowModel *rows READ rows CONSTANT)
    Q_PROPERTY(PhotoGrid *photoGrid READ photoGrid CONSTANT)
    Q_PROPERTY(QString countText READ countText NOTIFY bioChanged)
    Q_PROPERTY(bool frozen READ isFrozen NOTIFY frozenChanged)

public:
    /// The texts the rows edit.
    enum Field { Bio, Job, Education, City };
    Q_ENUM(Field)

    /// The four texts as the rows hold them; a row without text gives the empty string.
    struct Texts {
        QString bio;
        QString job;
        QString edu;
        QString city;
        friend bool operator==(const Texts &, const Texts &) = default;
    };

    /// Starts from the signed-in user's record and their photos as the image cache holds them.
    EditVC(ImageCropperVC::Screening screening, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("profile/EditView.qml"); }

    /// The cached bytes of each address, an empty entry where the cache has no readable file.
    [[nodiscard]] static QList<QByteArray> cachedPhotos(const QStringList &urls,
                                                        const ImageCacheManager &cache);

    [[nodiscard]] const User &user() const { return m_user; }
    RowModel *rows() { return &m_rows; }
    /// The photos as the cache held them, an empty entry for each one it did not; after the
    /// first change in the tiles, all six slots, empty ones included.
    [[nodiscard]] const QList<QByteArray> &selectedImages() const { return m_selectedImages; }
    [[nodiscard]] Texts texts() const;
    PhotoGrid *photoGrid() const { return m_grid; }
    QString countText() const;

    bool isFrozen() const { return m_frozen; }
    /// While the editor saves, nothing can be edited.
    void setFrozen(bool frozen);

    /// The text cell proposes its whole new text; false refuses the edit and the cell goes back
    /// to what the row holds.
    Q_INVOKABLE bool proposeBio(const QString &text);
    /// A one-line field's text, written back into its row.
    Q_INVOKABLE void setFieldText(EditVC::Field field, const QString &text);
    /// Ends typing in whichever field has the keyboard.
    void endEditing() { Q_EMIT endEditingRequested(); }

Q_SIGNALS:
    void bioChanged();
    /// A text or a photo changed.
    void edited();
    void frozenChanged();
    void endEditingRequested();

private:
    [[nodiscard]] QString textOf(Field field) const;

    User m_user;
    RowModel m_rows;
    QList<QByteArray> m_selectedImages;
    PhotoGrid *m_grid;
    bool m_frozen = false;
};
