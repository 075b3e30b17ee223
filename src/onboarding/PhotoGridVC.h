// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/ImageCropperVC.h"
#include "photos/PhotoGrid.h"
#include "ui/KeyboardVC.h"

// The photo step: up to six photos picked, cropped and screened one by one, then uploaded
// together. The cropped photos are kept in the registration draft until the upload succeeds, so
// a restart brings them back; then the step hands over to the location or notification step, or
// straight to the feed.
class PhotoGridVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(PhotoGrid *photoGrid READ photoGrid CONSTANT)
    Q_PROPERTY(QString hintText READ hintText NOTIFY hintTextChanged)

public:
    explicit PhotoGridVC(ImageCropperVC::Screening screening, Services services,
                         QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/PhotoGridView.qml"); }

    [[nodiscard]] PhotoGrid *photoGrid() const { return m_grid; }
    QString hintText() const;

    /// The hint for `count` photos; before the first change it is the opening one.
    [[nodiscard]] static QString hint(std::optional<int> count);

Q_SIGNALS:
    void hintTextChanged();

protected:
    void next() override;

private:
    void uploaded();
    void slotsUpdated();

    PhotoGrid *m_grid;
    bool m_changed = false;
};
