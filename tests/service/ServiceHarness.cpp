// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceHarness.h"

#include "EventHub.h"

#include "ApiServer.h"
#include "Database.h"
#include "EnvelopeOpener.h"
#include "ServiceContext.h"

#include <QDate>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

QJsonObject ServiceHarness::Answer::object() const {
    return QJsonDocument::fromJson(body).object();
}

QJsonArray ServiceHarness::Answer::array() const {
    return QJsonDocument::fromJson(body).array();
}

bool ServiceHarness::Answer::isError() const {
    const QJsonObject o = object();
    return o.size() == 2 && o.value(QStringLiteral("error")) == QJsonValue(true) &&
           !o.value(QStringLiteral("reason")).toString().isEmpty();
}

ServiceHarness::ServiceHarness(const QStringList &extraArguments) {
    QStandardPaths::setTestModeEnabled(true);
    ServiceOptions options;
    QString error;
    const QString dbPath = databasePath();
    const bool parsed =
        options.parse(QStringList{QStringLiteral("zirel-service"), QStringLiteral("--database"),
                                  dbPath, QStringLiteral("--port"), QStringLiteral("0"),
                                  QStringLiteral("--review-token"), kReviewToken} +
                          kManySignIns + extraArguments,
                      &error);
    if (!parsed)
        qFatal("bad harness options: %s", qPrintable(error));
    // A --database among the extra arguments (a PostgreSQL URL) replaces the temporary file.
    const qsizetype at = extraArguments.indexOf(QStringLiteral("--database"));
    m_db = std::make_unique<Database>(at >= 0 ? extraArguments.value(at + 1) : dbPath);
    if (!m_db->open(&error))
        qFatal("cannot open the test database: %s", qPrintable(error));
    m_server = std::make_unique<ApiServer>(options, *m_db);
    m_port = m_server->start(&error);
    if (m_port == 0)
        qFatal("cannot start the service: %s", qPrintable(error));
    m_envelopeKey = context().envelopeKey;
}

ServiceHarness::~ServiceHarness() = default;

void ServiceHarness::onBothDatabases() {
    QTest::addColumn<bool>("postgres");
    QTest::newRow("sqlite") << false;
    QTest::newRow("postgres") << true;
}

ServiceHarness::RowDatabase ServiceHarness::rowDatabase() {
    QFETCH(bool, postgres);
    RowDatabase database;
    if (postgres) {
        database.cluster = std::make_unique<PostgresCluster>();
        database.arguments = {QStringLiteral("--database"), database.cluster->url()};
        database.problem = database.cluster->error();
    }
    return database;
}

QString ServiceHarness::databasePath() const {
    return m_dir.filePath(QStringLiteral("service.sqlite"));
}

ServiceContext &ServiceHarness::context() {
    return m_server->context();
}

int ServiceHarness::eventChannels() const {
    return m_server->events().channelCount();
}

ServiceHarness::Answer ServiceHarness::call(const QByteArray &method, const QString &path,
                                            const QByteArray &body, const QString &token,
                                            const QHash<QByteArray, QByteArray> &headers) {
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port) + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    for (auto header = headers.cbegin(); header != headers.cend(); ++header)
        request.setRawHeader(header.key(), header.value());
    if (!token.isEmpty())
        request.setRawHeader("auth", "bear " + token.toUtf8());
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!finished.wait(15000))
        qWarning("no answer to %s %s", method.constData(), qPrintable(path));
    Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                  reply->readAll(),
                  reply->header(QNetworkRequest::ContentTypeHeader).toByteArray()};
    reply->deleteLater();
    return answer;
}

ServiceHarness::Answer ServiceHarness::json(const QByteArray &method, const QString &path,
                                            const QJsonObject &body, const QString &token) {
    return call(method, path, QJsonDocument(body).toJson(QJsonDocument::Compact), token);
}

QJsonArray ServiceHarness::get(const QString &path, const QString &token) {
    return call("GET", path, {}, token).array();
}

QJsonArray ServiceHarness::chats(const QString &token) {
    return get(QStringLiteral("chats?page=1&perPage=20"), token);
}

QString ServiceHarness::swipe(const QString &token, const QString &to, const QString &kind,
                              const QString &message, const QString &fromUserID) {
    QJsonObject body{{"toUserID", to}, {"swipeType", kind}, {"message", message}};
    if (!fromUserID.isEmpty())
        body.insert("fromUserID", fromUserID);
    return json("POST", QStringLiteral("swipes"), body, token).object().value("status").toString();
}

int ServiceHarness::putSettings(const QString &token, int maxDistance, const QString &gender,
                                int ageStart, int ageEnd, bool widen, bool active) {
    return json("PUT", QStringLiteral("user/settings"),
                {{"maxDistance", maxDistance},
                 {"showMore", widen},
                 {"selectedGender", gender},
                 {"ageStart", ageStart},
                 {"ageEnd", ageEnd},
                 {"showMoreAge", widen},
                 {"active", active}},
                token)
        .status;
}

QString ServiceHarness::envelope(const QString &userId, const QString &cloudId,
                                 const QByteArray &installation,
                                 const QString &previousCloudId) const {
    const QJsonObject device{{"deviceName", "Mac"},
                             {"deviceModel", "Mac15,3"},
                             {"systemName", "macOS"},
                             {"systemVersion", "15.1"},
                             {"appVersion", "1.0"}};
    QByteArray attestation(installation.isEmpty() ? 48 : installation.size() + 16,
                           Qt::Uninitialized);
    QRandomGenerator::global()->generate(attestation.begin(), attestation.end());
    attestation.replace(0, installation.size(), installation);
    QJsonObject plain{{"tok1", cloudId.isEmpty() ? "_cloud" + userId.toUpper() : cloudId},
                      {"tok2", userId},
                      {"tok3", QString::fromLatin1(attestation.toBase64())},
                      {"device", device}};
    if (!previousCloudId.isEmpty())
        plain.insert("tok1Previous", previousCloudId);
    return QString::fromLatin1(
        EnvelopeOpener::seal(m_envelopeKey, QJsonDocument(plain).toJson(QJsonDocument::Compact))
            .toBase64());
}

ServiceHarness::Answer ServiceHarness::validateDevice(const QString &envelope) {
    return json("POST", QStringLiteral("validateDevice"), {{"data", envelope}});
}

QString ServiceHarness::signIn(const QString &userId) {
    return validateDevice(envelope(userId)).object().value(QStringLiteral("token")).toString();
}

QString ServiceHarness::runBinary(const QStringList &arguments, int *exitCode) {
    QProcess process;
    process.start(QStringLiteral(ZIREL_SERVICE_BINARY), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::unique_ptr<QProcess> ServiceHarness::serveBinary(const QStringList &arguments, quint16 *port,
                                                      const QStringList &launcher) {
    auto process = std::make_unique<QProcess>();
    QByteArray key(32, Qt::Uninitialized);
    QRandomGenerator::global()->generate(key.begin(), key.end());
    QStringList all =
        kManySignIns + arguments + QStringList{QStringLiteral("--port"), QStringLiteral("0")};
    if (!arguments.contains(QStringLiteral("--envelope-key")))
        all << QStringLiteral("--envelope-key") << QString::fromLatin1(key.toBase64());
    if (launcher.isEmpty())
        process->start(QStringLiteral(ZIREL_SERVICE_BINARY), all);
    else
        process->start(launcher.first(),
                       launcher.mid(1) + QStringList{QStringLiteral(ZIREL_SERVICE_BINARY)} + all);
    static const QRegularExpression announced(QStringLiteral("listening on [^\\s]*:(\\d+)"));
    QByteArray output;
    while (process->waitForReadyRead(20000)) {
        output += process->readAllStandardOutput();
        const QRegularExpressionMatch match = announced.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            *port = match.captured(1).toUShort();
            return process;
        }
    }
    return nullptr;
}

QString ServiceHarness::birthdayForAge(int age) {
    return QDate::currentDate().addYears(-age).addDays(-10).toString(QStringLiteral("ddMMyyyy"));
}

QString ServiceHarness::newUserId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString ServiceHarness::signUp(const QString &userId, const QString &gender, const QString &wants,
                               int age, double lat, double lon) {
    const QString token = signIn(userId);
    const Answer registered = json("POST", QStringLiteral("completeRegistration"),
                                   {{"bio", "Привет"},
                                    {"name", "Имя"},
                                    {"birthday", birthdayForAge(age)},
                                    {"genderInput", gender},
                                    {"selectedGender", wants}},
                                   token);
    const Answer placed =
        json("PUT", QStringLiteral("user/geo"), {{"lat", lat}, {"long", lon}}, token);
    if (registered.status != 200 || placed.status != 200)
        qWarning("sign-up failed: %s %s", registered.body.constData(), placed.body.constData());
    return token;
}
