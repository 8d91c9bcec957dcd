#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/title_window.h"
#include "shell/settings/language.h"
#include "shell/windows/look.h"
#include "tests/support/modal.h"
#include "tests/support/pointer.h"
#include "tests/support/screenshot.h"
#include "tests/support/window_texts.h"

using namespace morvane;
using morvane::testing::MovePointer;
using morvane::testing::MovePointerOnto;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);

const QStringList kCaptions{
    QStringLiteral("Game Start."),         QStringLiteral("Option."),
    QStringLiteral("Original Area Edit."), QStringLiteral("Rulu Check."),
    QStringLiteral("Infomation"),          QStringLiteral("Extra Game"),
};
const QStringList kHelpLines{
    QStringLiteral("【ゲームを開始します】"),
    QStringLiteral("【オプションです】"),
    QStringLiteral("【オリジナル地形を作ります】"),
    QStringLiteral("【簡易ルール説明です】"),
    QStringLiteral("【バージョン・著作権等の情報です】"),
    QStringLiteral("【「Morvane(Ver 2.0)」のリメイク版です】"),
};

QLabel* Item(QWidget* title, int item) {
    return title->findChild<QLabel*>(QStringLiteral("Menu_%1").arg(item));
}
QWidget* Marker(QWidget* title) { return title->findChild<QWidget*>(QStringLiteral("Cur")); }
QString HelpLine(QWidget* title) {
    return title->findChild<QLabel*>(QStringLiteral("Label"))->text();
}
QColor ItemColour(QWidget* title, int item) {
    return Item(title, item)->palette().color(QPalette::WindowText);
}

// Nothing hovered: all items white, no marker, the ordinary pointer, the notice line.
void VerifyReset(QWidget* title) {
    for (int item = 0; item < 6; ++item) {
        QCOMPARE(ItemColour(title, item), kWhite);
    }
    QVERIFY(!Marker(title)->isVisible());
    QCOMPARE(title->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!HelpLine(title).isEmpty());
    QVERIFY(!kHelpLines.contains(HelpLine(title)));
}

// One item hovered: it is black and the others grey, the marker stands 1 pixel above it, its
// help line shows and the custom pointer is on.
void VerifyHovered(QWidget* title, int item) {
    for (int other = 0; other < 6; ++other) {
        QCOMPARE(ItemColour(title, other), other == item ? kBlack : kGrey);
    }
    QVERIFY(Marker(title)->isVisible());
    QCOMPARE(Marker(title)->y(), Item(title, item)->y() - 1);
    QVERIFY(Marker(title)->geometry().contains(Item(title, item)->geometry()));
    QCOMPARE(HelpLine(title), kHelpLines[item]);
    QCOMPARE(title->cursor().shape(), Qt::BitmapCursor);
}

// Records every colour each menu item is given, to see the way from one state to the next.
class ColourRecorder : public QObject {
public:
    explicit ColourRecorder(QWidget* title) {
        for (int item = 0; item < 6; ++item) {
            Item(title, item)->installEventFilter(this);
        }
    }
    QList<QColor> seen(int item) const { return seen_.value(item); }
    bool empty() const { return seen_.isEmpty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            auto* label = static_cast<QLabel*>(watched);
            const int item = label->objectName().mid(5).toInt();
            seen_[item].append(label->palette().color(QPalette::WindowText));
        }
        return false;
    }

private:
    QMap<int, QList<QColor>> seen_;
};

}  // namespace

class TitleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void init() { testing::ParkPointer(); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // The window opens with its caption, the six items in order at equal spacing, nothing
    // hovered and the version.
    void opensReset() {
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QCOMPARE(title.objectName(), QStringLiteral("Form1"));
        QCOMPARE(title.windowTitle(), QStringLiteral("Morvaneⅲ－Ｔｉｔｌｅ"));
        const int pitch = Item(&title, 1)->y() - Item(&title, 0)->y();
        QVERIFY(pitch > 0);
        for (int item = 0; item < 6; ++item) {
            QCOMPARE(Item(&title, item)->text(), kCaptions[item]);
            QCOMPARE(Item(&title, item)->y() - Item(&title, 0)->y(), item * pitch);
        }
        VerifyReset(&title);
        QCOMPARE(title.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Ｖｅｒｓｉｏｎ ４.９２"));
        QVERIFY(!title.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
        testing::SaveScreenshot(&title, QStringLiteral("title"));
    }

    // The pointer on an item shows that item hovered.
    void pointerOnAnItemHoversIt_data() {
        QTest::addColumn<int>("item");
        for (int item = 0; item < 6; ++item) {
            QTest::addRow("%s", qPrintable(kCaptions[item])) << item;
        }
    }
    void pointerOnAnItemHoversIt() {
        QFETCH(int, item);
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, item));
        VerifyHovered(&title, item);
        if (item == 0) {
            testing::SaveScreenshot(&title, QStringLiteral("title_hovered"));
        }
    }

    // From one item straight onto the next, the highlight moves at once: the old item goes
    // from black to grey without passing through white.
    void itemToItemSkipsTheResetState() {
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, 2));
        ColourRecorder recorder(&title);
        MovePointerOnto(Item(&title, 3));
        VerifyHovered(&title, 3);
        QCOMPARE(recorder.seen(2), QList<QColor>{kGrey});
        QCOMPARE(recorder.seen(3), QList<QColor>{kBlack});
        QVERIFY(recorder.seen(0).isEmpty());
    }

    // Moving within the hovered item repeats nothing.
    void movingWithinAnItemRepeatsNothing() {
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QLabel* item = Item(&title, 1);
        MovePointerOnto(item, QPoint(3, 3));
        const QRect marker = Marker(&title)->geometry();
        ColourRecorder recorder(&title);
        MovePointerOnto(item, QPoint(item->width() / 2, item->height() / 2));
        MovePointerOnto(item, QPoint(item->width() - 3, item->height() - 3));
        QVERIFY(recorder.empty());
        QCOMPARE(Marker(&title)->geometry(), marker);
        VerifyHovered(&title, 1);
    }

    // The pointer anywhere off the items resets the window; when nothing is hovered a move
    // over the background changes nothing.
    void backgroundResets_data() {
        QTest::addColumn<QString>("over");
        QTest::newRow("the title picture") << QStringLiteral("Image1");
        QTest::newRow("the help line") << QStringLiteral("Label");
        QTest::newRow("the version") << QStringLiteral("Label1");
        QTest::newRow("the menu frame between items") << QStringLiteral("Shape2");
    }
    void backgroundResets() {
        QFETCH(QString, over);
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, 4));
        VerifyHovered(&title, 4);

        auto* target = title.findChild<QWidget*>(over);
        // The frame's bottom edge area lies below the last item.
        const QPoint offset = over == QStringLiteral("Shape2")
                                  ? QPoint(target->width() / 2, target->height() - 6)
                                  : target->rect().center();
        MovePointerOnto(target, offset);
        VerifyReset(&title);

        ColourRecorder recorder(&title);
        MovePointer(&title, QPoint(2, 2));
        QVERIFY(recorder.empty());
        VerifyReset(&title);
    }

    // "Rulu Check." and "Infomation" open their windows modal over the title; after they
    // close the clicked item is still shown hovered.
    void informationItemsOpenModalWindows_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("Rulu Check.") << 3 << QStringLiteral("Form9");
        QTest::newRow("Infomation") << 4 << QStringLiteral("frmAbout");
    }
    void informationItemsOpenModalWindows() {
        QFETCH(int, item);
        QFETCH(QString, window);
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, item));

        QWidget* parentSeen = nullptr;
        testing::WhenModalOpens(window, [&](QWidget* opened) {
            parentSeen = opened->parentWidget();
            testing::ClickChild(opened, QStringLiteral("Command2"));
        });
        QTest::mouseClick(Item(&title, item), Qt::LeftButton);
        QCOMPARE(parentSeen, &title);
        QVERIFY(title.isVisible());
        VerifyHovered(&title, item);
    }

    // An item whose window does not exist yet says so and leaves the title as it was.
    void itemsWithoutActionShowANotice_data() {
        QTest::addColumn<int>("item");
        for (const int item : {0, 1, 2, 5}) {
            QTest::addRow("%s", qPrintable(kCaptions[item])) << item;
        }
    }
    void itemsWithoutActionShowANotice() {
        QFETCH(int, item);
        QPointer<TitleWindow> title = new TitleWindow({});
        title->show();
        QVERIFY(QTest::qWaitForWindowExposed(title));
        MovePointerOnto(Item(title, item));

        QString text;
        QString caption;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            text = message->findChild<QLabel*>(QStringLiteral("言葉"))->text();
            caption = message->findChild<QLabel*>(QStringLiteral("選択_2"))->text();
            testing::ClickChild(message, QStringLiteral("選択_2"));
        });
        QTest::mouseClick(Item(title, item), Qt::LeftButton);
        QCOMPARE(text, QStringLiteral("この機能は準備中です。"));
        QCOMPARE(caption, QStringLiteral("確認"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(title != nullptr);
        QVERIFY(title->isVisible());
        VerifyHovered(title, item);
        delete title;
    }

    // "Game Start." and "Extra Game" close (and delete) the title window, then run their action.
    void leavingItemsCloseTheTitleFirst_data() {
        QTest::addColumn<int>("item");
        QTest::newRow("Game Start.") << 0;
        QTest::newRow("Extra Game") << 5;
    }
    void leavingItemsCloseTheTitleFirst() {
        QFETCH(int, item);
        int gameRuns = 0;
        int extraRuns = 0;
        bool titleWasClosed = false;
        QPointer<TitleWindow> title;
        TitleActions actions;
        actions.startGame = [&] {
            ++gameRuns;
            titleWasClosed = !title->isVisible();
        };
        actions.startExtraGame = [&] {
            ++extraRuns;
            titleWasClosed = !title->isVisible();
        };
        title = new TitleWindow(actions);
        title->show();
        QVERIFY(QTest::qWaitForWindowExposed(title));

        QTest::mouseClick(Item(title, item), Qt::LeftButton);
        QCOMPARE(gameRuns, item == 0 ? 1 : 0);
        QCOMPARE(extraRuns, item == 5 ? 1 : 0);
        QVERIFY(titleWasClosed);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(title == nullptr);
    }

    // The small buttons over the picture: Continue only while a game is kept; Host and Join close
    // the title first, then run their action.
    void shortcutButtonsOfferWhatTheActionsCan_data() {
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("a kept game: continue")
            << true << "ContinueButton"
            << QStringList{"ContinueButton", "HostButton", "JoinButton"};
        QTest::newRow("nothing kept: host")
            << false << "HostButton" << QStringList{"HostButton", "JoinButton"};
        QTest::newRow("join") << false << "JoinButton" << QStringList{"HostButton", "JoinButton"};
    }
    void shortcutButtonsOfferWhatTheActionsCan() {
        QFETCH(bool, kept);
        QFETCH(QString, button);
        QFETCH(QStringList, shown);
        QStringList ran;
        QPointer<TitleWindow> title;
        TitleActions actions;
        actions.canResume = [kept] { return kept; };
        actions.resumeGame = [&](QWidget*) { ran << "ContinueButton"; };
        actions.hostGame = [&] {
            ran << (title->isVisible() ? "HostButton, title open" : "HostButton");
        };
        actions.joinGame = [&] {
            ran << (title->isVisible() ? "JoinButton, title open" : "JoinButton");
        };
        title = new TitleWindow(actions);
        title->show();
        QStringList buttons;
        for (const auto* found : title->findChildren<QPushButton*>()) {
            if (found->objectName() != QStringLiteral("LanguageButton")) {
                buttons << found->objectName();
            }
        }
        QCOMPARE(buttons, shown);
        QTest::mouseClick(title->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(ran, QStringList{button});
        delete title;
    }

    // Up and Down hover the items exactly as the pointer does, round the six; Enter or Space
    // then opens the hovered item as a click does.
    void keysHoverAndOpenEveryItem_data() {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("openKey");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("opened");
        const QList<int> down{Qt::Key_Down};
        const QList<int> up{Qt::Key_Up};
        QTest::newRow("Down round the bottom to Game Start., Enter")
            << down + down + down + down + down + down + down << int(Qt::Key_Return) << 0
            << QStringLiteral("game");
        QTest::newRow("Down twice to Option., Space")
            << down + down << int(Qt::Key_Space) << 1 << QStringLiteral("options");
        QTest::newRow("Up four times to Original Area Edit., keypad Enter")
            << up + up + up + up << int(Qt::Key_Enter) << 2 << QStringLiteral("area editor");
        QTest::newRow("Up three times to Rulu Check., Enter")
            << up + up + up << int(Qt::Key_Return) << 3 << QStringLiteral("Form9");
        QTest::newRow("Down five times to Infomation, Space")
            << down + down + down + down + down << int(Qt::Key_Space) << 4
            << QStringLiteral("frmAbout");
        QTest::newRow("Up round the top to Extra Game, Enter")
            << up + up + up + up + up + up + up << int(Qt::Key_Return) << 5
            << QStringLiteral("extra game");
    }
    void keysHoverAndOpenEveryItem() {
        QFETCH(QList<int>, moves);
        QFETCH(int, openKey);
        QFETCH(int, item);
        QFETCH(QString, opened);
        QStringList log;
        TitleActions actions;
        actions.startGame = [&] { log << QStringLiteral("game"); };
        actions.openOptions = [&](QWidget*) { log << QStringLiteral("options"); };
        actions.openAreaEditor = [&](QWidget*) { log << QStringLiteral("area editor"); };
        actions.startExtraGame = [&] { log << QStringLiteral("extra game"); };
        QPointer<TitleWindow> title = new TitleWindow(actions);
        title->show();
        QVERIFY(QTest::qWaitForWindowExposed(title));
        for (const int key : moves) {
            QTest::keyClick(title, Qt::Key(key));
        }
        VerifyHovered(title, item);

        if (opened.startsWith(QStringLiteral("Form")) || opened.startsWith(QStringLiteral("frm"))) {
            testing::WhenModalOpens(opened, [&](QWidget* window) {
                log << window->objectName();
                testing::ClickChild(window, QStringLiteral("Command2"));
            });
        }
        QTest::keyClick(title, Qt::Key(openKey),
                        openKey == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(log, QStringList{opened});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete title;
    }

    // "Option." and "Original Area Edit." run over the title, which keeps its hover state.
    void modalItemsRunOverTheTitle_data() {
        QTest::addColumn<int>("item");
        QTest::newRow("Option.") << 1;
        QTest::newRow("Original Area Edit.") << 2;
    }
    void modalItemsRunOverTheTitle() {
        QFETCH(int, item);
        QList<QWidget*> optionParents;
        QList<QWidget*> editorParents;
        TitleActions actions;
        actions.openOptions = [&](QWidget* parent) { optionParents.append(parent); };
        actions.openAreaEditor = [&](QWidget* parent) { editorParents.append(parent); };
        TitleWindow title(actions);
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, item));
        QTest::mouseClick(Item(&title, item), Qt::LeftButton);

        const QList<QWidget*> expected{&title};
        QCOMPARE(item == 1 ? optionParents : editorParents, expected);
        QVERIFY((item == 1 ? editorParents : optionParents).isEmpty());
        QVERIFY(title.isVisible());
        VerifyHovered(&title, item);
    }

    // In English the items are spelt right, and the help line of a hovered item is English and
    // fits its label.
    void englishItemsAndHelpLines_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        const QStringList english{
            QStringLiteral("Game Start."),         QStringLiteral("Option."),
            QStringLiteral("Original Area Edit."), QStringLiteral("Rule Check."),
            QStringLiteral("Information"),         QStringLiteral("Extra Game"),
        };
        for (int item = 0; item < 6; ++item) {
            QTest::addRow("%s", qPrintable(english[item])) << item << english[item];
        }
    }
    void englishItemsAndHelpLines() {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QVERIFY(UseLanguage(Language::English));
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        MovePointerOnto(Item(&title, item));
        QCOMPARE(Item(&title, item)->text(), caption);
        const auto* help = title.findChild<QLabel*>(QStringLiteral("Label"));
        QVERIFY2(!testing::HasJapanese(help->text()), qPrintable(help->text()));
        QVERIFY2(!testing::IsClipped(*help, help->text()), qPrintable(help->text()));
    }

    // An item without its window says so in English too.
    void notReadyNoticeInEnglish() {
        QVERIFY(UseLanguage(Language::English));
        TitleWindow title({});
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        const testing::MessageLog log;
        QTest::keyClick(&title, Qt::Key_Down);
        QTest::keyClick(&title, Qt::Key_Return);
        QCOMPARE(log.texts(), QStringList{QStringLiteral("This feature is not ready yet.")});
    }
};

QTEST_MAIN(TitleWindowTest)
#include "test_title_window.moc"
