#include "settings/GenderSelectionVC.h"

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

void GenderSelectionVC::select(const QString &gender) {
    const std::optional<GenderSelection> chosen = genderSelectionFromText(gender);
    if (!chosen || *chosen == m_selectedGender)
        return;
    m_selectedGender = *chosen;
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
