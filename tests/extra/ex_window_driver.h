#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "extra/windows/ex_game_window.h"
#include "tests/extra/ex_play.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"

namespace morvane::testing {

// Plays the extra game's window the way a person does: clicks on the cells and buttons found
// by their objectNames, key presses, and answers to the messages it shows (each answer armed
// just before the action that must show it, so a missing message fails the test).
class ExWindowDriver {
public:
    explicit ExWindowDriver(ExGameWindow& window) : window_(window) {}

    ExGameWindow& window() { return window_; }
    QWidget* Cell(int cell) { return Child<QWidget>(QStringLiteral("Un_%1").arg(cell)); }
    QPushButton* Button(const QString& name) { return Child<QPushButton>(name); }
    QAction* Action(const QString& name) { return Child<QAction>(name); }
    QFrame* Frame(const QString& name) { return Child<QFrame>(name); }
    QString Info() { return Child<QLabel>(QStringLiteral("INf"))->text(); }
    QLabel* ThinkingLabel() { return Child<QLabel>(QStringLiteral("L2")); }

    // The texts of the program's messages answered so far, oldest first.
    const QStringList& messages() const { return *messages_; }
    QString LastMessage() const { return messages_->value(messages_->size() - 1); }

    // Answers the next message dialog with the button in the slot; records its text and the
    // captions of its three slots.
    void AnswerNextMessage(int slot = 2) {
        auto messages = messages_;
        auto captions = captions_;
        WhenModalOpens(QStringLiteral("FormMsg"), [messages, captions, slot](QWidget* dialog) {
            *messages << dialog->findChild<QLabel*>(QStringLiteral("言葉"))->text();
            captions->clear();
            for (int k = 0; k < 3; ++k) {
                *captions << dialog->findChild<QLabel*>(QStringLiteral("選択_%1").arg(k))->text();
            }
            ClickChild(dialog, QStringLiteral("選択_%1").arg(slot));
        });
    }
    // The captions of slots 0..2 of the last message answered.
    QStringList LastCaptions() const { return *captions_; }

    // Answers the draw notice, the system message box, with its OK button.
    void AnswerDrawBox() {
        auto draws = draws_;
        WhenModalOpens(QStringLiteral("DrowBox"), [draws](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message != nullptr);
            *draws << message->windowTitle() + QLatin1Char('|') + message->text();
            SaveScreenshot(message, QStringLiteral("drow_box"));
            QCOMPARE(message->buttons().size(), 1);
            message->button(QMessageBox::Ok)->click();
        });
    }
    // "title|text" of every draw notice answered.
    const QStringList& drawBoxes() const { return *draws_; }

    void Click(const QString& button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
    void ClickCell(int cell) { QTest::mouseClick(Cell(cell), Qt::LeftButton); }
    void Key(Qt::Key key) { QTest::keyClick(&window_, key); }

    // Walks the keyboard cursor to the cell with the arrow keys, without wrapping.
    void MoveCursorTo(int cell) {
        const ExMatch& match = window_.match();
        for (int step = 0; step < kExRows && match.keyCursor() / kExColumns != cell / kExColumns;
             ++step) {
            Key(match.keyCursor() < cell ? Qt::Key_Down : Qt::Key_Up);
        }
        for (int step = 0; step < kExColumns && match.keyCursor() != cell; ++step) {
            Key(match.keyCursor() < cell ? Qt::Key_Right : Qt::Key_Left);
        }
    }

    // Puts the unit of the side to move into the cell: a click, or the cursor and Space.
    void Place(int cell) {
        if (window_.match().turn() == kExMouseTurn) {
            ClickCell(cell);
        } else {
            MoveCursorTo(cell);
            Key(Qt::Key_Space);
        }
    }

    // Chooses a mode item and answers the question with Ｙｅｓ (slot 0) or Ｃａｎｃｅｌ (slot 1).
    void ChooseMode(ExMode mode, int answer) {
        AnswerNextMessage(answer);
        Action(QStringLiteral("戦_%1").arg(static_cast<int>(mode)))->trigger();
    }

    // Presses Start!! with the first player fixed, and answers the start message.
    void Start(bool mouseFirst) {
        SeedFirstPlayer(mouseFirst);
        AnswerNextMessage();
        Click(QStringLiteral("Command3"));
    }

private:
    template <typename T>
    T* Child(const QString& name) {
        T* child = window_.findChild<T*>(name);
        Q_ASSERT_X(child != nullptr, "ExWindowDriver", qPrintable(name));
        return child;
    }

    ExGameWindow& window_;
    std::shared_ptr<QStringList> messages_ = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> captions_ = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> draws_ = std::make_shared<QStringList>();
};

}  // namespace morvane::testing
