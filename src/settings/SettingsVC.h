// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/RequestBodies.h"
#include "api/User.h"
#include "ui/RowModel.h"
#include "ui/ViewController.h"

#include <QUrl>

// The discovery settings: distance, whom to be shown to, the age range and whether the user
// takes part in discovery at all. It edits a copy of the current user and sends all seven
// values at once on "Готово"; "Отмена" throws the edits away. Opened from the own-profile tab
// (`isMain`) it also carries the contacts, the version and the way to delete the account.
class SettingsVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(RowModel *rows READ rows CONSTANT)

public:
    /// Where the contact rows lead.
    enum class Link { Terms, Feedback, Telegram };

    explicit SettingsVC(bool isMain, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("settings/SettingsView.qml"); }

    bool keepsToColumn() const override { return true; }
    QString leftBarButtonTitle() const override { return tr("Отмена"); }
    QString rightBarButtonTitle() const override { return tr("Готово"); }
    bool rightBarButtonBusy() const override { return m_saving; }
    /// "Отмена": closes without saving.
    void leftBarButtonTapped() override;
    /// "Готово": closes at once when nothing changed, otherwise saves first.
    void rightBarButtonTapped() override;

    [[nodiscard]] bool isMain() const { return m_isMain; }
    [[nodiscard]] RowModel *rows() { return &m_rows; }
    [[nodiscard]] const QList<RowModel::Row> &settings() const { return m_rows.rows(); }
    /// The seven values as the rows have them now.
    [[nodiscard]] DiscoverySettings editedSettings() const;

    /// The version line for the build's short version string.
    [[nodiscard]] static QString versionText(const QString &shortVersion);
    /// Where the contact rows lead.
    [[nodiscard]] QUrl termsUrl() const;
    [[nodiscard]] static QUrl telegramUrl();
    [[nodiscard]] static QUrl feedbackMailUrl();

    Q_INVOKABLE void rowTapped(int row);
    // The cells' handlers; each writes back into its row.
    Q_INVOKABLE void sliderValueChanged(int row, double value);
    Q_INVOKABLE void rangeSliderValueChanged(int row, double lower, double upper);
    Q_INVOKABLE void switcherValueChanged(int row, bool isOn);

    /// The gender choice screen's answer: replaces the gender row's value.
    void genderSelected(GenderSelection gender);

private:
    [[nodiscard]] static DiscoverySettings settingsOf(const User &user);
    [[nodiscard]] QList<RowModel::Row> buildRows() const;
    /// The row with its value in words, as its cell shows it.
    [[nodiscard]] static RowModel::Row described(RowModel::Row row);
    void edit(int row, const std::function<void(RowModel::Row &)> &change);
    void save(const DiscoverySettings &settings);
    void setSaving(bool saving);
    static void openLink(const Services &services, const QUrl &url);

    User m_user;
    bool m_isMain;
    bool m_saving = false;
    RowModel m_rows;
};
