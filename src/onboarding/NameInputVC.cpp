// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/NameInputVC.h"

#include "onboarding/BirthdayInputVC.h"
#include "onboarding/RegistrationDraft.h"
#include "ui/NavigationContainer.h"

#include <algorithm>

namespace {
bool isNameCharacter(QChar c) {
    // The typographic apostrophe too: desktop keyboard layouts and input methods produce either.
    return c.isLetter() || c == u'-' || c == u' ' || c == u'\'' || c == u'\u2019';
}
} // namespace

NameInputVC::NameInputVC(Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("NameInputVC"), services, parent) {}

bool NameInputVC::proposeText(const QString &newText) {
    if (!std::all_of(newText.begin(), newText.end(), isNameCharacter) ||
        newText.contains(QStringLiteral("  ")))
        return false;
    const QString cut = newText.left(kMaxLength);
    if (cut != m_text) {
        m_text = cut;
        Q_EMIT textChanged();
    }
    setNextEnabled(m_text.size() >= 2);
    return true;
}

void NameInputVC::next() {
    RegistrationDraft(services().secureStore()).update([this](auto &kept) { kept.name = m_text; });
    if (NavigationContainer *navigation = navigationContainer())
        navigation->push(new BirthdayInputVC(m_text, services()), true);
}
