#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>

#include <optional>

// AES-256-GCM through OpenSSL's libcrypto. Only signing in seals anything, and libcrypto costs
// every start a few milliseconds when linked, so the cipher lives in a module of its own,
// loaded the first time something is sealed or opened.
class SealedBox {
public:
    static constexpr int keyLength = 32;

    virtual ~SealedBox() = default;

    /// A fresh random nonce (12 bytes) ‖ the ciphertext ‖ the tag (16 bytes), under a key of
    /// keyLength bytes; nothing when the key has another length or the cipher fails.
    [[nodiscard]] virtual std::optional<QByteArray> seal(const QByteArray &key,
                                                         const QByteArray &message) = 0;
    /// The message of a box sealed under key; nothing when the key, the box or its tag is wrong.
    [[nodiscard]] virtual std::optional<QByteArray> open(const QByteArray &key,
                                                         const QByteArray &box) = 0;

    /// The module's cipher, loaded on the first call; nullptr when the module cannot be
    /// loaded, with the reason in error.
    static SealedBox *shared(QString *error = nullptr);
};

#define ZirelSealedBox_iid "app.zirel.SealedBox/1"
Q_DECLARE_INTERFACE(SealedBox, ZirelSealedBox_iid)
