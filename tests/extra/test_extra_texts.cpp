#include <QTest>

#include "extra/windows/ex_texts.h"
#include "shell/settings/language.h"
#include "tests/support/window_texts.h"

Q_DECLARE_METATYPE(morvane::ExMessage)
Q_DECLARE_METATYPE(morvane::ExMode)
Q_DECLARE_METATYPE(morvane::ExInfo)

using namespace morvane;

namespace {

constexpr auto kPerson = ExMode::AgainstPerson;
constexpr auto kComputer = ExMode::AgainstComputer;

ExInfo InGame(ExPlayer toMove) {
    return ExInfo{.modeOnly = false,
                  .gameNumber = 12,
                  .mouseWins = 3,
                  .otherWins = 7,
                  .draws = 1,
                  .game = ExInfo::Game{.openCells = 57, .nonStoneCells = 92, .toMove = toMove}};
}

}  // namespace

class ExTextsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(UseLanguage(Language::English)); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // Every message the match asks for reads in English in both modes, the mode on its first
    // line and the players spelt right; the rows with a text are read word for word.
    void messagesAreEnglish_data() {
        QTest::addColumn<ExMessage>("message");
        QTest::addColumn<ExMode>("mode");
        QTest::addColumn<QString>("exact");
        using enum ExMessage;
        for (const ExMessage message :
             {MouseFirst, KeybordFirst, ProgramFirst, MouseWon, KeybordWon, ProgramWon, Drawn,
              ModeChangeQuestion, NewGameQuestion, HelpNotice, RefusedWhileThinking,
              CloseRefusedWhileThinking}) {
            for (const ExMode mode : {kPerson, kComputer}) {
                QTest::addRow("message %d, mode %d", static_cast<int>(message),
                              static_cast<int>(mode))
                    << message << mode << QString();
            }
        }
        QTest::newRow("Keyboard first")
            << KeybordFirst << kPerson << "- vs Human -\nFirst move: Keyboard";
        QTest::newRow("Keyboard won") << KeybordWon << kPerson << "- vs Human -\nWinner: Keyboard!";
        QTest::newRow("computer first")
            << ProgramFirst << kComputer << "- vs Computer -\nFirst move: Computer";
        QTest::newRow("computer won")
            << ProgramWon << kComputer << "- vs Computer -\nWinner: Computer!";
        QTest::newRow("draw") << Drawn << kComputer << "It's a draw!";
    }
    void messagesAreEnglish() {
        QFETCH(ExMessage, message);
        QFETCH(ExMode, mode);
        QFETCH(QString, exact);
        const QString text = ExMessageText(message, mode);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!testing::HasJapanese(text), qPrintable(text));
        if (!exact.isEmpty()) {
            QCOMPARE(text, exact);
        }
    }

    // The information label reads in English with ordinary digits, the counters with three,
    // and each piece on its own line: the mode's line does not run into the game's number.
    void informationIsEnglish_data() {
        QTest::addColumn<ExInfo>("info");
        QTest::addColumn<ExMode>("mode");
        QTest::addColumn<QString>("exact");
        QTest::newRow("mode only, person") << ExInfo{} << kPerson << "   - vs Human -";
        QTest::newRow("mode only, computer") << ExInfo{} << kComputer << " - vs Computer -";
        ExInfo between = InGame(ExPlayer::Mouse);
        between.game.reset();
        QTest::newRow("between games")
            << between << kPerson
            << "   - vs Human -\n[[[ Game 012 ]]]\n\n   Mouse:003 wins\nKeyboard:007 wins\n"
               "  (DRAW):001\n";
        QTest::newRow("Mouse to move")
            << InGame(ExPlayer::Mouse) << kComputer
            << " - vs Computer -\n[[[ Game 012 ]]]\n\n   Mouse:003 wins\nKeyboard:007 wins\n"
               "  (DRAW):001\n\nStatus▼\n[Open]: 57/92\n\nTurn▼\n>>>Mouse.";
        QTest::newRow("Keyboard to move") << InGame(ExPlayer::Keybord) << kPerson << QString();
        QTest::newRow("computer to move") << InGame(ExPlayer::Program) << kComputer
                                          << " - vs Computer -\n[[[ Game 012 ]]]\n\n   Mouse:003 "
                                             "wins\nKeyboard:007 wins\n  (DRAW):001\n\nStatus▼\n"
                                             "[Open]: 57/92\n\nTurn▼\n>>>Computer.";
    }
    void informationIsEnglish() {
        QFETCH(ExInfo, info);
        QFETCH(ExMode, mode);
        QFETCH(QString, exact);
        const QString text = ExInfoText(info, mode);
        QVERIFY2(!testing::HasJapanese(text), qPrintable(text));
        if (!exact.isEmpty()) {
            QCOMPARE(text, exact);
        }
    }

    // The thinking label tells the share left with ordinary digits.
    void thinkingIsEnglish() {
        QCOMPARE(ExThinkingText(42), QStringLiteral("Thinking...\nLeft: 42%"));
    }
};

QTEST_MAIN(ExTextsTest)
#include "test_extra_texts.moc"
