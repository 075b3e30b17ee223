// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DemoSeeder.h"

#include "PortraitPainter.h"
#include "ServiceContext.h"

#include <QDate>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QUuid>

#include <cmath>

namespace {

constexpr int kReviewerAdmirers = 6;

const QStringList kMen{
    QStringLiteral("Александр"), QStringLiteral("Дмитрий"), QStringLiteral("Максим"),
    QStringLiteral("Иван"),      QStringLiteral("Артём"),   QStringLiteral("Никита"),
    QStringLiteral("Михаил"),    QStringLiteral("Егор"),    QStringLiteral("Андрей"),
    QStringLiteral("Кирилл"),    QStringLiteral("Сергей"),  QStringLiteral("Павел")};
const QStringList kWomen{
    QStringLiteral("Анна"),   QStringLiteral("Мария"),     QStringLiteral("Елена"),
    QStringLiteral("Ольга"),  QStringLiteral("Дарья"),     QStringLiteral("Алиса"),
    QStringLiteral("Полина"), QStringLiteral("Виктория"),  QStringLiteral("Ксения"),
    QStringLiteral("Софья"),  QStringLiteral("Екатерина"), QStringLiteral("Наталья")};
const QStringList kBios{
    QStringLiteral("Люблю горы, кофе и долгие прогулки по городу."),
    QStringLiteral("Читаю, бегаю по утрам и ищу, с кем сходить на концерт."),
    QStringLiteral("Готовлю лучшую пасту в районе. Проверим?"),
    QStringLiteral("Путешествую при любой возможности, мечтаю увидеть Байкал зимой."),
    QStringLiteral("Кино, настолки и собаки. Именно в таком порядке."),
    QStringLiteral("Работаю много, отдыхаю активно: велосипед, сапборд, лыжи."),
    QStringLiteral("Ищу человека, с которым интересно молчать и говорить.")};
const QStringList kJobs{
    QStringLiteral("Дизайнер"), QStringLiteral("Инженер"),     QStringLiteral("Врач"),
    QStringLiteral("Учитель"),  QStringLiteral("Программист"), QStringLiteral("Маркетолог"),
    QStringLiteral("Фотограф"), QStringLiteral("Бариста"),     QStringLiteral("Юрист")};
const QStringList kEdu{QStringLiteral("МГУ"),
                       QStringLiteral("ВШЭ"),
                       QStringLiteral("МФТИ"),
                       QStringLiteral("СПбГУ"),
                       QStringLiteral("МГТУ им. Баумана"),
                       QStringLiteral("РУДН")};
const QStringList kCities{QStringLiteral("Москва"), QStringLiteral("Химки"),
                          QStringLiteral("Мытищи"), QStringLiteral("Красногорск"),
                          QStringLiteral("Балашиха")};

constexpr double kPi = 3.14159265358979323846;

template <typename List> const QString &pick(const List &list, QRandomGenerator &random) {
    return list.at(random.bounded(int(list.size())));
}

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace

DemoSeeder::DemoSeeder(ServiceContext &ctx)
    : m_ctx(ctx) {}

int DemoSeeder::demoPeopleCount() {
    return m_ctx.db.scalar(QStringLiteral("SELECT COUNT(*) FROM users WHERE is_demo = 1")).toInt();
}

void DemoSeeder::seed(int count, double lat, double lon, double radiusKm, DemoPhotos photoSet) {
    QRandomGenerator random(QRandomGenerator::global()->generate());
    const QDate today = QDate::currentDate();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    m_ctx.db.transaction();
    try {
        for (int i = 0; i < count; ++i) {
            const bool woman = random.bounded(2) == 0;
            const QString name = pick(woman ? kWomen : kMen, random);
            const QDate born =
                today.addYears(-(18 + random.bounded(43))).addDays(-random.bounded(364));
            const QString birthday = born.toString(QStringLiteral("ddMMyyyy"));
            // Uniform over the disc: the square root keeps the centre from crowding.
            const double distance = radiusKm * std::sqrt(random.generateDouble());
            const double bearing = random.generateDouble() * 2 * kPi;
            const double pLat = lat + distance * std::cos(bearing) / 111.32;
            const double pLon =
                lon + distance * std::sin(bearing) / (111.32 * std::cos(lat * kPi / 180));
            const int roll = random.bounded(10);
            const QString wants = roll < 7
                                      ? (woman ? QStringLiteral("man") : QStringLiteral("woman"))
                                      : QStringLiteral("all");
            const QString id = newId();
            m_ctx.db.exec(
                QStringLiteral(
                    "INSERT INTO users (id, name, gender, selected_gender, birthday, birth_ymd, "
                    "bio, job, edu, city, has_checkmark, lat, lon, has_geo, registered, active, "
                    "is_demo, age_start, age_end, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                    "?, ?, ?, ?, 1, 1, 1, 1, 18, 60, ?)"),
                {id, name, woman ? QStringLiteral("woman") : QStringLiteral("man"), wants, birthday,
                 UserStore::birthYmd(birthday), pick(kBios, random), pick(kJobs, random),
                 pick(kEdu, random), pick(kCities, random), random.bounded(4) == 0 ? 1 : 0, pLat,
                 pLon, now});
            if (photoSet == DemoPhotos::None)
                continue;
            const bool fullSize = photoSet == DemoPhotos::FullSize;
            QList<QByteArray> photos;
            const int photoCount = fullSize ? 6 : 1 + random.bounded(3);
            for (int n = 0; n < photoCount; ++n)
                photos.append(
                    PortraitPainter::paint(name, woman, random.generate(), fullSize ? 2 : 1));
            m_ctx.images.replace(id, photos);
        }
        m_ctx.db.commit();
    } catch (...) {
        m_ctx.db.rollback();
        throw;
    }
    // Without statistics and a visibility map for the rows just written, PostgreSQL plans the
    // feed search blind and visits the table for every index entry it reads, until autovacuum
    // comes round.
    if (m_ctx.db.isPostgres())
        m_ctx.db.execSchema(QStringLiteral("VACUUM ANALYZE users"));
}

void DemoSeeder::ensureReviewer() {
    const QString id = ServiceContext::reviewerId();
    if (!m_ctx.users.state(id).exists) {
        const QString birthday =
            QDate::currentDate().addYears(-29).toString(QStringLiteral("ddMMyyyy"));
        m_ctx.db.exec(
            QStringLiteral("INSERT INTO users (id, cloud_id, name, gender, selected_gender, "
                           "birthday, birth_ymd, bio, job, edu, city, lat, lon, has_geo, "
                           "registered, active, age_start, age_end, created_at) VALUES (?, "
                           "'', ?, 'man', 'all', ?, ?, ?, ?, ?, ?, 55.7558, 37.6173, 1, 1, "
                           "1, 18, 60, ?)"),
            {id, QStringLiteral("Алексей"), birthday, UserStore::birthYmd(birthday),
             QStringLiteral("Проверяю, как всё работает."), QStringLiteral("Тестировщик"),
             QStringLiteral("МГУ"), QStringLiteral("Москва"), QDateTime::currentSecsSinceEpoch()});
        m_ctx.images.replace(id,
                             {PortraitPainter::paint(QStringLiteral("Алексей Ревьюер"), false, 7),
                              PortraitPainter::paint(QStringLiteral("Алексей"), false, 11)});
    }
    m_ctx.db.exec(QStringLiteral("UPDATE users SET active = 1 WHERE id = ?"), {id});
    QSqlQuery centre = m_ctx.db.exec(
        QStringLiteral("SELECT AVG(lat), AVG(lon) FROM users WHERE is_demo = 1 AND has_geo = 1"));
    if (centre.next() && !centre.value(0).isNull())
        m_ctx.users.updateGeo(id, centre.value(0).toDouble(), centre.value(1).toDouble());
    likeReviewer(id);
}

void DemoSeeder::retireReviewer() {
    m_ctx.db.exec(QStringLiteral("UPDATE users SET active = 0 WHERE id = ?"),
                  {ServiceContext::reviewerId()});
}

void DemoSeeder::likeReviewer(const QString &reviewerId) {
    // The reviewers look at the likes tab too, so it should never be empty for long.
    const bool waiting =
        m_ctx.db
            .scalar(QStringLiteral("SELECT COUNT(*) FROM swipes l WHERE l.to_id = ? AND l.kind IN "
                                   "('right', 'superlike') AND NOT EXISTS (SELECT 1 FROM swipes "
                                   "s WHERE s.from_id = ? AND s.to_id = l.from_id)"),
                    {reviewerId, reviewerId})
            .toInt() > 0;
    if (waiting)
        return;
    QSqlQuery q = m_ctx.db.exec(
        QStringLiteral("SELECT id FROM users u WHERE is_demo = 1 AND active = 1 AND deleted = 0 "
                       "AND banned = 0 AND NOT EXISTS (SELECT 1 FROM swipes s WHERE (s.from_id = "
                       "u.id AND s.to_id = ?) OR (s.from_id = ? AND s.to_id = u.id)) AND NOT "
                       "EXISTS (SELECT 1 FROM blocks b WHERE (b.from_id = u.id AND b.to_id = ?) "
                       "OR (b.from_id = ? AND b.to_id = u.id)) ORDER BY random() LIMIT ?"),
        {reviewerId, reviewerId, reviewerId, reviewerId, kReviewerAdmirers});
    QStringList admirers;
    while (q.next())
        admirers.append(q.value(0).toString());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString &admirer : std::as_const(admirers))
        m_ctx.db.exec(QStringLiteral("INSERT INTO swipes (from_id, to_id, kind, message, "
                                     "created_at) VALUES (?, ?, 'right', '', ?)"),
                      {admirer, reviewerId, now});
}
