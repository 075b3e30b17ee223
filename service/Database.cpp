// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Database.h"

#include "PostgresResult.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <sqlite3.h>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace {

std::atomic_int s_connectionCounter{0};

// Each entry moves the schema one version forward. The SQL sticks to the subset that SQLite
// and PostgreSQL share: TEXT ids, BIGINT epoch seconds, INTEGER flags.
const QStringList &migrations() {
    static const QStringList steps{
        R"(CREATE TABLE users (
            id TEXT PRIMARY KEY, cloud_id TEXT NOT NULL DEFAULT '', name TEXT NOT NULL DEFAULT '',
            gender TEXT NOT NULL DEFAULT '', selected_gender TEXT NOT NULL DEFAULT 'all',
            birthday TEXT NOT NULL DEFAULT '', birth_ymd INTEGER NOT NULL DEFAULT 0,
            bio TEXT NOT NULL DEFAULT '', job TEXT NOT NULL DEFAULT '',
            edu TEXT NOT NULL DEFAULT '', city TEXT NOT NULL DEFAULT '',
            has_checkmark INTEGER NOT NULL DEFAULT 0, superlikes INTEGER NOT NULL DEFAULT 3,
            max_distance INTEGER NOT NULL DEFAULT 100, show_more INTEGER NOT NULL DEFAULT 1,
            age_start INTEGER NOT NULL DEFAULT 18, age_end INTEGER NOT NULL DEFAULT 40,
            show_more_age INTEGER NOT NULL DEFAULT 1, active INTEGER NOT NULL DEFAULT 0,
            lat DOUBLE PRECISION NOT NULL DEFAULT 0, lon DOUBLE PRECISION NOT NULL DEFAULT 0,
            has_geo INTEGER NOT NULL DEFAULT 0, registered INTEGER NOT NULL DEFAULT 0,
            deleted INTEGER NOT NULL DEFAULT 0, banned INTEGER NOT NULL DEFAULT 0,
            is_demo INTEGER NOT NULL DEFAULT 0, device TEXT NOT NULL DEFAULT '',
            created_at BIGINT NOT NULL))",
        "CREATE INDEX users_geo ON users (lat, lon)",
        R"(CREATE TABLE photos (id TEXT PRIMARY KEY, user_id TEXT NOT NULL,
            position INTEGER NOT NULL, ext TEXT NOT NULL, created_at BIGINT NOT NULL))",
        "CREATE INDEX photos_user ON photos (user_id, position)",
        R"(CREATE TABLE swipes (from_id TEXT NOT NULL, to_id TEXT NOT NULL, kind TEXT NOT NULL,
            message TEXT NOT NULL DEFAULT '', created_at BIGINT NOT NULL,
            PRIMARY KEY (from_id, to_id)))",
        "CREATE INDEX swipes_to ON swipes (to_id, kind)",
        R"(CREATE TABLE matches (id TEXT PRIMARY KEY, chat_id TEXT NOT NULL UNIQUE,
            user_a TEXT NOT NULL, user_b TEXT NOT NULL, created_at BIGINT NOT NULL,
            last_activity BIGINT NOT NULL))",
        "CREATE INDEX matches_a ON matches (user_a, last_activity)",
        "CREATE INDEX matches_b ON matches (user_b, last_activity)",
        R"(CREATE TABLE messages (id TEXT PRIMARY KEY, chat_id TEXT NOT NULL,
            sender_id TEXT NOT NULL, content TEXT NOT NULL, created_at BIGINT NOT NULL,
            is_read INTEGER NOT NULL DEFAULT 0))",
        "CREATE INDEX messages_chat ON messages (chat_id, created_at, id)",
        R"(CREATE TABLE blocks (from_id TEXT NOT NULL, to_id TEXT NOT NULL,
            created_at BIGINT NOT NULL, PRIMARY KEY (from_id, to_id)))",
        R"(CREATE TABLE complaints (id TEXT PRIMARY KEY, from_id TEXT NOT NULL,
            to_id TEXT NOT NULL, message TEXT NOT NULL, created_at BIGINT NOT NULL))",
        R"(CREATE TABLE tokens (hash TEXT PRIMARY KEY, user_id TEXT NOT NULL,
            created_at BIGINT NOT NULL, expires_at BIGINT NOT NULL,
            revoked INTEGER NOT NULL DEFAULT 0))",
        "CREATE INDEX tokens_user ON tokens (user_id)",
        R"(CREATE TABLE push_tokens (user_id TEXT PRIMARY KEY, token TEXT NOT NULL,
            updated_at BIGINT NOT NULL))",
        // A new match stays unread for each side until that side opens the conversation.
        "ALTER TABLE matches ADD COLUMN opened_a INTEGER NOT NULL DEFAULT 0",
        "ALTER TABLE matches ADD COLUMN opened_b INTEGER NOT NULL DEFAULT 0",
        // The sender's own id for a message, so a send repeated after a lost answer finds the
        // first copy; the index holds that also for two sends arriving at once. Messages sent
        // without one keep the empty text and are never compared.
        "ALTER TABLE messages ADD COLUMN client_id TEXT NOT NULL DEFAULT ''",
        R"(CREATE UNIQUE INDEX messages_client ON messages (chat_id, sender_id, client_id)
            WHERE client_id <> '')",
        // Operator settings such as the envelope key, shared by every process on the database.
        "CREATE TABLE service_settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
        // Hashes of the attestation tokens already used: a captured envelope signs in once.
        "CREATE TABLE attestations (hash TEXT PRIMARY KEY, created_at BIGINT NOT NULL)",
        // The reviewer signs in with the review token only; no envelope may claim that account.
        "UPDATE users SET cloud_id = '' WHERE cloud_id = 'review'",
        // Pairs whose match was dissolved, the smaller id first: they never match again.
        R"(CREATE TABLE ended_pairs (user_low TEXT NOT NULL, user_high TEXT NOT NULL,
            created_at BIGINT NOT NULL, PRIMARY KEY (user_low, user_high)))",
        // The installation a token was issued to: a new sign-in there replaces the old token.
        "ALTER TABLE tokens ADD COLUMN device TEXT NOT NULL DEFAULT ''",
        // Messages are ordered per chat by a counter the chat hands out, not by their time:
        // times have whole seconds, and many messages can share one.
        "ALTER TABLE messages ADD COLUMN seq BIGINT NOT NULL DEFAULT 0",
        "ALTER TABLE matches ADD COLUMN last_seq BIGINT NOT NULL DEFAULT 0",
        R"(UPDATE messages SET seq = (SELECT COUNT(*) FROM messages m WHERE
            m.chat_id = messages.chat_id AND (m.created_at < messages.created_at OR
            (m.created_at = messages.created_at AND m.id <= messages.id))))",
        R"(UPDATE matches SET last_seq = (SELECT COALESCE(MAX(seq), 0) FROM messages
            WHERE messages.chat_id = matches.chat_id))",
        "CREATE UNIQUE INDEX messages_order ON messages (chat_id, seq)",
        // One match per pair, whichever side is user_a: the key is both ids, smaller first.
        "ALTER TABLE matches ADD COLUMN pair_key TEXT NOT NULL DEFAULT ''",
        R"(UPDATE matches SET pair_key = CASE WHEN user_a < user_b
            THEN user_a || ':' || user_b ELSE user_b || ':' || user_a END)",
        "CREATE UNIQUE INDEX matches_pair ON matches (pair_key)",
        // The answer a swipe got, given again when the same swipe is sent again.
        "ALTER TABLE swipes ADD COLUMN status TEXT NOT NULL DEFAULT ''",
        // Latitude bands of a tenth of a degree, then longitude: a feed search far from the
        // crowd, or at its latitude on the other side of the world, reads only its own box.
        // The expression must stay the one GeoBox::bandExpression() writes into queries.
        "CREATE INDEX users_band ON users ((CAST((lat + 90) * 10 AS INTEGER)), lon)",
        // What demo people are to do later, so any process serving the database does it.
        R"(CREATE TABLE demo_actions (id TEXT PRIMARY KEY, due_at BIGINT NOT NULL,
            kind TEXT NOT NULL, actor TEXT NOT NULL, target TEXT NOT NULL,
            content TEXT NOT NULL DEFAULT ''))",
        "CREATE INDEX demo_actions_due ON demo_actions (due_at)",
        // The band index carries every column the feed search filters on, so a search reads
        // the index alone and skips people outside its latitude range without a table read.
        "DROP INDEX users_band",
        R"(CREATE INDEX users_band ON users ((CAST((lat + 90) * 10 AS INTEGER)), lon, lat,
            registered, active, deleted, banned, has_geo, birth_ymd, gender, selected_gender,
            id))",
        // Unread messages are few in any chat, however long it is.
        "CREATE INDEX messages_unread ON messages (chat_id) WHERE is_read = 0",
        // PostgreSQL preferred this one to the band index and read the crowd's whole latitude
        // range for a viewer far east or west of it.
        "DROP INDEX users_geo",
        // People are kept at the middle of a grid cell of their own, never where their device
        // was: the offset of their grid (-1 until their next position) and when they last moved.
        "ALTER TABLE users ADD COLUMN geo_offset_lat DOUBLE PRECISION NOT NULL DEFAULT -1",
        "ALTER TABLE users ADD COLUMN geo_offset_lon DOUBLE PRECISION NOT NULL DEFAULT -1",
        "ALTER TABLE users ADD COLUMN geo_moved_at BIGINT NOT NULL DEFAULT 0",
        // Until then, positions kept before the grid are rounded to about a kilometre.
        R"(UPDATE users SET lat = ROUND(lat * 100) / 100, lon = ROUND(lon * 100) / 100
            WHERE is_demo = 0)",
    };
    return steps;
}

} // namespace

// A thread's own connection; it closes when the thread that opened it ends.
class Database::Link {
public:
    explicit Link(QString name)
        : m_name(std::move(name)) {}
    ~Link() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Link(const Link &) = delete;
    Link &operator=(const Link &) = delete;

    [[nodiscard]] const QString &name() const { return m_name; }
    int depth = 0;
    std::vector<std::function<void()>> afterCommit;
    // PostgreSQL statements this connection has prepared, by their text.
    QHash<QString, QByteArray> statements;

private:
    QString m_name;
};

namespace {

// Before the first connection anywhere in the process. Each thread opens connections of its
// own and never hands them on, so SQLite's locks around every connection are not needed; its
// memory statistics take one process-wide lock around every allocation, and nothing reads
// them. Between them they were most of the time lost when requests ran side by side.
void configureSqlite() {
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    });
}

} // namespace

Database::Database(const QString &location)
    : m_location(location)
    , m_connectionPrefix(QStringLiteral("zirel-%1").arg(s_connectionCounter.fetch_add(1)))
    , m_postgres(location.startsWith(QLatin1String("postgres://")) ||
                 location.startsWith(QLatin1String("postgresql://"))) {}

Database::~Database() {
    // Worker threads have ended by now and closed theirs; this closes the calling thread's.
    if (m_links.hasLocalData())
        m_links.setLocalData(nullptr);
}

Database::Link &Database::link() {
    if (m_links.hasLocalData())
        return *m_links.localData();
    auto link = std::make_unique<Link>(m_connectionPrefix + QStringLiteral("-") +
                                       QString::number(s_connectionCounter.fetch_add(1)));
    (void)openDedicated(link->name());
    m_links.setLocalData(link.release());
    if (!m_postgres) {
        // A writer waits for another instead of failing with "database is locked".
        execSchema(QStringLiteral("PRAGMA busy_timeout=10000"));
        execSchema(QStringLiteral("PRAGMA synchronous=NORMAL"));
        // Every thread has a page cache of its own, read with pread. Mapping the file instead
        // cost more than it saved: the file grows with every checkpoint, and each growth
        // remaps it in every connection, which then faults its pages in again.
        execSchema(QStringLiteral("PRAGMA cache_size=-65536"));
    }
    return *m_links.localData();
}

QSqlDatabase Database::openDedicated(const QString &name) {
    QSqlDatabase db;
    if (m_postgres) {
        const QUrl url(m_location);
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        // A server on this machine is also reached through its socket folder, the way
        // libpq writes it: postgres://user@/db?host=/run/postgresql&port=5432.
        const QUrlQuery options(url);
        const QString socketFolder = options.queryItemValue(QStringLiteral("host"));
        db.setHostName(socketFolder.isEmpty() ? url.host() : socketFolder);
        db.setPort(options.hasQueryItem(QStringLiteral("port"))
                       ? options.queryItemValue(QStringLiteral("port")).toInt()
                       : url.port(5432));
        db.setUserName(url.userName());
        db.setPassword(url.password());
        db.setDatabaseName(url.path().mid(1));
    } else {
        configureSqlite();
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_location);
    }
    if (!db.open()) {
        const std::string error = db.lastError().text().toStdString();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DbError(error);
    }
    return db;
}

QSqlDatabase Database::connection() {
    return QSqlDatabase::database(link().name(), false);
}

bool Database::open(QString *error) {
    if (!m_postgres)
        QDir().mkpath(QFileInfo(m_location).absolutePath());
    try {
        // Readers never wait for the writer, and it for them, in write-ahead logging.
        if (!m_postgres)
            execSchema(QStringLiteral("PRAGMA journal_mode=WAL"));
        migrate();
    } catch (const DbError &e) {
        *error = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

QString Database::filesDir() const {
    if (m_postgres)
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/files");
    return QFileInfo(m_location).absolutePath() + QLatin1Char('/') +
           QFileInfo(m_location).completeBaseName() + QStringLiteral("-files");
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &binds) {
    QVariantList values;
    values.reserve(binds.size());
    for (const QVariant &value : binds) {
        // Every text column is NOT NULL: a null QString stands for the empty text.
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        values.append(nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (m_postgres) {
        Link &current = link();
        const QSqlDatabase db = connection();
        PGconn *pg = *static_cast<PGconn *const *>(db.driver()->handle().constData());
        QByteArray &name = current.statements[sql];
        if (name.isEmpty()) {
            const QByteArray fresh = "s" + QByteArray::number(current.statements.size());
            if (const QString error = PostgresResult::prepare(pg, fresh, sql); !error.isEmpty()) {
                current.statements.remove(sql);
                throw DbError(("prepare: " + error + " in " + sql).toStdString());
            }
            name = fresh;
        }
        auto result = std::make_unique<PostgresResult>(db.driver(), pg);
        if (const QString error = result->run(name, sql, values); !error.isEmpty())
            throw DbError(("exec: " + error + " in " + sql).toStdString());
        return QSqlQuery(result.release());
    }
    std::unique_lock<std::mutex> writer;
    if (link().depth == 0 && !sql.startsWith(QLatin1String("SELECT")))
        writer = std::unique_lock(m_sqliteWriter);
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(("prepare: " + query.lastError().text() + " in " + sql).toStdString());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError(("exec: " + query.lastError().text() + " in " + sql).toStdString());
    return query;
}

void Database::execSchema(const QString &sql) {
    QSqlQuery query(connection());
    if (!query.exec(sql))
        throw DbError(("schema: " + query.lastError().text() + " in " + sql).toStdString());
}

QVariant Database::scalar(const QString &sql, const QVariantList &binds) {
    QSqlQuery query = exec(sql, binds);
    return query.next() ? query.value(0) : QVariant();
}

void Database::transaction() {
    Link &current = link();
    if (current.depth++ > 0)
        return;
    if (m_postgres) {
        if (!connection().transaction()) {
            --current.depth;
            throw DbError("cannot start a transaction");
        }
        return;
    }
    // SQLite's busy handler polls with sleeps of up to 100 ms, so writers of this process
    // wait for each other here instead, woken at once. The write lock is taken at the start:
    // a transaction that read first and then wanted to write while another process wrote
    // would fail at once, without waiting for the busy timeout.
    m_sqliteWriter.lock();
    if (!QSqlQuery(connection()).exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        m_sqliteWriter.unlock();
        --current.depth;
        throw DbError("cannot start a transaction");
    }
}

void Database::commit() {
    Link &current = link();
    if (--current.depth > 0)
        return;
    const bool committed = connection().commit();
    if (!m_postgres) {
        if (!committed)
            connection().rollback();
        m_sqliteWriter.unlock();
    }
    const auto due = std::exchange(current.afterCommit, {});
    if (!committed)
        throw DbError("cannot commit");
    for (const auto &work : due)
        work();
}

void Database::rollback() {
    Link &current = link();
    if (--current.depth > 0)
        return;
    current.afterCommit.clear();
    connection().rollback();
    if (!m_postgres)
        m_sqliteWriter.unlock();
}

void Database::afterCommit(std::function<void()> work) {
    Link &current = link();
    if (current.depth == 0)
        work();
    else
        current.afterCommit.push_back(std::move(work));
}

int Database::schemaVersion() {
    execSchema(
        QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"));
    const QVariant version = scalar(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    return version.isNull() ? 0 : version.toInt();
}

void Database::migrate() {
    const QStringList &steps = migrations();
    int version = schemaVersion();
    while (version < steps.size()) {
        transaction();
        try {
            execSchema(steps.at(version));
            ++version;
            exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"), {version});
            commit();
        } catch (...) {
            rollback();
            throw;
        }
    }
}
