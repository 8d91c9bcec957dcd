#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/message_dialog_window.h"
#include "tests/support/modal.h"
#include "tests/support/pointer.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using morvane::testing::MovePointer;
using morvane::testing::MovePointerOnto;

namespace {

using Captions = std::array<QString, 3>;

const QString kYes = QStringLiteral("Ｙｅｓ");
const QString kNo = QStringLiteral("Ｎｏ");
const QString kCancel = QStringLiteral("Ｃａｎｃｅｌ");
const QString kConfirm = QStringLiteral("確認");
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);

// A dialog still open after the keys: no answer was chosen.
constexpr int kStillOpen = -2;

Captions CaptionsOf(const QStringList& list) {
    return {list.value(0), list.value(1), list.value(2)};
}

QLabel* Button(QWidget* dialog, int slot) {
    return dialog->findChild<QLabel*>(QStringLiteral("選択_%1").arg(slot));
}

QFrame* Frame(QWidget* dialog) { return dialog->findChild<QFrame*>(QStringLiteral("Shape1")); }

// The colour a caption is drawn in: which of the two caption colours its pixels show. (Qt 6.8
// draws a style sheet's colour without handing it to the label's palette.)
QColor CaptionColour(QWidget* dialog, int slot) {
    const QImage drawn = Button(dialog, slot)->grab().toImage();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (const QColor colour = drawn.pixelColor(x, y);
                colour == kGreen || colour == kYellow) {
                return colour;
            }
        }
    }
    return {};
}

bool Captioned(QWidget* dialog, int slot) { return !Button(dialog, slot)->text().isEmpty(); }

bool ShowsCustomPointer(QWidget* dialog) { return dialog->cursor().shape() == Qt::BitmapCursor; }

// The dialog shows exactly one highlighted slot: green caption, the frame around it, the
// custom pointer; every other caption yellow (an empty slot draws nothing).
void VerifyHighlighted(QWidget* dialog, int slot) {
    QVERIFY(Captioned(dialog, slot));
    for (int other = 0; other < 3; ++other) {
        if (Captioned(dialog, other)) {
            QCOMPARE(CaptionColour(dialog, other), other == slot ? kGreen : kYellow);
        }
    }
    QFrame* frame = Frame(dialog);
    QVERIFY(frame->isVisible());
    const QRect button = Button(dialog, slot)->geometry();
    QCOMPARE(frame->geometry().left(), button.left());
    QVERIFY(frame->geometry().top() < button.top());
    QVERIFY(frame->geometry().contains(button));
    QVERIFY(ShowsCustomPointer(dialog));
}

// Nothing is highlighted: all captions yellow, no frame, the ordinary pointer.
void VerifyNothingHighlighted(QWidget* dialog) {
    for (int slot = 0; slot < 3; ++slot) {
        if (Captioned(dialog, slot)) {
            QCOMPARE(CaptionColour(dialog, slot), kYellow);
        }
    }
    QVERIFY(!Frame(dialog)->isVisible());
    QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void init() { testing::ParkPointer(); }

    // Keys move over captioned slots only, with wrap-around; Space or Enter choose the selected
    // slot; any other key only redraws the highlight.
    void keysSelectAndChoose_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("highlighted");
        QTest::addColumn<int>("answer");

        const QStringList question{kYes, kNo, QString()};
        const QStringList notice{QString(), QString(), kConfirm};
        const QStringList onlyFirst{kYes, QString(), QString()};
        const QStringList all{kYes, kNo, kCancel};
        const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down,
                  enter = Qt::Key_Return, space = Qt::Key_Space;

        QTest::newRow("a question opens on No") << question << QList<int>{} << 1 << kStillOpen;
        QTest::newRow("Enter at once answers No") << question << QList<int>{enter} << 1 << 1;
        QTest::newRow("Left then Enter answers Yes")
            << question << QList<int>{left, enter} << 0 << 0;
        QTest::newRow("Right from No wraps to Yes, skipping the empty slot")
            << question << QList<int>{right} << 0 << kStillOpen;
        QTest::newRow("Up from Yes wraps to No")
            << question << QList<int>{up, up} << 1 << kStillOpen;
        QTest::newRow("the keypad Enter chooses too")
            << question << QList<int>{left, Qt::Key_Enter} << 0 << 0;
        QTest::newRow("another key keeps the selection")
            << question << QList<int>{left, Qt::Key_A, Qt::Key_Escape} << 0 << kStillOpen;
        QTest::newRow("a notice opens on slot 2") << notice << QList<int>{} << 2 << kStillOpen;
        QTest::newRow("every arrow keeps a notice on slot 2")
            << notice << QList<int>{left, up, right, down} << 2 << kStillOpen;
        QTest::newRow("Space answers the notice") << notice << QList<int>{space} << 2 << 2;
        QTest::newRow("only slot 0: the opening wraps to it")
            << onlyFirst << QList<int>{} << 0 << kStillOpen;
        QTest::newRow("three captions open on slot 1") << all << QList<int>{} << 1 << kStillOpen;
        QTest::newRow("three captions: Down twice wraps to Yes")
            << all << QList<int>{down, down} << 0 << kStillOpen;
        QTest::newRow("three captions: Up then Space answers Yes")
            << all << QList<int>{up, space} << 0 << 0;
    }
    void keysSelectAndChoose() {
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, keys);
        QFETCH(int, highlighted);
        QFETCH(int, answer);

        MessageDialog dialog(nullptr, QStringLiteral("よろしいですか？"), CaptionsOf(captions));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const int key : keys) {
            QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
        }
        if (answer == kStillOpen) {
            QVERIFY(dialog.isVisible());
            VerifyHighlighted(&dialog, highlighted);
        } else {
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.answer(), answer);
        }
    }

    // The pointer over a button highlights it; over the text, the background or an empty slot
    // it removes the highlight, yet Enter still chooses the last highlighted slot.
    void pointerOffTheButtonsKeepsTheSelection_data() {
        QTest::addColumn<QString>("offButtons");
        QTest::newRow("over the text") << QStringLiteral("言葉");
        QTest::newRow("over the window background") << QString();
        QTest::newRow("over an empty slot") << QStringLiteral("選択_2");
    }
    void pointerOffTheButtonsKeepsTheSelection() {
        QFETCH(QString, offButtons);
        MessageDialog dialog(nullptr, QStringLiteral("保存しますか？"), {kYes, kNo, QString()});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        MovePointerOnto(Button(&dialog, 0));
        VerifyHighlighted(&dialog, 0);

        if (offButtons.isEmpty()) {
            MovePointer(&dialog, QPoint(4, dialog.height() - 4));
        } else {
            MovePointerOnto(dialog.findChild<QWidget*>(offButtons));
        }
        VerifyNothingHighlighted(&dialog);

        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer(), 0);
    }

    // After the highlight is removed, the arrow keys go on from the last highlighted slot.
    void arrowsGoOnFromTheLastHighlightedSlot() {
        MessageDialog dialog(nullptr, QStringLiteral("選んで下さい"), {kYes, kNo, kCancel});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        MovePointerOnto(Button(&dialog, 2));
        MovePointerOnto(dialog.findChild<QWidget*>(QStringLiteral("言葉")));
        VerifyNothingHighlighted(&dialog);
        QTest::keyClick(&dialog, Qt::Key_Down);
        VerifyHighlighted(&dialog, 0);
    }

    // The opening highlight shows the custom pointer; the first move over the text removes it
    // and the highlight, while the opening slot stays selected.
    void openingHighlightIsRemovedByTheFirstMove() {
        MessageDialog dialog(nullptr, QStringLiteral("終了しますか？"), {kYes, kNo, QString()});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        VerifyHighlighted(&dialog, 1);
        MovePointerOnto(dialog.findChild<QWidget*>(QStringLiteral("言葉")));
        VerifyNothingHighlighted(&dialog);
        QTest::keyClick(&dialog, Qt::Key_Space);
        QCOMPARE(dialog.answer(), 1);
    }

    // Moving within the highlighted button, or back and forth between buttons, keeps exactly
    // one highlight in step with the pointer.
    void movingOverTheHighlightedButtonChangesNothing() {
        MessageDialog dialog(nullptr, QStringLiteral("続けますか？"), {kYes, kNo, QString()});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLabel* no = Button(&dialog, 1);
        MovePointerOnto(no, QPoint(4, 4));
        const QRect frame = Frame(&dialog)->geometry();
        MovePointerOnto(no, QPoint(no->width() - 4, no->height() - 4));
        VerifyHighlighted(&dialog, 1);
        QCOMPARE(Frame(&dialog)->geometry(), frame);

        MovePointerOnto(Button(&dialog, 0));
        VerifyHighlighted(&dialog, 0);
        QCOMPARE(Frame(&dialog)->geometry().top(),
                 frame.top() - (no->y() - Button(&dialog, 0)->y()));
    }

    // A click on a button answers its slot; a click on an empty slot does nothing.
    void clickingAButtonAnswersItsSlot() {
        MessageDialog dialog(nullptr, QStringLiteral("保存しますか？"), {kYes, kNo, QString()});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(Button(&dialog, 2), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(Button(&dialog, 0), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer(), 0);
    }

    // Closing by the window frame answers the highest captioned slot, wherever the selection is.
    void closingByTheFrameAnswersTheHighestSlot_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("answer");
        QTest::newRow("a question answers No") << QStringList{kYes, kNo, QString()} << 1;
        QTest::newRow("a notice answers its slot")
            << QStringList{QString(), QString(), kConfirm} << 2;
        QTest::newRow("three captions answer slot 2") << QStringList{kYes, kNo, kCancel} << 2;
        QTest::newRow("only slot 0 answers 0") << QStringList{kYes, QString(), QString()} << 0;
    }
    void closingByTheFrameAnswersTheHighestSlot() {
        QFETCH(QStringList, captions);
        QFETCH(int, answer);
        MessageDialog dialog(nullptr, QStringLiteral("よろしいですか？"), CaptionsOf(captions));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Left);
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer(), answer);
    }

    // Without any caption there is nothing to answer: None at once, no window shown.
    void noCaptionReturnsAtOnce() {
        QCOMPARE(ShowMessage(nullptr, QStringLiteral("何も無い"), QString(), QString(), QString()),
                 MessageAnswer::None);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // ShowMessage shows the modal dialog with its caption and text and returns the answer.
    void showMessageReturnsTheChosenSlot() {
        bool seen = false;
        testing::WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* dialog) {
            seen = dialog->windowTitle() == QStringLiteral("！－Ｍｅｓｓａｇｅ－！") &&
                   dialog->findChild<QLabel*>(QStringLiteral("言葉"))->text() ==
                       QStringLiteral("上書きしますか？");
            QTest::keyClick(dialog, Qt::Key_Left);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(ShowMessage(nullptr, QStringLiteral("上書きしますか？"), kYes, kNo, QString()),
                 MessageAnswer::First);
        QVERIFY(seen);
    }

    // A three-line message fits the text area; the pictures are taken for a look.
    void threeLineTextsFit() {
        const QString text = QStringLiteral(
            "エリアデータを保存しました。\n次回からこの地形で対戦できます。\n（ファイル１）");
        MessageDialog notice(nullptr, text, {QString(), QString(), kConfirm});
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        auto* label = notice.findChild<QLabel*>(QStringLiteral("言葉"));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QVERIFY(notice.rect().contains(label->geometry()));
        testing::SaveScreenshot(&notice, QStringLiteral("message_notice"));

        MessageDialog question(nullptr, QStringLiteral("ゲームを終了しますか？"),
                               {kYes, kNo, QString()});
        question.show();
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        testing::SaveScreenshot(&question, QStringLiteral("message_question"));
    }
};

QTEST_MAIN(MessageDialogTest)
#include "test_message_dialog.moc"
