// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsVC.h"

#include "BuildConfigValues.h"
#include "api/Birthday.h"
#include "api/Endpoints.h"
#include "platform/UrlOpener.h"
#include "settings/GenderSelectionVC.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QPointer>

namespace {
const QString kSupportAddress = QStringLiteral("support@zirel.app");
const QString kTelegramChannel = QStringLiteral("https://t.me/zirel_app");
// What a query may carry unescaped besides letters and digits.
const QByteArray kQueryAllowed = "!$&'()*+,-./:;=?@_~";
} // namespace

SettingsVC::SettingsVC(bool isMain, Services services, QObject *parent)
    : ViewController(QStringLiteral("SettingsVC"), services, parent)
    , m_user(services.user().currentUser())
    , m_isMain(isMain) {
    setTitle(isMain ? tr("Настройки") : tr("Фильтры"));
    m_rows.setRows(buildRows());
}

QList<SettingsRow> SettingsVC::buildRows() const {
    const int age = Birthday::age(m_user.birthday, QDate::currentDate());
    // Twenty years either side of the user's age, widened to a range saved beyond them (chosen
    // at another age, or by another client): a slider clamping it would show one range beside
    // a label showing another, and save its clamped end at the first touch of the other thumb.
    QList<SettingsRow> rows{
        SettingsRow::slider(m_user.maxDistance, m_user.showMore),
        SettingsRow::genderRow(m_user.selectedGender),
        SettingsRow::doubleSlider(m_user.ageStart, m_user.ageEnd,
                                  std::min(age - 20, m_user.ageStart),
                                  std::max(age + 20, m_user.ageEnd), m_user.showMoreAge),
        SettingsRow::toggle(m_user.active),
        SettingsRow::hintLabel(
            tr("Если выключено, твой профиль будет скрыт. Люди, которые уже получили от тебя "
               "лайк, по-прежнему смогут видеть твой профиль и образовывать с тобой пары")),
    };
    if (!m_isMain)
        return rows;
    rows.prepend(SettingsRow::label(tr("НАХОДКИ")));
    rows << SettingsRow::label(tr("КОНТАКТЫ")) << SettingsRow::navigation(tr("Условия пользования"))
         << SettingsRow::navigation(tr("Написать разработчикам"))
         << SettingsRow::navigation(tr("Канал в Telegram"))
         << SettingsRow::version(versionText(QStringLiteral(ZIREL_BUILD_APP_VERSION)))
         << SettingsRow::button(tr("Удалить аккаунт"));
    return rows;
}

QString SettingsVC::versionText(const QString &shortVersion) {
    return tr("Версия %1").arg(shortVersion.isEmpty() ? QStringLiteral("1.0") : shortVersion);
}

QUrl SettingsVC::termsUrl() const {
    return QUrl(services().network().baseUrl() + QStringLiteral("agreement"));
}

QUrl SettingsVC::telegramUrl() {
    return QUrl(kTelegramChannel);
}

QUrl SettingsVC::feedbackMailUrl() {
    const QByteArray subject = tr("Обратная связь").toUtf8().toPercentEncoding(kQueryAllowed);
    return QUrl::fromEncoded("mailto:" + kSupportAddress.toUtf8() + "?subject=" + subject,
                             QUrl::StrictMode);
}

void SettingsVC::openLink(const Services &services, const QUrl &url) {
    if (url.isValid())
        (void)services.platform().urlOpener().open(url);
}

void SettingsVC::rowTapped(int row) {
    if (row < 0 || row >= settings().size())
        return;
    const SettingsRow &tapped = settings().at(row);
    switch (tapped.kind) {
    case SettingsRow::Kind::Gender: {
        NavigationContainer *navigation = navigationContainer();
        if (!navigation)
            return;
        QPointer<SettingsVC> weak = this;
        navigation->push(new GenderSelectionVC(
                             tapped.gender, GenderSelectionVC::FromSettings,
                             [weak](GenderSelection chosen) {
                                 if (weak)
                                     weak->genderSelected(chosen);
                             },
                             services()),
                         true);
        return;
    }
    case SettingsRow::Kind::Navigation:
        if (tapped.text == tr("Условия пользования"))
            openLink(services(), termsUrl());
        else if (tapped.text == tr("Канал в Telegram"))
            openLink(services(), telegramUrl());
        else if (tapped.text == tr("Написать разработчикам"))
            openLink(services(), feedbackMailUrl());
        return;
    case SettingsRow::Kind::Button:
        if (NavigationContainer *navigation = navigationContainer())
            navigation->push(
                services().screens().create(ScreenFactory::Screen::DeleteAccount, services()),
                true);
        return;
    default:
        return;
    }
}

void SettingsVC::edit(int row, const std::function<void(SettingsRow &)> &change) {
    if (row < 0 || row >= settings().size())
        return;
    SettingsRow value = settings().at(row);
    change(value);
    m_rows.replace(row, value);
}

void SettingsVC::sliderValueChanged(int row, double value) {
    edit(row, [value](SettingsRow &slider) { slider.value = int(value); });
}

void SettingsVC::rangeSliderValueChanged(int row, double lower, double upper) {
    edit(row, [lower, upper](SettingsRow &range) {
        range.lower = int(lower);
        range.upper = int(upper);
    });
}

void SettingsVC::switcherValueChanged(int row, bool isOn) {
    edit(row, [isOn](SettingsRow &toggled) { toggled.isOn = isOn; });
}

void SettingsVC::genderSelected(GenderSelection gender) {
    for (int row = 0; row < settings().size(); ++row) {
        if (settings().at(row).kind == SettingsRow::Kind::Gender) {
            edit(row, [gender](SettingsRow &choice) { choice.gender = gender; });
            return;
        }
    }
}

DiscoverySettings SettingsVC::settingsOf(const User &user) {
    return {user.maxDistance, user.showMore,    user.selectedGender, user.ageStart,
            user.ageEnd,      user.showMoreAge, user.active};
}

DiscoverySettings SettingsVC::editedSettings() const {
    DiscoverySettings edited = settingsOf(m_user);
    for (const SettingsRow &row : settings()) {
        switch (row.kind) {
        case SettingsRow::Kind::Slider:
            edited.maxDistance = row.value;
            edited.showMore = row.isOn;
            break;
        case SettingsRow::Kind::Gender:
            edited.selectedGender = row.gender;
            break;
        case SettingsRow::Kind::DoubleSlider:
            edited.ageStart = row.lower;
            edited.ageEnd = row.upper;
            edited.showMoreAge = row.isOn;
            break;
        case SettingsRow::Kind::Toggle:
            edited.active = row.isOn;
            break;
        default:
            break;
        }
    }
    return edited;
}

void SettingsVC::leftBarButtonTapped() {
    dismiss(true);
}

void SettingsVC::rightBarButtonTapped() {
    if (m_saving)
        return;
    const DiscoverySettings edited = editedSettings();
    if (edited == settingsOf(m_user)) {
        dismiss(true);
        return;
    }
    save(edited);
}

void SettingsVC::setSaving(bool saving) {
    if (saving == m_saving)
        return;
    m_saving = saving;
    Q_EMIT barButtonsChanged();
}

void SettingsVC::save(const DiscoverySettings &edited) {
    setSaving(true);
    // The record is written where the answer arrives, even when this screen is gone by then;
    // the announcement and the closing run on the main thread.
    Endpoints::updateSettings(
        edited,
        [edited, services = services(),
         to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            if (!result.ok()) {
                to.post([reason = result.error().reason](SettingsVC &screen) {
                    screen.setSaving(false);
                    AlertErrorVC::show(&screen, reason);
                });
                return;
            }
            UserManager &store = services.user();
            store.update([&](User &user) { user.maxDistance = edited.maxDistance; });
            store.update([&](User &user) { user.showMore = edited.showMore; });
            store.update([&](User &user) { user.selectedGender = edited.selectedGender; });
            store.update([&](User &user) { user.ageStart = edited.ageStart; });
            store.update([&](User &user) { user.ageEnd = edited.ageEnd; });
            store.update([&](User &user) { user.showMoreAge = edited.showMoreAge; });
            store.update([&](User &user) { user.active = edited.active; });
            QMetaObject::invokeMethod(
                qApp, [services] { services.user().announceChange(); }, Qt::QueuedConnection);
            to.post([](SettingsVC &screen) { screen.dismiss(true); });
        },
        services().network());
}
