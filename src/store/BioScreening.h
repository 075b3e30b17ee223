#pragma once

#include <QString>
#include <optional>

// The check a text about oneself passes before it is sent: no links and no pointers to other
// social networks, because people would be taken off the service to meet. Registration and the
// profile editor both run it; the user may still send the text after seeing the message.
class BioScreening {
public:
    /// The message to show for `bio`, or nothing when the text is clean.
    [[nodiscard]] static std::optional<QString> message(const QString &bio);
};
