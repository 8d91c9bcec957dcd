#include "extra/windows/ex_texts.h"

#include <QCoreApplication>

namespace morvane {
namespace {

// The context the texts are translated in.
class ExTexts {
    Q_DECLARE_TR_FUNCTIONS(morvane::ExTexts)
};

// The counters are written with three digits, as the older version did.
QString Counted(int count) {
    constexpr int kCountDigits = 3;
    return QStringLiteral("%1").arg(count, kCountDigits, 10, QChar('0'));
}

QString ModeText(ExMode mode) {
    return mode == ExMode::AgainstPerson ? ExTexts::tr("　　・対人戦・")
                                         : ExTexts::tr("　 ・対電脳戦・");
}

QString ModeWord(ExMode mode) {
    return mode == ExMode::AgainstPerson ? ExTexts::tr("・対人戦・") : ExTexts::tr("・対電脳戦・");
}

QString ToMoveText(ExPlayer player) {
    switch (player) {
        case ExPlayer::Mouse:
            return ExTexts::tr("＞＞＞Mouse.");
        case ExPlayer::Keybord:
            return ExTexts::tr("＞＞＞Keybord.");
        case ExPlayer::Program:
            return ExTexts::tr("＞＞＞Program.");
    }
    return {};
}

}  // namespace

QString ExInfoText(const ExInfo& info, ExMode mode) {
    QString text = ModeText(mode);
    if (info.modeOnly) {
        return text;
    }
    text += ExTexts::tr("[[[[ 第%1戦 ]]]]\n\n").arg(Counted(info.gameNumber));
    text += ExTexts::tr("   Mouse:%1勝\nKeybord:%2勝\n  (DROW):%3回\n")
                .arg(Counted(info.mouseWins), Counted(info.otherWins), Counted(info.draws));
    if (info.game) {
        text += ExTexts::tr("\n現在の戦況▼\n[残]：%1/%2\n\n現在ターン▼\n")
                    .arg(info.game->openCells)
                    .arg(info.game->nonStoneCells);
        text += ToMoveText(info.game->toMove);
    }
    return text;
}

QString ExThinkingText(int percentLeft) {
    return ExTexts::tr("現在思考中・・・\n残：%1%").arg(percentLeft);
}

QString ExMessageText(ExMessage message, ExMode mode) {
    const QString announced = ModeWord(mode);
    switch (message) {
        case ExMessage::MouseFirst:
            return ExTexts::tr("%1\n先攻：Mouse").arg(announced);
        case ExMessage::KeybordFirst:
            return ExTexts::tr("%1\n先攻：Keybord").arg(announced);
        case ExMessage::ProgramFirst:
            return ExTexts::tr("%1\n先攻：Program").arg(announced);
        case ExMessage::MouseWon:
            return ExTexts::tr("%1\n勝利：Mouse！").arg(announced);
        case ExMessage::KeybordWon:
            return ExTexts::tr("%1\n勝利：Keybord！").arg(announced);
        case ExMessage::ProgramWon:
            return ExTexts::tr("%1\n勝利：Program！").arg(announced);
        case ExMessage::Drawn:
            return ExTexts::tr("引き分け！");
        case ExMessage::ModeChangeQuestion:
            return ExTexts::tr(
                "モードを変更すると自動的にニューゲームが行われます。\n"
                "モードを変更してもよろしいですか？");
        case ExMessage::NewGameQuestion:
            return ExTexts::tr("ニューゲームしますか？");
        case ExMessage::HelpNotice:
            return ExTexts::tr(
                "このヘルプ内容は元の作品「Morvane(Ver 2.0)」の時のものです。"
                "リメイク版では多少異なった部分もありますが、御了承下さい。");
        case ExMessage::RefusedWhileThinking:
            return ExTexts::tr("電脳思考中は実行できません。");
        case ExMessage::CloseRefusedWhileThinking:
            return ExTexts::tr("電脳思考中は閉じる事ができません。");
    }
    return {};
}

}  // namespace morvane
