// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <optional>

// Used both for the user's own gender and for whom their profile is shown to.
enum class GenderSelection { man, woman, all };

// The JSON text of a case: "man", "woman" or "all".
[[nodiscard]] QString genderSelectionText(GenderSelection gender);
// The case for a JSON text; nothing for any other text (case-sensitive).
[[nodiscard]] std::optional<GenderSelection> genderSelectionFromText(const QString &text);
