<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutCell</name>
    <message>
        <source>Обо мне</source>
        <translation>About me</translation>
    </message>
</context>
<context>
    <name>AccountAlertVC</name>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AlertBlockVC</name>
    <message>
        <source>Обновить</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>AlertErrorVC</name>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ой!</source>
        <translation>Oops!</translation>
    </message>
    <message>
        <source>Все равно продолжить</source>
        <translation>Continue anyway</translation>
    </message>
</context>
<context>
    <name>AlertTextView</name>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AppServices</name>
    <message>
        <source>Включи уведомления</source>
        <translation>Turn on notifications</translation>
    </message>
    <message>
        <source>Ты ведь не хочешь пропустить пару или сообщения?</source>
        <translation>You don&apos;t want to miss a match or a message, do you?</translation>
    </message>
    <message>
        <source>Геопозиция</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Разрешить Zirel использовать твоё местоположение, чтобы показывать людей рядом?</source>
        <translation>Allow Zirel to use your location to show you people nearby?</translation>
    </message>
    <message>
        <source>Камера</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Разрешить Zirel снимать фото для твоего профиля?</source>
        <translation>Allow Zirel to take photos for your profile?</translation>
    </message>
</context>
<context>
    <name>BioInputVC</name>
    <message>
        <source>Изменить текст</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>BioInputView</name>
    <message>
        <source>Расскажи о себе</source>
        <translation>Tell us about yourself</translation>
    </message>
</context>
<context>
    <name>BioScreening</name>
    <message>
        <source>Обнаружены ссылки или упоминания соцсетей, что недопустимо.</source>
        <translation>Links and social media mentions are not allowed.</translation>
    </message>
    <message>
        <source>Обнаружно упоминания соцсетей, что недопустимо.</source>
        <translation>Social media mentions are not allowed.</translation>
    </message>
</context>
<context>
    <name>BirthdayInputView</name>
    <message>
        <source>Д</source>
        <translation>D</translation>
    </message>
    <message>
        <source>М</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Г</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Когда твой день рождения?</source>
        <translation>When&apos;s your birthday?</translation>
    </message>
    <message>
        <source>Цифра %1 из 8</source>
        <translation>Digit %1 of 8</translation>
    </message>
    <message>
        <source>В профиле отображается твой возраст, а не день рождения.</source>
        <translation>Your profile shows your age, not your birthday.</translation>
    </message>
</context>
<context>
    <name>ButtonStackView</name>
    <message>
        <source>Вернуть</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Написать</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Лайк</source>
        <translation>Like</translation>
    </message>
</context>
<context>
    <name>CameraAccessDeniedView</name>
    <message>
        <source>Предоставить доступ</source>
        <translation>Grant access</translation>
    </message>
    <message>
        <source>Чтобы загружать фото с камеры, зайди в настройки и предоставь доступ к камере</source>
        <translation>To add photos from the camera, open the settings and give access to the camera</translation>
    </message>
    <message>
        <source>Перейти в настройки</source>
        <translation>Open settings</translation>
    </message>
</context>
<context>
    <name>CameraCaptureVC</name>
    <message>
        <source>Камера</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Камера недоступна</source>
        <translation>Camera unavailable</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CameraCaptureView</name>
    <message>
        <source>Снять</source>
        <translation>Take photo</translation>
    </message>
</context>
<context>
    <name>CameraOrGalleryVC</name>
    <message>
        <source>Камера недоступна</source>
        <translation>Camera unavailable</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CameraOrGalleryView</name>
    <message>
        <source>Выбери фото</source>
        <translation>Choose a photo</translation>
    </message>
    <message>
        <source>Камера</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Галерея</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>Перетащи сюда</source>
        <translation>Drop it here</translation>
    </message>
    <message>
        <source>Изображения</source>
        <translation>Images</translation>
    </message>
</context>
<context>
    <name>CardContent</name>
    <message>
        <source>Профиль подтверждён</source>
        <translation>Verified profile</translation>
    </message>
    <message>
        <source>Открыть профиль</source>
        <translation>Open profile</translation>
    </message>
</context>
<context>
    <name>CardOverlay</name>
    <message>
        <source>НЕ ХОЧУ</source>
        <translation>NOPE</translation>
    </message>
    <message>
        <source>ЛАЙК</source>
        <translation>LIKE</translation>
    </message>
    <message>
        <source>СУПЕРЛАЙК</source>
        <translation>SUPER LIKE</translation>
    </message>
    <message>
        <source>ОТВЕРГНУТЬ</source>
        <translation>NOPE</translation>
    </message>
    <message>
        <source>МЭТЧ</source>
        <translation>MATCH</translation>
    </message>
</context>
<context>
    <name>ChatDetailsVC</name>
    <message>
        <source>Удалить мэтч?</source>
        <translation>Remove match?</translation>
    </message>
    <message>
        <source>Ты действительно хочешь удалить мэтч?</source>
        <translation>Do you really want to remove this match?</translation>
    </message>
    <message>
        <source>Да, удалить</source>
        <translation>Yes, remove</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ChatDetailsView</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Удалить мэтч</source>
        <translation>Remove match</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Отправить</source>
        <translation>Send</translation>
    </message>
</context>
<context>
    <name>ChatsVC</name>
    <message>
        <source>Новая пара</source>
        <translation>New match</translation>
    </message>
    <message>
        <source>Вы образовали пару с </source>
        <translation>You&apos;ve matched with </translation>
    </message>
    <message>
        <source>Здесь появятся твои пары — ты сможешь общаться с ними</source>
        <translation>Your matches will appear here, and you&apos;ll be able to chat with them</translation>
    </message>
    <message>
        <source>Выбери пару слева, чтобы открыть переписку</source>
        <translation>Choose a match on the left to open the conversation</translation>
    </message>
</context>
<context>
    <name>ChatsView</name>
    <message>
        <source>Пары</source>
        <translation>Matches</translation>
    </message>
</context>
<context>
    <name>CircularImageProgressView</name>
    <message>
        <source>% ЗАПОЛНЕНО</source>
        <translation>% COMPLETE</translation>
    </message>
</context>
<context>
    <name>DeleteAccountVC</name>
    <message>
        <source>Пусть она длится столько, сколько потребуется. Ты можешь заморозить аккаунт и вернуться, когда снова захочешь знакомиться.

Функция заморозки скрывает твой профиль от других пользователей, но не удаляет его. Тебе не нужно будет заново регистрироваться и заполнять информацию, если захочешь вернуться!

После удаления аккаунта все твои сообщения, свайпы и мэтчи будут удалены, а твой аккаунт деактивирован. Но ты сможешь восстановить его до истечения 90 дней с момента инициализации удаления. После истечения данного срока будут удалены все твои данные.</source>
        <translation>Take as long as you need. You can freeze your account and come back whenever you want to meet people again.

Freezing hides your profile from other people but doesn&apos;t delete it. You won&apos;t have to sign up and fill everything in again when you come back!

Deleting your account deletes all your messages, swipes and matches and deactivates your account. You can still restore it within 90 days of starting the deletion. After that, all your data is deleted.</translation>
    </message>
    <message>
        <source>Ты действитетельно хочешь удалить аккаунт?</source>
        <translation>Do you really want to delete your account?</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Хочешь взять паузу?</source>
        <translation>Want to take a break?</translation>
    </message>
    <message>
        <source>Заморозить Аккаунт</source>
        <translation>Freeze Account</translation>
    </message>
    <message>
        <source>Удалить Аккаунт</source>
        <translation>Delete Account</translation>
    </message>
</context>
<context>
    <name>DesktopLocationService</name>
    <message>
        <source>не удалось открыть </source>
        <translation>could not open </translation>
    </message>
    <message>
        <source>нет источника местоположения</source>
        <translation>no location source</translation>
    </message>
    <message>
        <source>время ожидания истекло</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>ошибка источника местоположения %1</source>
        <translation>location source error %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotificationPermission</name>
    <message>
        <source>некому задать вопрос: окна нет</source>
        <translation>nobody to ask: there is no window</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>EditPreviewVC</name>
    <message>
        <source>Изменить текст</source>
        <translation>Edit text</translation>
    </message>
</context>
<context>
    <name>EditPreviewView</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Предпросмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>EditVC</name>
    <message>
        <source>МЕДИАФАЙЛЫ</source>
        <translation>MEDIA</translation>
    </message>
    <message>
        <source>ОБО МНЕ</source>
        <translation>ABOUT ME</translation>
    </message>
    <message>
        <source>ДОЛЖНОСТЬ</source>
        <translation>JOB TITLE</translation>
    </message>
    <message>
        <source>Добавить должность</source>
        <translation>Add job title</translation>
    </message>
    <message>
        <source>ОБРАЗОВАНИЕ</source>
        <translation>EDUCATION</translation>
    </message>
    <message>
        <source>Добавить образование</source>
        <translation>Add education</translation>
    </message>
    <message>
        <source>ЖИВУ В</source>
        <translation>LIVING IN</translation>
    </message>
    <message>
        <source>Добавить город</source>
        <translation>Add city</translation>
    </message>
</context>
<context>
    <name>GenderInputView</name>
    <message>
        <source>Выбери пол</source>
        <translation>Choose your gender</translation>
    </message>
    <message>
        <source>Женщина</source>
        <translation>Woman</translation>
    </message>
    <message>
        <source>Мужчина</source>
        <translation>Man</translation>
    </message>
</context>
<context>
    <name>GenderSelectionVC</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Мужчинам</source>
        <translation>Men</translation>
    </message>
    <message>
        <source>Женщинам</source>
        <translation>Women</translation>
    </message>
    <message>
        <source>Всем</source>
        <translation>Everyone</translation>
    </message>
</context>
<context>
    <name>GenderSelectionView</name>
    <message>
        <source>Показывать меня</source>
        <translation>Show me to</translation>
    </message>
</context>
<context>
    <name>GeoVC</name>
    <message>
        <source>Разрешить</source>
        <translation>Allow</translation>
    </message>
    <message>
        <source>Перейти в настройки</source>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>Где ты?</source>
        <translation>Where are you?</translation>
    </message>
    <message>
        <source>Не удалось получить местоположение</source>
        <translation>Could not get your location</translation>
    </message>
    <message>
        <source>Дай доступ к местоположению, чтобы видеть людей в выбранном радиусе. Никто не увидит твое точное местоположение</source>
        <translation>Share your location to see people within the distance you choose. Nobody will see your exact location</translation>
    </message>
    <message>
        <source>Чтобы использовать приложение, необходимо поделиться своим местоположением</source>
        <translation>To use the app, you need to share your location</translation>
    </message>
</context>
<context>
    <name>ImageCropperVC</name>
    <message>
        <source>Сдвинуть и изменить масштаб</source>
        <translation>Move and scale</translation>
    </message>
    <message>
        <source>Не удалось обработать изображение</source>
        <translation>Could not process the image</translation>
    </message>
    <message>
        <source>Изменить фото</source>
        <translation>Change photo</translation>
    </message>
    <message>
        <source>Неприемлемый контент</source>
        <translation>Inappropriate content</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ImageCropperView</name>
    <message>
        <source>Сдвинуть и изменить масштаб</source>
        <translation>Move and scale</translation>
    </message>
    <message>
        <source>Добавить в профиль</source>
        <translation>Add to profile</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Везде</source>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>Находки и профили</source>
        <translation>Discover and profiles</translation>
    </message>
    <message>
        <source>Лайки</source>
        <translation>Likes</translation>
    </message>
    <message>
        <source>Чат</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Редактор профиля</source>
        <translation>Profile editor</translation>
    </message>
    <message>
        <source>Находки</source>
        <translation>Discover</translation>
    </message>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>К следующему или предыдущему элементу</source>
        <translation>Next or previous control</translation>
    </message>
    <message>
        <source>Главная кнопка экрана или выбранный элемент</source>
        <translation>The screen&apos;s main button or the chosen item</translation>
    </message>
    <message>
        <source>Закрыть окно или вернуться назад</source>
        <translation>Close a window or go back</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Сочетания клавиш</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>Выйти из Zirel</source>
        <translation>Quit Zirel</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Лайк</source>
        <translation>Like</translation>
    </message>
    <message>
        <source>Вернуть последний пропуск</source>
        <translation>Take back the last pass</translation>
    </message>
    <message>
        <source>Выбрать карточку</source>
        <translation>Choose a card</translation>
    </message>
    <message>
        <source>Пропустить или ответить лайком</source>
        <translation>Pass or like back</translation>
    </message>
    <message>
        <source>Открыть профиль</source>
        <translation>Open profile</translation>
    </message>
    <message>
        <source>Выбрать пару</source>
        <translation>Choose a match</translation>
    </message>
    <message>
        <source>Открыть переписку</source>
        <translation>Open the conversation</translation>
    </message>
    <message>
        <source>Вернуться к списку пар, затем закрыть переписку</source>
        <translation>Back to the matches, then close the conversation</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отменить правки</source>
        <translation>Discard the edits</translation>
    </message>
</context>
<context>
    <name>KeyboardVC</name>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>LikesCell</name>
    <message>
        <source>Профиль подтверждён</source>
        <translation>Verified profile</translation>
    </message>
</context>
<context>
    <name>LikesVC</name>
    <message numerus="yes">
        <source>%n лайков</source>
        <translation>
            <numerusform>%Ln like</numerusform>
            <numerusform>%Ln likes</numerusform>
        </translation>
    </message>
    <message>
        <source>Здесь появятся те, кто тебя лайкнул</source>
        <translation>People who liked you will appear here</translation>
    </message>
</context>
<context>
    <name>LikesView</name>
    <message>
        <source>Лайки</source>
        <translation>Likes</translation>
    </message>
</context>
<context>
    <name>LinuxCloudAccount</name>
    <message>
        <source>не удалось прочитать идентификатор компьютера (%1)</source>
        <translation>could not read the machine ID (%1)</translation>
    </message>
</context>
<context>
    <name>LinuxDeviceAttestation</name>
    <message>
        <source>не удалось сохранить идентификатор установки в %1: %2</source>
        <translation>could not save the installation ID to %1: %2</translation>
    </message>
</context>
<context>
    <name>MainInfoCell</name>
    <message>
        <source>Основная информация</source>
        <translation>Basics</translation>
    </message>
</context>
<context>
    <name>MainVC</name>
    <message>
        <source>Не удаётся никого найти в настоящий момент. Попробуй изменить настройки поиска пар</source>
        <translation>We can&apos;t find anyone right now. Try changing your discovery settings</translation>
    </message>
    <message>
        <source>Геопозиция отключена</source>
        <translation>Location is off</translation>
    </message>
    <message>
        <source>Чтобы использовать приложение, необходимо поделиться своим местоположением</source>
        <translation>To use the app, you need to share your location</translation>
    </message>
    <message>
        <source>Открыть настройки</source>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>Твоя информация скрыта</source>
        <translation>Your profile is hidden</translation>
    </message>
    <message>
        <source>Активируй находки, чтобы искать новых людей. Люди, которые уже получили от тебя лайк, по-прежнему смогут видеть твой профиль и образовывать с тобой пары</source>
        <translation>Turn on Discover to find new people. People you have already liked can still see your profile and match with you</translation>
    </message>
    <message>
        <source>Активировать находки</source>
        <translation>Turn on Discover</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Настройки поиска</source>
        <translation>Discovery settings</translation>
    </message>
    <message>
        <source>Твоё фото</source>
        <translation>Your photo</translation>
    </message>
</context>
<context>
    <name>MatchListModel</name>
    <message>
        <source>ВЫ ОБРАЗОВАЛИ ПАРУ</source>
        <translation>YOU&apos;VE MATCHED</translation>
    </message>
</context>
<context>
    <name>MessageCell</name>
    <message>
        <source>Не отправлено</source>
        <translation>Not sent</translation>
    </message>
    <message>
        <source>Отправить снова</source>
        <translation>Send again</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>NameInputView</name>
    <message>
        <source>Как тебя зовут?</source>
        <translation>What&apos;s your name?</translation>
    </message>
    <message>
        <source>Введи имя</source>
        <translation>Enter your name</translation>
    </message>
    <message>
        <source>Вот так имя будет выглядеть в&#xa0;профиле.</source>
        <translation>This is how your name will look in your&#xa0;profile.</translation>
    </message>
    <message>
        <source>Его нельзя изменить.</source>
        <translation>It can&apos;t be changed.</translation>
    </message>
</context>
<context>
    <name>NavigationView</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>NetworkService</name>
    <message>
        <source>Нет подключения к интернету</source>
        <translation>No internet connection</translation>
    </message>
    <message>
        <source>Сервер недоступен. Попробуй ещё раз позже</source>
        <translation>The server is unavailable. Try again later</translation>
    </message>
    <message>
        <source>Сервер не отвечает. Попробуй ещё раз</source>
        <translation>The server isn&apos;t responding. Try again</translation>
    </message>
    <message>
        <source>Соединение с сервером прервалось. Попробуй ещё раз</source>
        <translation>The connection to the server was lost. Try again</translation>
    </message>
    <message>
        <source>Не удалось установить защищённое соединение с сервером</source>
        <translation>Could not set up a secure connection to the server</translation>
    </message>
    <message>
        <source>Прокси-сервер не пропустил соединение</source>
        <translation>The proxy server refused the connection</translation>
    </message>
    <message>
        <source>Сервер перенаправил запрос на чужой адрес</source>
        <translation>The server redirected the request to a foreign address</translation>
    </message>
    <message>
        <source>Не удалось связаться с сервером</source>
        <translation>Could not reach the server</translation>
    </message>
    <message>
        <source>Ответ сервера слишком большой</source>
        <translation>The server&apos;s response is too large</translation>
    </message>
    <message>
        <source>Сервер вернул пустой ответ</source>
        <translation>The server returned an empty response</translation>
    </message>
    <message>
        <source>Ты удалил свой аккаунт</source>
        <translation>You deleted your account</translation>
    </message>
    <message>
        <source>Твой аккаунт заблокирован</source>
        <translation>Your account is blocked</translation>
    </message>
    <message>
        <source>Декодирование не удалось: </source>
        <translation>Decoding failed: </translation>
    </message>
    <message>
        <source>Ошибка сервера</source>
        <translation>Server error</translation>
    </message>
    <message>
        <source>Данные не удалось прочитать, так как они имеют неверный формат.</source>
        <translation>The data couldn’t be read because it isn’t in the correct format.</translation>
    </message>
</context>
<context>
    <name>NoteMessageVC</name>
    <message>
        <source>Суперлайки закончились</source>
        <translation>No super-likes left</translation>
    </message>
    <message>
        <source>Можно отправить обычный лайк с этой запиской: она откроет переписку, если симпатия окажется взаимной.</source>
        <translation>You can send a plain like with this note: it opens the conversation if the liking is mutual.</translation>
    </message>
    <message>
        <source>Отправить лайк</source>
        <translation>Send a like</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>NoteMessageView</name>
    <message>
        <source>Фото профиля</source>
        <translation>Profile photo</translation>
    </message>
    <message>
        <source>Отправь сообщение данному пользователю и увеличь свои шансы на мэтч!</source>
        <translation>Send this person a message and boost your chances of a match!</translation>
    </message>
    <message>
        <source>Напиши текст сообщения</source>
        <translation>Write your message</translation>
    </message>
    <message>
        <source>Текст сообщения</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>Отправить</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>NotesView</name>
    <message>
        <source>записок</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>ПОЯВИТСЯ ПОЗЖЕ</source>
        <translation>COMING LATER</translation>
    </message>
</context>
<context>
    <name>NotificationVC</name>
    <message>
        <source>Разрешить</source>
        <translation>Allow</translation>
    </message>
    <message>
        <source>Включи уведомления</source>
        <translation>Turn on notifications</translation>
    </message>
    <message>
        <source>Ты ведь не хочешь пропустить пару или сообщения?</source>
        <translation>You don&apos;t want to miss a match or a message, do you?</translation>
    </message>
</context>
<context>
    <name>PermissionAlert</name>
    <message>
        <source>Разрешить</source>
        <translation>Allow</translation>
    </message>
    <message>
        <source>Не сейчас</source>
        <translation>Not now</translation>
    </message>
</context>
<context>
    <name>PermissionStepVC</name>
    <message>
        <source>Не сейчас</source>
        <translation>Not now</translation>
    </message>
</context>
<context>
    <name>PhotoCell</name>
    <message>
        <source>Фото, удалить</source>
        <translation>Photo, remove</translation>
    </message>
    <message>
        <source>Добавить фото</source>
        <translation>Add photo</translation>
    </message>
</context>
<context>
    <name>PhotoGrid</name>
    <message>
        <source>Изображения отсутствуют</source>
        <translation>There are no pictures</translation>
    </message>
    <message>
        <source>Изображений больше 6</source>
        <translation>More than 6 pictures</translation>
    </message>
</context>
<context>
    <name>PhotoGridVC</name>
    <message>
        <source>Для начала добавим пару фото. Совет: выбери фото с лицом.</source>
        <translation>Start with a couple of photos. Tip: pick ones that show your face.</translation>
    </message>
    <message>
        <source>Для начала добавим пару фото. Лучше выбрать фото с&#xa0;лицом</source>
        <translation>Start with a couple of photos. Ones that show your&#xa0;face work best</translation>
    </message>
    <message>
        <source>Добавь еще фото</source>
        <translation>Add another photo</translation>
    </message>
    <message>
        <source>Совет: профили, где 4&#xa0;фото и&#xa0;более, получают больше лайков</source>
        <translation>Tip: profiles with 4&#xa0;or more photos get more likes</translation>
    </message>
    <message>
        <source>Вайб &gt; внешность. Просто будь собой</source>
        <translation>Vibe &gt; looks. Just be yourself</translation>
    </message>
    <message>
        <source>Покажи себя: чем ты занимаешься?</source>
        <translation>Show yourself: what do you do?</translation>
    </message>
    <message>
        <source>У тебя получилось! Еще одно фото и&#xa0;твой профиль засияет</source>
        <translation>You&apos;ve got it! One more photo and your profile will&#xa0;shine</translation>
    </message>
    <message>
        <source>Ты - супер. Время знакомиться!</source>
        <translation>You&apos;re awesome. Time to meet people!</translation>
    </message>
</context>
<context>
    <name>PhotoGridView</name>
    <message>
        <source>Добавь свои фото</source>
        <translation>Add your photos</translation>
    </message>
</context>
<context>
    <name>PhotoPicking</name>
    <message>
        <source>Не удалось получить доступ к файлу</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>Не удалось загрузить изображение</source>
        <translation>Could not load the image</translation>
    </message>
</context>
<context>
    <name>PreviewVC</name>
    <message>
        <source>1 км от тебя</source>
        <translation>1 km away</translation>
    </message>
</context>
<context>
    <name>ProfileCardModel</name>
    <message>
        <source>%1 км от тебя</source>
        <translation>%L1 km away</translation>
    </message>
    <message>
        <source>%1 км</source>
        <translation>%L1 km</translation>
    </message>
</context>
<context>
    <name>ProfileView</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Изменить профиль</source>
        <translation>Edit profile</translation>
    </message>
    <message>
        <source>Профиль подтверждён</source>
        <translation>Verified profile</translation>
    </message>
</context>
<context>
    <name>RangeSliderCell</name>
    <message>
        <source>Возрастной диапазон</source>
        <translation>Age range</translation>
    </message>
    <message>
        <source>Показывать людей вне диапазона</source>
        <translation>Show people outside this range</translation>
    </message>
</context>
<context>
    <name>ReportAlertView</name>
    <message>
        <source>Жалоба на пользователя</source>
        <translation>Report user</translation>
    </message>
    <message>
        <source>Введи причину жалобы</source>
        <translation>Enter the reason for the report</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Отправить</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RestoreVC</name>
    <message>
        <source>Ты удалил свой аккаунт. Все твои сообщения, свайпы и мэтчи удалены, а твой аккаунт деактивирован. Но ты можешь восстановить его до истечения 90 дней с момента инициализации удаления. После истечения данного срока будут удалены все твои данные.</source>
        <translation>You deleted your account. All your messages, swipes and matches are deleted and your account is deactivated. You can still restore it within 90 days of starting the deletion. After that, all your data is deleted.</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>RoundedButtonCell</name>
    <message>
        <source>Пожаловаться на пользователя</source>
        <translation>Report user</translation>
    </message>
    <message>
        <source>Заблокировать пользователя</source>
        <translation>Block user</translation>
    </message>
</context>
<context>
    <name>SelectionButton</name>
    <message>
        <source>Подробнее</source>
        <translation>More</translation>
    </message>
</context>
<context>
    <name>SettingsVC</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Если выключено, твой профиль будет скрыт. Люди, которые уже получили от тебя лайк, по-прежнему смогут видеть твой профиль и образовывать с тобой пары</source>
        <translation>When off, your profile is hidden. People you have already liked can still see your profile and match with you</translation>
    </message>
    <message>
        <source>НАХОДКИ</source>
        <translation>DISCOVER</translation>
    </message>
    <message>
        <source>КОНТАКТЫ</source>
        <translation>CONTACT</translation>
    </message>
    <message>
        <source>Условия пользования</source>
        <translation>Terms of use</translation>
    </message>
    <message>
        <source>Написать разработчикам</source>
        <translation>Write to the developers</translation>
    </message>
    <message>
        <source>Канал в Telegram</source>
        <translation>Telegram channel</translation>
    </message>
    <message>
        <source>Удалить аккаунт</source>
        <translation>Delete account</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Обратная связь</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Показывать меня</source>
        <translation>Show me</translation>
    </message>
    <message>
        <source>%1 км</source>
        <translation>%L1 km</translation>
    </message>
</context>
<context>
    <name>ShortcutsVC</name>
    <message>
        <source>Сочетания клавиш</source>
        <translation>Keyboard shortcuts</translation>
    </message>
</context>
<context>
    <name>ShortcutsView</name>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>Чтобы продолжить, войди в iCloud на данном устройстве</source>
        <translation>To continue, sign in to iCloud on this device</translation>
    </message>
    <message>
        <source>Ошибка iCloud: </source>
        <translation>iCloud error: </translation>
    </message>
    <message>
        <source>Ошибка: iCloud ID не найден</source>
        <translation>Error: iCloud ID not found</translation>
    </message>
    <message>
        <source>Ошибка получения UserID</source>
        <translation>Could not get the UserID</translation>
    </message>
    <message>
        <source>Данный девайс не поддерживается</source>
        <translation>This device isn&apos;t supported</translation>
    </message>
    <message>
        <source>Ошибка генерации токена: </source>
        <translation>Token generation error: </translation>
    </message>
    <message>
        <source>Ошибка генерации токена</source>
        <translation>Token generation error</translation>
    </message>
    <message>
        <source>Ошибка шифрования</source>
        <translation>Encryption error</translation>
    </message>
    <message>
        <source>Не удалось сохранить токен на устройстве</source>
        <translation>Could not save the token on this device</translation>
    </message>
    <message>
        <source>Не удалось сохранить ключ входа на устройстве</source>
        <translation>Could not keep the sign-in key on this device</translation>
    </message>
</context>
<context>
    <name>SliderCell</name>
    <message>
        <source>Максимальное расстояние</source>
        <translation>Maximum distance</translation>
    </message>
    <message>
        <source>Показывать людей дальше</source>
        <translation>Show people further away</translation>
    </message>
</context>
<context>
    <name>StartVC</name>
    <message>
        <source>Для корректной работы приложения необходимо обновиться до macOS 15 Sequoia или новее</source>
        <translation>The app needs macOS 15 Sequoia or newer to work properly</translation>
    </message>
    <message>
        <source>Твой аккаунт заблокирован</source>
        <translation>Your account is blocked</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Неверный пароль</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>Ок</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Войти</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Нажимая «Войти», Вы соглашаетесь с нашими </source>
        <translation>By tapping “Sign in”, you agree to our </translation>
    </message>
    <message>
        <source>Условиями</source>
        <translation>Terms</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message>
        <source>Логотип</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>TabBar</name>
    <message>
        <source>Находки</source>
        <translation>Discover</translation>
    </message>
    <message>
        <source>Лайки</source>
        <translation>Likes</translation>
    </message>
    <message>
        <source>Чат</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>TextCell</name>
    <message>
        <source>Обо мне</source>
        <translation>About me</translation>
    </message>
</context>
<context>
    <name>ToggleCell</name>
    <message>
        <source>Активировать Находки</source>
        <translation>Turn on Discover</translation>
    </message>
</context>
<context>
    <name>UserInfoImageCellView</name>
    <message>
        <source>Фото %1 из %2</source>
        <translation>Photo %1 of %2</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Причина жалобы не может быть пустой.</source>
        <translation>The reason for the report can&apos;t be empty.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Жалоба отправлена</source>
        <translation>Report sent</translation>
    </message>
    <message>
        <source>Спасибо, мы рассмотрим твою жалобу.</source>
        <translation>Thanks, we&apos;ll look into your report.</translation>
    </message>
    <message>
        <source>Заблокировать пользователя?</source>
        <translation>Block this user?</translation>
    </message>
    <message>
        <source>Да, заблокировать</source>
        <translation>Yes, block</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UserInfoView</name>
    <message>
        <source>Профиль подтверждён</source>
        <translation>Verified profile</translation>
    </message>
    <message>
        <source>Закрыть профиль</source>
        <translation>Close profile</translation>
    </message>
</context>
<context>
    <name>UserManager</name>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Информаия о себе</source>
        <translation>About yourself</translation>
    </message>
</context>
</TS>
