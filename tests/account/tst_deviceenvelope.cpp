#include "account/DeviceEnvelope.h"

#include "BuildConfigValues.h"

#include <QJsonDocument>
#include <QTest>

namespace {

const QString key = QString::fromLatin1(QByteArray(32, '\x5a').toBase64());

DeviceEnvelope envelope(const QString &appVersion) {
    return DeviceEnvelope(
        "_0123abcd", "6F1E2D3C-4B5A-4978-8796-A5B4C3D2E1F0", QByteArray("\x00\x01token\xff", 8),
        {"kitchen-pc", "ThinkPad X1", "Debian GNU/Linux 12 (bookworm)", "12", appVersion});
}

QJsonObject openedObject(const QString &sealed, const QString &withKey) {
    const std::optional<QByteArray> plain = DeviceEnvelope::open(sealed, withKey);
    return plain ? QJsonDocument::fromJson(*plain).object() : QJsonObject();
}

} // namespace

class TestDeviceEnvelope : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensToExactlyTheAgreedKeys() {
        const std::optional<QString> sealed = envelope("1.0").seal(key);
        QVERIFY(sealed.has_value());
        const QByteArray plain = DeviceEnvelope::open(*sealed, key).value_or(QByteArray());
        QVERIFY(!plain.contains('\n'));
        const QJsonObject object = QJsonDocument::fromJson(plain).object();
        QCOMPARE(object.keys(), (QStringList{"device", "tok1", "tok2", "tok3"}));
        QCOMPARE(object.value("tok3").toString(), "AAF0b2tlbv8=");
        const QJsonObject device = object.value("device").toObject();
        QCOMPARE(device.keys(), (QStringList{"appVersion", "deviceModel", "deviceName",
                                             "systemName", "systemVersion"}));

        const QJsonObject withoutVersion = openedObject(envelope({}).seal(key).value(), key);
        QCOMPARE(withoutVersion.value("device").toObject().size(), 4);
    }

    void builtInKeySealsAndEverySealingDiffers() {
        const DeviceEnvelope same = envelope("1.0");
        const QString first = same.seal().value_or(QString());
        const QString second = same.seal().value_or(QString());
        QVERIFY(first != second);
        const QString builtIn = QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY);
        QCOMPARE(openedObject(first, builtIn), openedObject(second, builtIn));
        QCOMPARE(openedObject(first, builtIn), same.plaintext());
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
