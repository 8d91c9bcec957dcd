#include <QApplication>
#include <QLabel>
#include <QTest>

#include "shell/app.h"
#include "tests/shell/pointer.h"
#include "tests/support/temp_settings.h"

using namespace morvane;

namespace {

QList<QWidget*> VisibleTitleWindows() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("Form1") && widget->isVisible()) {
            found.append(widget);
        }
    }
    return found;
}

bool ShowsNothingHovered(QWidget* title) {
    return !title->findChild<QWidget*>(QStringLiteral("Cur"))->isVisible() &&
           title->findChild<QLabel*>(QStringLiteral("Menu_0"))
                   ->palette()
                   .color(QPalette::WindowText) == QColor(255, 255, 255);
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    // Each ShowTitle brings up a new title window that starts with nothing hovered, whatever
    // state the previous one was left in.
    void everyTitleWindowStartsReset() {
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);

        app.ShowTitle();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        QWidget* first = VisibleTitleWindows().front();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(ShowsNothingHovered(first));
        testing::MovePointerOnto(first->findChild<QWidget*>(QStringLiteral("Menu_2")));
        QVERIFY(!ShowsNothingHovered(first));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(VisibleTitleWindows().isEmpty());

        app.ShowTitle();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        QWidget* second = VisibleTitleWindows().front();
        QVERIFY(ShowsNothingHovered(second));
        second->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"
