#pragma once

#include "api/GenderSelection.h"
#include "onboarding/KeyboardVC.h"

#include <functional>

// "Показывать меня": whom the user is shown to. In registration it starts at the opposite of
// the user's own gender and leads to the text about oneself; from the settings it starts at
// the current choice and hands the new one back.
class GenderSelectionVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the gender step and the settings")
    // "woman", "man" or "all".
    Q_PROPERTY(QString selection READ selection NOTIFY selectionChanged)

public:
    enum Mode { Registration, FromSettings };
    using Delegate = std::function<void(GenderSelection)>;

    GenderSelectionVC(QString name, QString birthday, GenderSelection genderInput, Mode mode,
                      Services services = {}, Delegate delegate = {}, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/GenderSelectionView.qml"); }
    QString nextTitle() const override;

    QString selection() const { return genderSelectionText(m_selectedGender); }
    GenderSelection selectedGender() const { return m_selectedGender; }

    Q_INVOKABLE void select(const QString &gender);

Q_SIGNALS:
    void selectionChanged();

protected:
    void next() override;

private:
    QString m_name;
    QString m_birthday;
    GenderSelection m_genderInput;
    Mode m_mode;
    Delegate m_delegate;
    GenderSelection m_selectedGender;
};
