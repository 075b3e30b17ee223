#include "onboarding/GenderInputVC.h"

#include "onboarding/GenderSelectionVC.h"
#include "ui/NavigationContainer.h"

GenderInputVC::GenderInputVC(QString name, QString birthday, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("GenderInputVC"), services, parent)
    , m_name(std::move(name))
    , m_birthday(std::move(birthday)) {}

QString GenderInputVC::selection() const {
    return nextEnabled() ? genderSelectionText(m_selectedGender) : QString();
}

void GenderInputVC::choose(GenderSelection gender) {
    m_selectedGender = gender;
    setNextEnabled(true);
    Q_EMIT selectionChanged();
}

void GenderInputVC::next() {
    if (NavigationContainer *navigation = navigationContainer())
        navigation->push(new GenderSelectionVC(m_name, m_birthday, m_selectedGender,
                                               GenderSelectionVC::Registration, services()),
                         true);
}
