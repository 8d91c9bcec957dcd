#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

namespace morvane::testing {

void WhenModalOpens(const QString& objectName, std::function<void(QWidget*)> act, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == objectName && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            QTest::qFail(qPrintable(QStringLiteral("modal window %1 did not open").arg(objectName)),
                         __FILE__, __LINE__);
        }
    });
    timer->start();
}

MessageLog::MessageLog() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->objectName() != QStringLiteral("FormMsg") ||
            !modal->isVisible()) {
            return;
        }
        const auto* text = modal->findChild<QLabel*>(QStringLiteral("言葉"));
        texts_ << (text != nullptr ? text->text() : QString());
        modal->close();
    });
    timer_.start();
}

void ClickChild(QWidget* window, const QString& childName) {
    auto* child = window->findChild<QWidget*>(childName);
    QVERIFY2(child != nullptr, qPrintable(childName));
    if (auto* button = qobject_cast<QAbstractButton*>(child)) {
        button->click();
        return;
    }
    QTest::mouseClick(child, Qt::LeftButton);
}

void PressKeys(const QList<QKeyCombination>& keys) {
    // A window that has just opened takes the focus once the window system activates it.
    const auto target = [] {
        QWidget* popup = QApplication::activePopupWidget();
        return popup != nullptr ? popup : QApplication::focusWidget();
    };
    for (const QKeyCombination key : keys) {
        QTRY_VERIFY2(target() != nullptr, "no control has the keyboard focus");
        QTest::keyClick(target(), key.key(), key.keyboardModifiers());
    }
}

}  // namespace morvane::testing
