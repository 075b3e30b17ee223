#include "onboarding/GenderSelectionVC.h"

#include "onboarding/BioInputVC.h"
#include "ui/NavigationContainer.h"

namespace {
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

GenderSelectionVC::GenderSelectionVC(QString name, QString birthday, GenderSelection genderInput,
                                     Mode mode, Services services, Delegate delegate,
                                     QObject *parent)
    : KeyboardVC(QStringLiteral("GenderSelectionVC"), services, parent)
    , m_name(std::move(name))
    , m_birthday(std::move(birthday))
    , m_genderInput(genderInput)
    , m_mode(mode)
    , m_delegate(std::move(delegate))
    , m_selectedGender(mode == FromSettings ? genderInput : opposite(genderInput)) {
    setNextEnabled(true);
}

QString GenderSelectionVC::nextTitle() const {
    return m_mode == FromSettings ? tr("Сохранить") : tr("Далее");
}

void GenderSelectionVC::select(const QString &gender) {
    const std::optional<GenderSelection> chosen = genderSelectionFromText(gender);
    if (!chosen || *chosen == m_selectedGender)
        return;
    m_selectedGender = *chosen;
    Q_EMIT selectionChanged();
}

void GenderSelectionVC::next() {
    NavigationContainer *navigation = navigationContainer();
    if (m_mode == FromSettings) {
        if (m_delegate)
            m_delegate(m_selectedGender);
        if (navigation)
            navigation->pop(true);
        return;
    }
    if (navigation)
        navigation->push(
            new BioInputVC(m_name, m_birthday, m_genderInput, m_selectedGender, services()), true);
}
