#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "extra/windows/ex_game_window.h"
#include "extra/windows/ex_notes_window.h"
#include "extra/windows/extra_game.h"
#include "shell/settings/language.h"
#include "tests/extra/ex_window_driver.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/window_texts.h"

using namespace morvane;
using morvane::testing::ExWindowDriver;

namespace {

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

QSlider* Slider(QWidget* window, int index) {
    return window->findChild<QSlider*>(QStringLiteral("Slider1_%1").arg(index));
}

// Answers the next message dialog with its one button, keeping its text and the button's
// caption as "text|caption", and a picture of it under the name.
void AnswerNotice(QStringList& notices, const QString& picture) {
    testing::WhenModalOpens("FormMsg", [&notices, picture](QWidget* dialog) {
        notices << dialog->findChild<QLabel*>("言葉")->text() + QLatin1Char('|') +
                       dialog->findChild<QLabel*>("選択_2")->text();
        testing::SaveScreenshot(dialog, picture);
        testing::ClickChild(dialog, "選択_2");
    });
}

}  // namespace

class ExSideWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UseLanguage(Language::Japanese); }

    // It should show the older version's picture and the notice, and open the game window when
    // it closes, by its button or by its close box; the game window's closing is reported.
    void notesWindowLeadsToTheGame_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Ｏ．Ｋ．") << true;
        QTest::newRow("close box") << false;
    }
    void notesWindowLeadsToTheGame() {
        QFETCH(bool, byButton);
        ExtraGame extra;
        QSignalSpy closed(&extra, &ExtraGame::closed);
        extra.Open();
        QWidget* notes = TopLevel("Formz10");
        QVERIFY(notes != nullptr);
        QCOMPARE(notes->windowTitle(), QStringLiteral("Morvaneⅲ-おまけ"));
        QCOMPARE(notes->findChild<QLabel*>("Image1")->pixmap().deviceIndependentSize(),
                 QSizeF(254, 206));
        QCOMPARE(notes->findChild<QPushButton*>("Command1")->text(),
                 QStringLiteral("リメイク版での注意点"));
        QCOMPARE(notes->findChild<QPushButton*>("Command2")->text(), QStringLiteral("Ｏ．Ｋ．"));
        QVERIFY(TopLevel("Formz11") == nullptr);

        QString notice;
        QStringList captions;
        testing::WhenModalOpens("FormMsg", [&](QWidget* dialog) {
            notice = dialog->findChild<QLabel*>("言葉")->text();
            for (int k = 0; k < 3; ++k) {
                captions << dialog->findChild<QLabel*>(QStringLiteral("選択_%1").arg(k))->text();
            }
            testing::ClickChild(dialog, "選択_2");
        });
        QTest::mouseClick(notes->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(notice, QStringLiteral("この「リメイク版Morvane」は元の作品「Morvane(Ver 2.0)」を"
                                        "ほぼ忠実に再現（プログラムをコピっただけ）しています。"
                                        "そのため電脳思考中はユーザ操作を受付なくなる等のヘボ動作も"
                                        "直してません。御了承下さい。"));
        QCOMPARE(captions, (QStringList{"", "", "確認"}));
        QVERIFY(notes->isVisible());
        testing::SaveScreenshot(notes, "formz10");

        if (byButton) {
            QTest::mouseClick(notes->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        } else {
            notes->close();
        }
        QVERIFY(TopLevel("Formz10") == nullptr);
        QWidget* game = TopLevel("Formz11");
        QVERIFY(game != nullptr);
        QCOMPARE(closed.count(), 0);
        game->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(TopLevel("Formz11") == nullptr);
    }

    // It should show the draws, write every slider move to them at once, keep them when closed
    // by its close box, and show them again when reopened.
    void terrainSettingsWriteAtOnce() {
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        bool opened = false;
        testing::WhenModalOpens("Formz12", [&](QWidget* settings) {
            opened = true;
            QCOMPARE(settings->windowTitle(), QStringLiteral("Morvane-リメイク版"));
            QCOMPARE(settings->findChild<QLabel*>("Label2")->text(),
                     QStringLiteral("※地形選択は対人戦のみ"));
            QCOMPARE(settings->findChild<QPushButton*>("Command1")->text(),
                     QStringLiteral("設定完了"));
            for (int k = 0; k < 2; ++k) {
                QSlider* slider = Slider(settings, k);
                QCOMPARE(slider->value(), 8);
                QCOMPARE(slider->minimum(), 0);
                QCOMPARE(slider->maximum(), 50);
            }
            QTest::keyClick(Slider(settings, 0), Qt::Key_PageUp);
            QCOMPARE(window.match().stoneDraws, 13);
            QTest::keyClick(Slider(settings, 1), Qt::Key_Right);
            QCOMPARE(window.match().boxDraws, 9);
            testing::SaveScreenshot(settings, "formz12");
            Slider(settings, 0)->setValue(0);
            Slider(settings, 1)->setValue(0);
            QCOMPARE(window.match().stoneDraws, 0);
            settings->close();
        });
        driver.Action("オプション")->trigger();
        QVERIFY(opened);
        QCOMPARE(window.match().stoneDraws, 0);
        QCOMPARE(window.match().boxDraws, 0);

        testing::WhenModalOpens("Formz12", [](QWidget* settings) {
            QCOMPARE(Slider(settings, 0)->value(), 0);
            QCOMPARE(Slider(settings, 1)->value(), 0);
            testing::ClickChild(settings, "Command1");
        });
        driver.Action("オプション")->trigger();

        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Click("Command4");
        QCOMPARE(window.match().board(), ExBoard{});
        QCOMPARE(ExGameWindow().match().stoneDraws, 8);
    }

    // It should show the help after its notice, and its closing remark however it is closed.
    void helpShowsItsNoticeTextAndClosingRemark_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }
    void helpShowsItsNoticeTextAndClosingRemark() {
        QFETCH(bool, byEscape);
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        driver.AnswerNextMessage();
        bool opened = false;
        testing::WhenModalOpens("Formz13", [&](QWidget* help) {
            opened = true;
            auto* text = help->findChild<QPlainTextEdit*>("Text1");
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            const QString content = text->toPlainText();
            int at = 0;
            for (const QString heading :
                 {"ソフト情報▼", "基本ルール▼", "操作方法▼", "開発者から一言▼"}) {
                const int found = content.indexOf(heading);
                QVERIFY2(found >= at, qPrintable(heading));
                at = found;
            }
            testing::SaveScreenshot(help, "formz13");
            driver.AnswerNextMessage();
            if (byEscape) {
                QTest::keyClick(help, Qt::Key_Escape);
            } else {
                help->close();
            }
        });
        driver.Action("ヘルプ")->trigger();
        QVERIFY(opened);
        QCOMPARE(driver.messages().size(), 2);
        QCOMPARE(driver.messages().first(),
                 QStringLiteral("このヘルプ内容は元の作品「Morvane(Ver 2.0)」の時のものです。"
                                "リメイク版では多少異なった部分もありますが、御了承下さい。"));
        QCOMPARE(driver.LastMessage(),
                 QStringLiteral("・・・このヘルプ内容で触れているアルゴリズムについての部分には"
                                "青かったゆえの「多くの」誤りがあります。\n"
                                "間違っても「へぇ～」なんて納得しないで下さいね。"));
        QCOMPARE(driver.LastCaptions(), (QStringList{"", "", "昔話終わり"}));
    }

    // In English the notices of the side windows read in English with English buttons: the
    // notes window's, and the help's before it opens and after it closes.
    void noticesInEnglish() {
        QVERIFY(UseLanguage(Language::English));
        QStringList notices;
        ExNotesWindow notes;
        notes.show();
        AnswerNotice(notices, "formz10_notes_english");
        QTest::mouseClick(notes.findChild<QPushButton*>("Command1"), Qt::LeftButton);

        ExGameWindow window;
        window.show();
        AnswerNotice(notices, "formz11_help_notice_english");
        testing::WhenModalOpens("Formz13", [&notices](QWidget* help) {
            testing::SaveScreenshot(help, "formz13_english");
            AnswerNotice(notices, "formz13_closing_remark_english");
            help->close();
        });
        window.findChild<QAction*>("ヘルプ")->trigger();
        QCOMPARE(notices.size(), 3);
        for (const QString& notice : notices) {
            QVERIFY2(!testing::HasJapanese(notice), qPrintable(notice));
        }
        QVERIFY(notices[0].endsWith("|OK") && notices[1].endsWith("|OK"));
        QVERIFY(notices[2].endsWith("|End of story"));
    }
};

QTEST_MAIN(ExSideWindowsTest)
#include "test_extra_side_windows.moc"
