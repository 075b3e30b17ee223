#pragma once

#include <QCoreApplication>
#include <QPointer>

#include <utility>

// Answers from the network and the platform come on their own threads, often after the screen that
// asked is gone. The receiver is taken on the main thread when asking; each step of the answer then
// runs on the main thread, later in the event loop, and only while the receiver still exists.
template <class T> class MainThreadReceiver {
public:
    explicit MainThreadReceiver(T *receiver)
        : m_receiver(receiver) {}

    template <class Step> void post(Step step) const {
        QMetaObject::invokeMethod(
            qApp,
            [receiver = m_receiver, step = std::move(step)]() mutable {
                if (receiver)
                    step(*receiver);
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<T> m_receiver;
};
