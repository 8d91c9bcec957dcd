#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "match/windows/review_window.h"
#include "shell/settings/language.h"
#include "tests/rules/board_text.h"
#include "tests/support/screenshot.h"

using namespace morvane;

namespace {

constexpr int kPatienceMs = 60'000;

// ○ wins on a pit of five columns by four rows after × threw the draw away with its second
// move (ply 4); ○'s 3-12 then wins in three plies.
SavedGame WonGame() {
    QStringList rows(kRows - 4, QStringLiteral("########"));
    rows << QStringList(4, QStringLiteral(".....###"));
    SavedGame game;
    game.layout = testing::BoardFromRows(rows);
    game.moves = {89, 81, 91, 73, 90, 65, 88};
    game.end = GameEnd::CircleWins;
    return game;
}

// A game on the open board that the keyboard player (○) lost to [ＭＡＳＴＥＲ] in 16 moves: the
// solver proves nothing before the end, and the search proves the loss only after ○'s 13th move.
SavedGame LostToMaster() {
    SavedGame game;
    game.players = {PlayerKind::Keyboard, PlayerKind::MasterComputer};
    game.moves = {93, 92, 91, 83, 88, 84, 85, 75, 67, 76, 68, 90, 82, 74, 77, 69};
    game.end = GameEnd::CrossWins;
    return game;
}

// The interface in a language until the end of the scope, however the test leaves it.
struct LanguageInUse {
    explicit LanguageInUse(Language language) { used = UseLanguage(language); }
    ~LanguageInUse() { UseLanguage(Language::Japanese); }
    bool used = false;
};

QString LabelText(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

}  // namespace

class ReviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A won game in either language: the keys step through it, the move list marks the move
    // that threw the draw away and the window names it, and the position after it values each
    // column's cell.
    void showsAWonGameMoveByMove_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("deciding");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("column3");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("title");
        QTest::newRow("Japanese") << Language::Japanese << "解析完了"
                                  << "４．× 2-10　引き分けを逃した　★決め手"
                                  << "４手目（全７手）"
                                  << "３列　3-12　勝ち：あと３手　◀実戦"
                                  << "決定的な一手：第４手"
                                  << "Morvaneⅲ－Review";
        QTest::newRow("English") << Language::English << "Analysis complete"
                                 << "4. × 2-10  threw the draw away  ★ deciding move"
                                 << "Move 4 of 7"
                                 << "Column 3: 3-12 win in 3  ◀ played"
                                 << "Decisive move: 4"
                                 << "Morvaneⅲ - Review";
    }
    void showsAWonGameMoveByMove() {
        QFETCH(Language, language);
        QFETCH(QString, done);
        QFETCH(QString, deciding);
        QFETCH(QString, position);
        QFETCH(QString, column3);
        QFETCH(QString, named);
        QFETCH(QString, title);
        const LanguageInUse inUse(language);
        QVERIFY(inUse.used);
        ReviewWindow window(WonGame(), nullptr, std::chrono::seconds(20));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.ShownPlies(), 7);
        QTest::keyClick(&window, Qt::Key_Home);
        QCOMPARE(window.ShownPlies(), 0);
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(&window, Qt::Key_Right);
        }
        QCOMPARE(LabelText(&window, "Position"), position);
        QTRY_COMPARE_WITH_TIMEOUT(LabelText(&window, "Progress"), done, kPatienceMs);
        QCOMPARE(window.findChild<QListWidget*>("Moves")->item(3)->text(), deciding);
        QCOMPARE(LabelText(&window, "Column_3"), column3);
        QCOMPARE(LabelText(&window, "DecidingMove"), named);
        const QString shot =
            QStringLiteral("review_won_game_") + (language == Language::Japanese ? "ja" : "en");
        testing::SaveScreenshot(&window, shot);
        QTest::keyClick(&window, Qt::Key_End);
        testing::SaveScreenshot(&window, shot + "_end");
        QTest::keyClick(&window, Qt::Key_Left);
        QCOMPARE(window.ShownPlies(), 6);
    }

    // A game lost to MASTER, in either language: the window names the move after which it was
    // lost, by the estimate, and the move list grades and marks it.
    void namesWhereALostGameWasLost_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("deciding");
        QTest::newRow("Japanese") << Language::Japanese << "解析完了"
                                  << "決定的な一手：第１３手（推定）"
                                  << "１３．○ 3-11　大悪手（推定）　★決め手";
        QTest::newRow("English") << Language::English << "Analysis complete"
                                 << "Decisive move: 13 (estimate)"
                                 << "13. ○ 3-11  blunder (estimate)  ★ deciding move";
    }
    void namesWhereALostGameWasLost() {
        QFETCH(Language, language);
        QFETCH(QString, done);
        QFETCH(QString, named);
        QFETCH(QString, deciding);
        const LanguageInUse inUse(language);
        QVERIFY(inUse.used);
        ReviewWindow window(LostToMaster());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(LabelText(&window, "Progress"), done, kPatienceMs);
        QCOMPARE(LabelText(&window, "DecidingMove"), named);
        QCOMPARE(window.findChild<QListWidget*>("Moves")->item(12)->text(), deciding);
        window.ShowPlies(13);
        testing::SaveScreenshot(&window, QStringLiteral("review_lost_to_master_") +
                                             (language == Language::Japanese ? "ja" : "en"));
    }

    // The entry point opens the review beside its owner without blocking it, and closing the
    // review, with its analysis still running, removes it.
    void showReviewOpensAWindowThatGoesWhenClosed() {
        QWidget owner;
        SavedGame open;
        open.moves = {CellIndex(4, kRows)};
        ShowReview(&owner, open);
        QPointer<ReviewWindow> review = owner.findChild<ReviewWindow*>("FormReview");
        QVERIFY(review);
        QVERIFY(review->isVisible());
        QVERIFY(!review->isModal());
        QVERIFY(LabelText(review, "Progress").startsWith("解析中"));
        review->close();
        QTRY_VERIFY_WITH_TIMEOUT(review.isNull(), kPatienceMs);
    }
};

QTEST_MAIN(ReviewWindowTest)
#include "test_review_window.moc"
