// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Fixtures.h"
#include "StdoutCapture.h"
#include "store/UserManager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class UserManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void aRecordMissingAKeyIsIgnoredAndNotWrittenBack() {
        QJsonObject stored = Fixtures::json(QStringLiteral("user.json")).toObject();
        stored.remove(QStringLiteral("lat"));
        const QByteArray bytes = QJsonDocument(stored).toJson();
        auto settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("partial.ini")),
                                                    QSettings::IniFormat);
        settings->setValue(QStringLiteral("currentUser"), bytes);
        QSettings *raw = settings.get();
        UserManager manager(std::move(settings));
        QCOMPARE(manager.currentUser(), UserManager::initialUser());
        QCOMPARE(raw->value(QStringLiteral("currentUser")).toByteArray(), bytes);
    }

    // Saves are written on another thread: they land in order, and before the store goes.
    void lastSavedRecordSurvivesARestartUnchanged() {
        const QString path = m_dir.filePath(QStringLiteral("restart.ini"));
        User user = *User::fromJson(Fixtures::json(QStringLiteral("user.json")).toObject());
        {
            UserManager first(std::make_unique<QSettings>(path, QSettings::IniFormat));
            for (int distance = 1; distance <= 20; ++distance) {
                user.maxDistance = distance;
                first.save(user);
            }
            user.selectedGender = GenderSelection::woman;
            first.save(user);
        }
        UserManager second(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QCOMPARE(second.currentUser(), user);

        // A file that cannot be written (its folder is a file) is reported.
        QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        StdoutCapture capture;
        UserManager blocked(
            std::make_unique<QSettings>(blocker.fileName() + "/d.ini", QSettings::IniFormat));
        blocked.save(user);
        blocked.flush();
        QVERIFY(capture.text().contains(QStringLiteral("Settings not written to ") +
                                        blocker.fileName() + "/d.ini: cannot write the file"));
    }

    // Each start saves the record it loaded and then the one the service sends, most often the
    // same: an unchanged record leaves the file as it is, a changed one replaces it.
    void anUnchangedRecordLeavesTheFileAlone() {
        const QString path = m_dir.filePath(QStringLiteral("unchanged.ini"));
        const auto inode = [&path] {
            struct stat info {};
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
        };
        User user = *User::fromJson(Fixtures::json(QStringLiteral("user.json")).toObject());
        UserManager manager(std::make_unique<QSettings>(path, QSettings::IniFormat));
        manager.save(user);
        manager.flush();
        const ino_t written = inode();
        QVERIFY(written != 0);
        manager.save(user);
        manager.flush();
        QCOMPARE(inode(), written);

        user.maxDistance += 1;
        manager.save(user);
        manager.flush();
        QVERIFY(inode() != written);
        QCOMPARE(UserManager(std::make_unique<QSettings>(path, QSettings::IniFormat)).currentUser(),
                 user);
    }

    void fetchedUserReplacesSavesAnnouncesAndPrefetchesPhotos() {
        const QString path = m_dir.filePath(QStringLiteral("fetched.ini"));
        UserManager manager(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QList<QUrl> prefetched;
        manager.setPhotoPrefetch([&](const QUrl &url) { prefetched.append(url); });
        const QSignalSpy announced(&manager, &UserManager::userChanged);

        StdoutCapture capture;
        manager.fetchedUserUpdate(
            Result<User>::failure(APIError::client(QStringLiteral("Нет сети"))));
        QCOMPARE(announced.size(), 0);
        QCOMPARE(manager.currentUser(), UserManager::initialUser());
        QVERIFY(capture.text().contains(QStringLiteral("Нет сети\n")));

        const User fetched =
            *User::fromJson(Fixtures::json(QStringLiteral("user.json")).toObject());
        manager.fetchedUserUpdate(Result<User>::success(fetched));
        QVERIFY(!capture.text().contains(QStringLiteral("user: {"))); // birthday, position
        prefetched.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("zirel.wire.debug=true"));
        manager.fetchedUserUpdate(Result<User>::success(fetched));
        QLoggingCategory::setFilterRules({});
        QCOMPARE(manager.currentUser(), fetched);
        QCOMPARE(announced.size(), 2);
        QCOMPARE(prefetched, QList<QUrl>({QUrl(QStringLiteral("https://cdn.example/p/1.heic")),
                                          QUrl(QStringLiteral("https://cdn.example/p/2.heic"))}));
        QVERIFY(capture.text().contains(QStringLiteral("user: {")));
        manager.flush();
        UserManager reread(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QCOMPARE(reread.currentUser(), fetched);
    }
};

QTEST_MAIN(UserManagerTest)
#include "tst_usermanager.moc"
