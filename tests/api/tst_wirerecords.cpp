// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Fixtures.h"
#include "api/APIError.h"
#include "api/Decoder.h"
#include "api/EmptyResponse.h"
#include "api/ImagesUploadResponse.h"
#include "api/Match.h"
#include "api/SwipeResponse.h"
#include "api/TokenResponse.h"
#include "api/User.h"
#include "api/VersionCheckResponse.h"
#include "api/WireFormat.h"

#include <QJsonDocument>
#include <QTest>
#include <QTimeZone>
#include <cmath>

namespace {

template <class T> QString failureOf(const QJsonValue &value) {
    QString error = QStringLiteral("decoded");
    return Decoder<T>::decode(value, &error) ? QString() : error;
}

// The failure text of decoding as the named type, empty when it decodes.
QString decodeFailure(const QString &type, const QJsonValue &value) {
    static const QHash<QString, std::function<QString(const QJsonValue &)>> decoders{
        {QStringLiteral("User"), failureOf<User>},
        {QStringLiteral("Matches"), failureOf<QList<Match>>},
        {QStringLiteral("EmptyResponse"), failureOf<EmptyResponse>},
        {QStringLiteral("APIError"), failureOf<APIError>},
        {QStringLiteral("SwipeResponse"), failureOf<SwipeResponse>},
        {QStringLiteral("VersionCheckResponse"), failureOf<VersionCheckResponse>},
        {QStringLiteral("TokenResponse"), failureOf<TokenResponse>},
        {QStringLiteral("ImagesUploadResponse"), failureOf<ImagesUploadResponse>},
    };
    return decoders.value(type)(value);
}

// A copy of root with the value at path replaced; an undefined value removes the key.
QJsonValue patched(const QJsonValue &root, QStringList path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    bool isIndex = false;
    const int index = step.toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = root.toArray();
        array[index] = patched(array.at(index), path, value);
        return array;
    }
    QJsonObject object = root.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = patched(object.value(step), path, value);
    return object;
}

QJsonValue parse(const QByteArray &text) {
    return QJsonDocument::fromJson("[" + text + "]").array().first();
}

} // namespace

class TestWireRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void strictness_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QJsonValue>("json");
        QTest::addColumn<QString>("failure"); // empty: must decode

        const QJsonValue user = Fixtures::json(QStringLiteral("user.json"));
        const QJsonValue matches = Fixtures::json(QStringLiteral("matches.json"));
        const auto row = [](const char *name, const char *type, const QJsonValue &json,
                            const QString &failure) {
            QTest::newRow(name) << QString::fromLatin1(type) << json << failure;
        };
        const auto with = [](const QJsonValue &root, const char *path, const QByteArray &value) {
            return patched(root, QString::fromLatin1(path).split(u'/'),
                           value.isEmpty() ? QJsonValue(QJsonValue::Undefined) : parse(value));
        };

        row("whole-number double is an Int", "User", with(user, "superlikes", "3.0"), {});
        row("fractional Int", "User", with(user, "superlikes", "1.5"),
            R"(Key "superlikes": expected an integer, got 1.5)");
        row("unknown gender", "User", with(user, "genderInput", R"("other")"),
            R"(Key "genderInput": expected "man", "woman" or "all", got "other")");
        row("missing key", "User", with(user, "long", ""),
            R"(Key "long": required key is missing)");
        row("null for a required key", "User", with(user, "bio", "null"),
            R"(Key "bio": expected a string, got null)");
        row("Bool as text", "User", with(user, "active", R"("true")"),
            R"(Key "active": expected a Boolean, got "true")");
        row("array, not an object", "User", QJsonArray{user},
            "Top level: expected an object, got an array");

        row("fractional seconds deep in a match", "Matches",
            with(matches, "0/messages/0/createdAt", R"("2025-01-31T18:04:05.5+03:00")"),
            R"(Key "[0].messages[0].createdAt": expected a date without fractional seconds, got "2025-01-31T18:04:05.5+03:00")");
        row("date without seconds", "Matches",
            with(matches, "0/createdAt", R"("2025-01-31T18:04Z")"),
            R"(Key "[0].createdAt": expected a date without fractional seconds, got "2025-01-31T18:04Z")");
        row("impossible date", "Matches", with(matches, "0/createdAt", R"("2025-02-30T18:04:05Z")"),
            R"(Key "[0].createdAt": expected a date that exists, got "2025-02-30T18:04:05Z")");
        row("hour 24", "Matches", with(matches, "0/createdAt", R"("2025-01-31T24:00:00Z")"),
            R"(Key "[0].createdAt": expected a date without fractional seconds, got "2025-01-31T24:00:00Z")");
        row("past the last year in UTC", "Matches",
            with(matches, "0/createdAt", R"("9999-12-31T23:59:59-14:00")"),
            R"(Key "[0].createdAt": expected a date that exists, got "9999-12-31T23:59:59-14:00")");
        row("UUID in braces", "Matches",
            with(matches, "0/chatID", R"("{B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E}")"),
            R"(Key "[0].chatID": expected a canonical UUID, got "{B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E}")");
        row("photo address not a string", "Matches", with(matches, "0/profile/photoURLs/0", "7"),
            R"(Key "[0].profile.photoURLs[0]": expected a string, got 7)");

        row("error flag missing", "APIError", parse(R"({"reason":"x"})"),
            R"(Key "error": required key is missing)");
        row("an array is not empty", "EmptyResponse", parse("[]"),
            "Top level: expected an object, got an array");
        for (const char *type : {"Matches", "SwipeResponse", "VersionCheckResponse",
                                 "TokenResponse", "ImagesUploadResponse"}) {
            QTest::addRow("{} as %s", type)
                << QString::fromLatin1(type) << parse("{}") << QStringLiteral("fails");
        }
    }

    void strictness() {
        QFETCH(QString, type);
        QFETCH(QJsonValue, json);
        QFETCH(QString, failure);
        const QString actual = decodeFailure(type, json);
        if (failure == u"fails")
            QVERIFY(!actual.isEmpty());
        else
            QCOMPARE(actual, failure);
    }

    void userFixtureKeepsItsMeaning() {
        const auto user = User::fromJson(Fixtures::json(QStringLiteral("user.json")));
        QVERIFY(user);
        QCOMPARE(user->genderInput, GenderSelection::woman);
        QCOMPARE(user->longitude, 37.6173);
    }

    void matchesKeepTheirMeaningInBothForms() {
        const auto matches =
            Decoder<QList<Match>>::decode(Fixtures::json(QStringLiteral("matches.json")), nullptr);
        QVERIFY(matches);
        const Match &first = matches->first();
        QCOMPARE(first.messages.first().createdAt,
                 QDateTime(QDate(2025, 1, 31), QTime(18, 10), QTimeZone::utc()));
        QVERIFY(!matches->at(1).id && !matches->at(1).createdAt &&
                !matches->at(1).profile.photoURLs);

        const QJsonObject wire = first.toJson();
        QCOMPARE(wire.value("id"), QJsonValue("A3F1C9E2-4B5D-4C6E-9F70-81A2B3C4D5E6"));
        QCOMPARE(wire.value("createdAt"), QJsonValue("2025-01-31T18:04:05Z"));

        const QJsonObject local = first.toLocalJson();
        QCOMPARE(local.value("createdAt"), QJsonValue(760039445.0));
        QVERIFY(!Match::fromLocalJson(wire)); // the two forms are not interchangeable

        // A stored date beyond any calendar is refused, not turned into an overflow.
        QJsonObject far = local;
        for (const double seconds : {1e300, -1e300, std::nan("")}) {
            far.insert(QStringLiteral("createdAt"), seconds);
            QString error;
            QVERIFY(!Decoder<QList<Match>>::decode(QJsonArray{far}, &error, DateStyle::local));
            QVERIFY2(error.contains(u"seconds within the calendar"), qPrintable(error));
        }
        // Whatever is accepted from the wire can be written again and reads back the same.
        const QDateTime edge = *WireFormat::parseDate(QStringLiteral("9999-12-31T09:59:59-14:00"));
        QCOMPARE(WireFormat::parseDate(WireFormat::dateText(edge)), edge);
    }

    void failedIsNeverPartOfJson() {
        auto message = Message::fromJson(parse(
            R"({"senderID":"0e1f2a3b-4c5d-4e6f-8a7b-9c0d1e2f3a4b","content":"hi","failed":true})"));
        QVERIFY(message);
        QVERIFY(!message->failed);
        message->failed = true;
        QVERIFY(!message->toJson().contains("failed"));
        QVERIFY(!message->toLocalJson().contains("failed"));
    }
};

QTEST_GUILESS_MAIN(TestWireRecords)
#include "tst_wirerecords.moc"
