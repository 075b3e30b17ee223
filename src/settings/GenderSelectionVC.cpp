// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "settings/GenderSelectionVC.h"

#include "ui/NavigationContainer.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array kShown = {GenderSelection::woman, GenderSelection::man, GenderSelection::all};

GenderSelection opposite(GenderSelection own) {
    switch (own) {
    case GenderSelection::man:
        return GenderSelection::woman;
    case GenderSelection::woman:
        return GenderSelection::man;
    case GenderSelection::all:
        break;
    }
    return GenderSelection::all;
}
} // namespace

GenderSelectionVC::GenderSelectionVC(GenderSelection genderInput, Mode mode, Delegate delegate,
                                     Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("GenderSelectionVC"), services, parent)
    , m_mode(mode)
    , m_delegate(std::move(delegate))
    , m_selectedGender(mode == FromSettings ? genderInput : opposite(genderInput)) {
    setNextEnabled(true);
}

QString GenderSelectionVC::nextTitle() const {
    return m_mode == FromSettings ? tr("Сохранить") : tr("Далее");
}

QStringList GenderSelectionVC::choices() const {
    QStringList titles;
    for (GenderSelection gender : kShown)
        titles << title(gender);
    return titles;
}

QString GenderSelectionVC::title(GenderSelection gender) {
    switch (gender) {
    case GenderSelection::man:
        return tr("Мужчинам");
    case GenderSelection::woman:
        return tr("Женщинам");
    case GenderSelection::all:
        break;
    }
    return tr("Всем");
}

int GenderSelectionVC::selectedIndex() const {
    return int(std::find(kShown.begin(), kShown.end(), m_selectedGender) - kShown.begin());
}

void GenderSelectionVC::choose(int index) {
    if (index >= 0 && index < int(kShown.size()))
        select(kShown.at(std::size_t(index)));
}

void GenderSelectionVC::select(GenderSelection gender) {
    if (gender == m_selectedGender)
        return;
    m_selectedGender = gender;
    Q_EMIT selectionChanged();
}

void GenderSelectionVC::next() {
    if (m_delegate)
        m_delegate(m_selectedGender);
    if (m_mode != FromSettings)
        return;
    if (NavigationContainer *navigation = navigationContainer())
        navigation->pop(true);
}
