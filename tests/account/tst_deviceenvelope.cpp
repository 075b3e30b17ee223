// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/DeviceEnvelope.h"

#include <QJsonDocument>
#include <QTest>

namespace {

const QString key = QString::fromLatin1(QByteArray(32, '\x5a').toBase64());

DeviceEnvelope envelope(const QString &appVersion) {
    return DeviceEnvelope(
        "_0123abcd", "6F1E2D3C-4B5A-4978-8796-A5B4C3D2E1F0", QByteArray("\x00\x01token\xff", 8),
        {"kitchen-pc", "ThinkPad X1", "Debian GNU/Linux 12 (bookworm)", "12", appVersion});
}

} // namespace

class TestDeviceEnvelope : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every sealing draws a nonce of its own, so one identity never seals to the same text.
    void opensToExactlyTheAgreedKeys() {
        const DeviceEnvelope same = envelope("1.0");
        const std::optional<QString> sealed = same.seal(key);
        QVERIFY(sealed.has_value());
        QVERIFY(same.seal(key) != sealed);
        const QByteArray plain = DeviceEnvelope::open(*sealed, key).value_or(QByteArray());
        QVERIFY(!plain.contains('\n'));
        const QJsonObject object = QJsonDocument::fromJson(plain).object();
        QCOMPARE(object.keys(), (QStringList{"device", "tok1", "tok2", "tok3"}));
        QCOMPARE(object.value("tok3").toString(), "AAF0b2tlbv8=");
        const QJsonObject device = object.value("device").toObject();
        QCOMPARE(device.keys(), (QStringList{"appVersion", "deviceModel", "deviceName",
                                             "systemName", "systemVersion"}));

        const QByteArray bare = DeviceEnvelope::open(envelope({}).seal(key).value(), key).value();
        QCOMPARE(QJsonDocument::fromJson(bare).object().value("device").toObject().size(), 4);
    }

    void tamperingOrAnotherKeyFailsToOpen() {
        const QByteArray box =
            QByteArray::fromBase64(envelope({}).seal(key).value_or(QString()).toLatin1());
        QVERIFY(box.size() > 28);
        // One byte of the nonce, of the ciphertext and of the tag.
        for (const qsizetype at : {qsizetype(3), qsizetype(20), box.size() - 1}) {
            QByteArray tampered = box;
            tampered[at] = char(tampered[at] ^ 0x01);
            QVERIFY(!DeviceEnvelope::open(QString::fromLatin1(tampered.toBase64()), key));
        }
        const QString otherKey = QString::fromLatin1(QByteArray(32, 'k').toBase64());
        QVERIFY(!DeviceEnvelope::open(QString::fromLatin1(box.toBase64()), otherKey));
    }

    void malformedKeyFailsToSeal() {
        const DeviceEnvelope any = envelope({});
        QVERIFY(!any.seal(QString::fromLatin1(QByteArray(16, 'k').toBase64())));
        QVERIFY(!any.seal(QString::fromLatin1(QByteArray(33, 'k').toBase64())));
        QVERIFY(!any.seal(QString(key).replace(0, 1, QLatin1Char('*'))));
        QVERIFY(!any.seal({}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceEnvelope)
#include "tst_deviceenvelope.moc"
