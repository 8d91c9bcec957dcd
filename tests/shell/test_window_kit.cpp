#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "assets/colour_contrast.h"
#include "assets/pictures.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/click_detector.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/page_scale.h"
#include "shell/windows/window_place.h"
#include "tests/support/modal.h"
#include "tests/support/temp_settings.h"

using namespace morvane;

namespace {

enum Control { First, Second };

// Where a window is expected to open.
enum Place {
    OverOwner,
    OverScreen,
    AtRightEdge,
    AtBottomEdge,
    AtCorner,
    RightOfArea,
    LeftOfArea,
    BelowArea
};

// The gap the placement leaves between a window and the area it keeps in view.
constexpr int kBesideGap = 8;

// The kinds of window a place memory tells apart.
enum Kind { MainWindow, OverItsOwner, ModalAlone };

struct MouseStep {
    QEvent::Type type;
    Qt::MouseButton button;
    Control control;
    bool inside;
};

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A window of a fixed size, shown over the owner (none: a main window) at its place.
std::unique_ptr<QWidget> ShowWindow(QWidget* owner, QSize size,
                                    std::function<QRect()> keepInView = {}) {
    auto window = std::make_unique<QWidget>(owner, Qt::Dialog);
    window->setFixedSize(size);
    if (keepInView) {
        PlaceBesideOnShow(window.get(), std::move(keepInView));
    } else {
        PlaceOnShow(window.get());
    }
    window->show();
    return window;
}

}  // namespace

Q_DECLARE_METATYPE(QList<MouseStep>)

class WindowKitTest : public QObject {
    Q_OBJECT

private slots:
    // A growing page fills its room as far as its proportions let it, never below its own
    // size, centred in the room.
    void pageGrowsKeepingItsProportions_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<qreal>("growth");
        QTest::addColumn<QRect>("page");
        const QSize own(200, 100);
        QTest::newRow("its own size") << own << 1.0 << QRect(0, 0, 200, 100);
        QTest::newRow("twice as large") << own * 2 << 2.0 << QRect(0, 0, 400, 200);
        QTest::newRow("wider: bars left and right")
            << QSize(500, 150) << 1.5 << QRect(100, 0, 300, 150);
        QTest::newRow("taller: bars above and below")
            << QSize(300, 300) << 1.5 << QRect(0, 75, 300, 150);
        QTest::newRow("smaller: its own size")
            << QSize(150, 80) << 1.0 << QRect(-25, -10, 200, 100);
    }
    void pageGrowsKeepingItsProportions() {
        QFETCH(QSize, room);
        QFETCH(qreal, growth);
        QFETCH(QRect, page);
        const QSize own(200, 100);
        QCOMPARE(GrowthFactor(own, room), growth);
        QCOMPARE(LetterboxedPage(own, growth, QRect(QPoint(), room)), page);
    }

    // A click is the left button pressed and released on the same control, inside it.
    void clicksArePressAndReleaseOnOneControl_data() {
        QTest::addColumn<QList<MouseStep>>("steps");
        QTest::addColumn<QList<bool>>("clicks");
        const MouseStep press{QEvent::MouseButtonPress, Qt::LeftButton, First, true};
        const MouseStep release{QEvent::MouseButtonRelease, Qt::LeftButton, First, true};
        QTest::newRow("press and release inside")
            << QList<MouseStep>{press, release} << QList<bool>{false, true};
        QTest::newRow("released outside the control")
            << QList<MouseStep>{press, {QEvent::MouseButtonRelease, Qt::LeftButton, First, false}}
            << QList<bool>{false, false};
        QTest::newRow("the right button")
            << QList<MouseStep>{{QEvent::MouseButtonPress, Qt::RightButton, First, true},
                                {QEvent::MouseButtonRelease, Qt::RightButton, First, true}}
            << QList<bool>{false, false};
        QTest::newRow("a release without a press")
            << QList<MouseStep>{release} << QList<bool>{false};
        QTest::newRow("pressed on another control")
            << QList<MouseStep>{{QEvent::MouseButtonPress, Qt::LeftButton, Second, true}, release}
            << QList<bool>{false, false};
        QTest::newRow("one press makes one click")
            << QList<MouseStep>{press, release, release} << QList<bool>{false, true, false};
        QTest::newRow("the right button between press and release")
            << QList<MouseStep>{press,
                                {QEvent::MouseButtonRelease, Qt::RightButton, First, true},
                                release}
            << QList<bool>{false, false, true};
    }
    void clicksArePressAndReleaseOnOneControl() {
        QFETCH(QList<MouseStep>, steps);
        QFETCH(QList<bool>, clicks);
        QLabel first;
        QLabel second;
        first.resize(40, 20);
        second.resize(40, 20);
        ClickDetector detector;
        for (int k = 0; k < steps.size(); ++k) {
            const MouseStep& step = steps[k];
            const QWidget* control = step.control == First ? &first : &second;
            const QPointF point = step.inside ? QPointF(10, 10) : QPointF(60, 10);
            const QMouseEvent event(
                step.type, point, point, step.button,
                step.type == QEvent::MouseButtonPress ? step.button : Qt::NoButton, Qt::NoModifier);
            bool click = false;
            if (step.type == QEvent::MouseButtonPress) {
                detector.Press(event, control);
            } else {
                click = detector.Release(event, control);
            }
            QCOMPARE(click, clicks[k]);
        }
    }

    // A window opens centred over its owner (a main window on the screen), beside an area it
    // must leave in view, and always wholly on the screen: moved as little as it takes, or with
    // its top left corner on the screen when it is larger than the screen.
    void windowsOpenWhereTheyShould_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("keepInView");
        QTest::addColumn<int>("place");
        const QRect screen = Available();
        const QRect none;
        const QSize small(200, 100);
        QTest::newRow("centred over the owner")
            << QRect(100, 100, 400, 300) << small << none << int(OverOwner);
        QTest::newRow("owner at the right edge: moved onto the screen")
            << QRect(screen.right() - 200, 100, 400, 300) << small << none << int(AtRightEdge);
        QTest::newRow("owner at the bottom edge: moved onto the screen")
            << QRect(100, screen.bottom() - 150, 400, 300) << small << none << int(AtBottomEdge);
        QTest::newRow("larger than the screen: its corner on the screen")
            << QRect(100, 100, 400, 300) << screen.size() + QSize(50, 50) << none << int(AtCorner);
        QTest::newRow("a main window: centred on the screen")
            << QRect() << small << none << int(OverScreen);
        QTest::newRow("beside an area: to its right")
            << QRect(50, 50, 600, 400) << small << QRect(60, 60, 250, 380) << int(RightOfArea);
        QTest::newRow("no room on the right: to its left")
            << QRect(50, 50, 600, 400) << small << QRect(screen.right() - 300, 60, 250, 380)
            << int(LeftOfArea);
        QTest::newRow("no room on either side: below it")
            << QRect(0, 0, 400, 300) << small << QRect(100, 0, screen.width() - 200, 300)
            << int(BelowArea);
    }
    void windowsOpenWhereTheyShould() {
        QFETCH(QRect, owner);
        QFETCH(QSize, size);
        QFETCH(QRect, keepInView);
        QFETCH(int, place);
        QWidget ownerWindow;
        if (owner.isValid()) {
            ownerWindow.setGeometry(owner);
            ownerWindow.show();
        }
        std::function<QRect()> keep;
        if (keepInView.isValid()) {
            keep = [keepInView] { return keepInView; };
        }
        const auto window = ShowWindow(owner.isValid() ? &ownerWindow : nullptr, size, keep);
        const QRect frame = window->frameGeometry();
        const QRect screen = Available();
        QVERIFY(place == AtCorner || screen.contains(frame));
        // Centred within a pixel: odd sizes round.
        const auto centredOn = [&frame](QPoint centre) {
            return (frame.center() - centre).manhattanLength() <= 2;
        };
        switch (place) {
            case OverOwner:
                QVERIFY(centredOn(ownerWindow.frameGeometry().center()));
                break;
            case OverScreen:
                QVERIFY(centredOn(screen.center()));
                break;
            case AtRightEdge:
                QCOMPARE(frame.right(), screen.right());
                QVERIFY(centredOn(
                    QPoint(frame.center().x(), ownerWindow.frameGeometry().center().y())));
                break;
            case AtBottomEdge:
                QCOMPARE(frame.bottom(), screen.bottom());
                QVERIFY(centredOn(
                    QPoint(ownerWindow.frameGeometry().center().x(), frame.center().y())));
                break;
            case AtCorner:
                QCOMPARE(frame.topLeft(), screen.topLeft());
                break;
            case RightOfArea:
                QCOMPARE(frame.left(), keepInView.right() + 1 + kBesideGap);
                QVERIFY(centredOn(QPoint(frame.center().x(), keepInView.center().y())));
                break;
            case LeftOfArea:
                QCOMPARE(frame.right(), keepInView.left() - 1 - kBesideGap);
                QVERIFY(centredOn(QPoint(frame.center().x(), keepInView.center().y())));
                break;
            case BelowArea:
                QCOMPARE(frame.top(), keepInView.bottom() + 1 + kBesideGap);
                QVERIFY(centredOn(QPoint(keepInView.center().x(), frame.center().y())));
                break;
        }
    }

    // A main window reopens where it was closed while a screen holds at least half of it (kept
    // wholly on that screen), else where it opens anyway; a window over an owner and a modal one
    // open over what they belong to wherever they were closed, and their places are not kept.
    void placesOfMainWindowsAreRemembered_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("closedAt");
        QTest::addColumn<int>("place");
        const QRect screen = Available();
        const QPoint shown(screen.left() + 60, screen.top() + 40);
        // The windows are 200 pixels wide.
        QTest::newRow("a main window reopens where it was closed")
            << int(MainWindow) << shown << -1;
        QTest::newRow("a quarter over the edge: moved onto the screen")
            << int(MainWindow) << QPoint(screen.right() - 149, shown.y()) << int(AtRightEdge);
        QTest::newRow("mostly over the edge: centred on the screen")
            << int(MainWindow) << QPoint(screen.right() - 39, shown.y()) << int(OverScreen);
        QTest::newRow("off every screen: centred on the screen")
            << int(MainWindow) << QPoint(5000, 5000) << int(OverScreen);
        QTest::newRow("a window over its owner: over it again")
            << int(OverItsOwner) << shown << int(OverOwner);
        QTest::newRow("a modal window with no owner: centred on the screen")
            << int(ModalAlone) << shown << int(OverScreen);
    }
    void placesOfMainWindowsAreRemembered() {
        QFETCH(int, kind);
        QFETCH(QPoint, closedAt);
        QFETCH(int, place);
        testing::TempSettings settings;
        const PlaceMemory memory(settings.store());
        QWidget owner;
        owner.setGeometry(QRect(Available().center(), QSize(400, 300)));
        owner.show();
        const QString name = QStringLiteral("Formz99");
        QRect reopened;
        for (int showing = 0; showing < 2; ++showing) {
            QWidget window(kind == OverItsOwner ? &owner : nullptr, Qt::Dialog);
            window.setObjectName(name);
            window.setFixedSize(200, 100);
            window.setWindowModality(kind == ModalAlone ? Qt::ApplicationModal : Qt::NonModal);
            PlaceOnShow(&window);
            window.show();
            if (showing == 0) {
                window.move(closedAt);
                window.close();
            }
            reopened = window.frameGeometry();
        }
        QCOMPARE(settings.store().Read(settings::WindowPlace(name)).isEmpty(), kind != MainWindow);
        const QRect screen = Available();
        QVERIFY(screen.contains(reopened));
        switch (place) {
            case OverOwner:
                QVERIFY((reopened.center() - owner.frameGeometry().center()).manhattanLength() <=
                        2);
                break;
            case OverScreen:
                QVERIFY((reopened.center() - screen.center()).manhattanLength() <= 2);
                break;
            case AtRightEdge:
                QCOMPARE(reopened.topRight(), QPoint(screen.right(), closedAt.y()));
                break;
            default:
                QCOMPARE(reopened.topLeft(), closedAt);
        }
    }

    // A stored place far beyond the screens (a hand-edited file, the integer limits) is no place:
    // the window opens centred on the screen, with no overflow on the way.
    void storedPlacesOutOfReachAreNoPlace_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the screen") << QStringLiteral("60,40") << true;
        QTest::newRow("largest numbers") << QStringLiteral("2147483647,2147483647") << false;
        QTest::newRow("smallest numbers") << QStringLiteral("-2147483648,-2147483648") << false;
        QTest::newRow("x near the largest") << QStringLiteral("2147483000,100") << false;
        QTest::newRow("y near the smallest") << QStringLiteral("100,-2147483000") << false;
        QTest::newRow("a hundred screens away") << QStringLiteral("300000,100") << false;
    }
    void storedPlacesOutOfReachAreNoPlace() {
        QFETCH(QString, stored);
        QFETCH(bool, kept);
        testing::TempSettings settings;
        const PlaceMemory memory(settings.store());
        const QString name = QStringLiteral("Formz11");
        settings.store().Write(settings::WindowPlace(name), stored);
        QWidget window(nullptr, Qt::Dialog);
        window.setObjectName(name);
        window.setFixedSize(200, 100);
        PlaceOnShow(&window);
        window.show();
        const QRect screen = Available();
        const QRect opened = window.frameGeometry();
        QVERIFY(screen.contains(opened));
        if (kept) {
            QCOMPARE(opened.topLeft(), QPoint(60, 40));
        } else {
            QVERIFY((opened.center() - screen.center()).manhattanLength() <= 2);
        }
    }

    // The message dialog opens centred over its owner, even with a place of its own stored.
    void theMessageDialogStaysCentredOverItsOwner() {
        testing::TempSettings settings;
        const PlaceMemory memory(settings.store());
        settings.store().Write(settings::WindowPlace(QStringLiteral("FormMsg")),
                               QStringLiteral("10,10"));
        QWidget owner;
        owner.setGeometry(QRect(Available().topLeft() + QPoint(150, 120), QSize(500, 400)));
        owner.show();
        QPoint centre;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&centre](QWidget* dialog) {
            centre = dialog->frameGeometry().center();
            dialog->close();
        });
        ShowMessage(&owner, QStringLiteral("text"), QString(), QString(), QStringLiteral("確認"));
        QVERIFY((centre - owner.frameGeometry().center()).manhattanLength() <= 2);
    }

    // A display scale chosen while the game runs is stored and used at once, without a word; one
    // that could not be stored is told of and not used.
    void aChosenDisplayScaleIsStoredAndUsed_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("used");
        QTest::newRow("stored") << true << QStringList() << 150;
        QTest::newRow("the store cannot be written")
            << false << QStringList{QStringLiteral("設定を保存できませんでした。")} << 100;
    }
    void aChosenDisplayScaleIsStoredAndUsed() {
        QFETCH(bool, writable);
        QFETCH(QStringList, messages);
        QFETCH(int, used);
        testing::TempSettings temp;
        testing::BlockedSettings blocked;
        SettingsStore& store = writable ? temp.store() : blocked.store();
        const testing::MessageLog log;
        ChooseDisplayScale(nullptr, store, 150);
        QCOMPARE(log.texts().size(), messages.size());
        for (qsizetype k = 0; k < messages.size(); ++k) {
            QVERIFY2(log.texts()[k].startsWith(messages[k]), qPrintable(log.texts()[k]));
        }
        QCOMPARE(ReadDisplayScale(store), used);
        QCOMPARE(AppliedDisplayScale(), used);
        ApplyDisplayScale(kDisplayScales.front());
    }

    // The language menu names each language in that language whatever the interface speaks,
    // and its title carries both languages' words, the interface's own first.
    void languagesAreNamedInThemselves_data() {
        QTest::addColumn<Language>("interface");
        QTest::addColumn<QStringList>("texts");  // the title, then the entries
        QTest::newRow("Japanese") << Language::Japanese
                                  << QStringList{"言語／Language", "日本語", "English"};
        QTest::newRow("English") << Language::English
                                 << QStringList{"Language／言語", "日本語", "English"};
    }
    void languagesAreNamedInThemselves() {
        QFETCH(Language, interface);
        QFETCH(QStringList, texts);
        QVERIFY(UseLanguage(interface));
        QMenu menu;
        const QMenu* languages = AddLanguageMenu(
            &menu, [] { return Language::Japanese; }, [](Language) {});
        QStringList shown{languages->title()};
        for (const QAction* entry : languages->actions()) {
            shown << entry->text();
        }
        UseLanguage(Language::Japanese);
        QCOMPARE(shown, texts);
    }

    // Every length a window is built with at the scale 100 (its size, a control placed by hand,
    // a font, a style sheet, a layout's margins, spacing and spacers, a least size) is that many
    // times larger at a display scale, and so is a style sheet that the program gives at it;
    // back at 100, every one is as it was given.
    void everyLengthOfAWindowFollowsTheScale_data() {
        QTest::addColumn<int>("percent");
        QTest::newRow("125") << 125;
        QTest::newRow("150") << 150;
        QTest::newRow("200") << 200;
    }
    void everyLengthOfAWindowFollowsTheScale() {
        QFETCH(int, percent);
        // Lengths that every scale multiplies to whole pixels.
        QWidget window;
        window.setFixedSize(200, 100);
        auto* label = new QLabel(QStringLiteral("text"), &window);
        QFont font = label->font();
        font.setPixelSize(16);
        label->setFont(font);
        PlaceScaled(label, QRect(12, 20, 60, 32));
        const QString sheet = QStringLiteral("QLabel { border: %1px solid red; padding: %2px; }");
        label->setStyleSheet(sheet.arg(4).arg(8));
        auto* box = new QWidget(&window);
        PlaceScaled(box, QRect(80, 0, 100, 100));
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(8, 4, 8, 4);
        layout->setSpacing(4);
        layout->addSpacing(12);
        auto* least = new QWidget(box);
        least->setMinimumWidth(40);
        layout->addWidget(least);
        window.show();
        const auto lengths = [&] {
            return QList<int>{window.width(),
                              window.height(),
                              label->x(),
                              label->y(),
                              label->width(),
                              label->height(),
                              label->font().pixelSize(),
                              layout->contentsMargins().left(),
                              layout->contentsMargins().top(),
                              layout->spacing(),
                              layout->itemAt(0)->spacerItem()->sizeHint().height(),
                              least->minimumWidth()};
        };
        const QList<int> at100 = lengths();

        ApplyDisplayScale(percent);
        const qreal factor = percent / 100.0;
        QList<int> scaled;
        for (const int length : at100) {
            scaled << qRound(length * factor);
        }
        QCOMPARE(lengths(), scaled);
        QCOMPARE(label->styleSheet(), sheet.arg(qRound(4 * factor)).arg(qRound(8 * factor)));
        label->setStyleSheet(sheet.arg(12).arg(4));
        QCOMPARE(label->styleSheet(), sheet.arg(qRound(12 * factor)).arg(qRound(4 * factor)));

        ApplyDisplayScale(kDisplayScales.front());
        QCOMPARE(lengths(), at100);
        QCOMPARE(label->styleSheet(), sheet.arg(12).arg(4));
    }

    // A page that the screen can hold makes the window exactly its size, without scroll bars; a
    // taller one makes the window as tall as the screen, with a scroll bar.
    void aPageScrollsOnlyWhenTheScreenIsTooSmall_data() {
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("a page the screen holds") << Available().height() - 40 << false;
        QTest::newRow("a page taller than the screen") << Available().height() + 200 << true;
    }
    void aPageScrollsOnlyWhenTheScreenIsTooSmall() {
        QFETCH(int, pageHeight);
        QFETCH(bool, scrolls);
        QWidget owner;
        owner.setGeometry(100, 100, 400, 300);
        owner.show();
        QWidget window(&owner, Qt::Dialog);
        auto* page = new QWidget;
        page->setFixedSize(300, pageHeight);
        SetScrollingPage(&window, page);
        PlaceOnShow(&window);
        window.show();
        QVERIFY(Available().contains(window.frameGeometry()));
        auto* area = window.findChild<QScrollArea*>();
        QTRY_COMPARE(area->verticalScrollBar()->isVisible(), scrolls);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(scrolls ? window.frameGeometry().height() : window.height(),
                 scrolls ? Available().height() : pageHeight);
    }

    // A picture's colours in each look's tone: in high contrast the dark ones black and the
    // light ones stand out from black as its texts do (7 : 1); in the light look every mark
    // stands out from white as a picture must (3 : 1).
    void pictureTonesKeepTheirContrast_data() {
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("pure blue") << QColor(0x1a, 0x5f, 0xd0);
        QTest::newRow("pale blue tint") << QColor(0xdc, 0xe4, 0xf0);
        QTest::newRow("green") << QColor(0x3d, 0xdc, 0x63);
        QTest::newRow("yellow") << QColor(0xff, 0xd8, 0x20);
        QTest::newRow("red") << QColor(0xe0, 0x20, 0x20);
        QTest::newRow("grey") << QColor(0xa9, 0xa9, 0xa4);
        QTest::newRow("night") << QColor(0x10, 0x18, 0x30);
    }
    void pictureTonesKeepTheirContrast() {
        QFETCH(QColor, drawn);
        const QColor contrasted = ToneColour(drawn, PictureTone::HighContrast);
        if (drawn.lightnessF() < 0.5) {
            QCOMPARE(contrasted, QColor(Qt::black));
        } else {
            QVERIFY2(ContrastRatio(contrasted, Qt::black) >= 7, qPrintable(contrasted.name()));
        }
        const QColor light = ToneColour(drawn, PictureTone::Light);
        QVERIFY2(drawn.lightness() < 128 || ContrastRatio(light, Qt::white) >= 3,
                 qPrintable(light.name()));
    }
};

QTEST_MAIN(WindowKitTest)
#include "test_window_kit.moc"
