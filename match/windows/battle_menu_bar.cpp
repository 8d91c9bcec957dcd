#include "match/windows/battle_menu_bar.h"

#include <QEvent>

#include "match/model/battle.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/look.h"

namespace morvane {

QString ReviewThisGameText() { return BattleMenuBar::tr("この対局を振り返る(&V)…"); }

QString SaveThisGameText() { return BattleMenuBar::tr("この対局を保存(&S)…"); }

BattleMenuBar::BattleMenuBar(const BattleMenuActions& actions, QWidget* parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("BattleMenuBar"));
    setFont(look::Font(look::kTextSize));

    game_ = addMenu(QString());
    game_->setObjectName(QStringLiteral("GameMenu"));
    newGame_ = AddEntry(game_, QStringLiteral("NewGame"), actions.newGame, {QKeySequence::New});
    save_ = AddEntry(game_, QStringLiteral("Save"), actions.save,
                     {QKeySequence(Qt::ControlModifier | Qt::Key_S)});
    open_ = AddEntry(game_, QStringLiteral("Open"), actions.open,
                     {QKeySequence(Qt::ControlModifier | Qt::Key_O)});
    resume_ = AddEntry(game_, QStringLiteral("Resume"), actions.resume);
    review_ = AddEntry(game_, QStringLiteral("Review"), actions.review);
    reviewFile_ = AddEntry(game_, QStringLiteral("ReviewFile"), actions.reviewFile);
    saveFinished_ = AddEntry(game_, QStringLiteral("SaveFinished"), actions.saveFinished);
    reviewFinished_ = AddEntry(game_, QStringLiteral("ReviewFinished"), actions.reviewFinished);
    game_->addSeparator();
    changePlayers_ = AddEntry(game_, QStringLiteral("ChangePlayers"), actions.changePlayers);
    if (actions.hostGame && actions.joinGame) {
        game_->addSeparator();
        hostGame_ = AddEntry(game_, QStringLiteral("HostGame"), actions.hostGame);
        joinGame_ = AddEntry(game_, QStringLiteral("JoinGame"), actions.joinGame);
    }
    game_->addSeparator();
    undo_ = AddEntry(game_, QStringLiteral("Undo"), actions.undo,
                     {QKeySequence(Qt::ControlModifier | Qt::Key_Z)});
    redo_ = AddEntry(game_, QStringLiteral("Redo"), actions.redo,
                     {QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                      QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    hint_ = AddEntry(game_, QStringLiteral("Hint"), actions.hint, {QKeySequence(Qt::Key_H)});
    game_->addSeparator();
    close_ = AddEntry(game_, QStringLiteral("Close"), actions.close,
                      {QKeySequence(Qt::ControlModifier | Qt::Key_W)});

    view_ = addMenu(QString());
    view_->setObjectName(QStringLiteral("ViewMenu"));
    scales_ = AddDisplayScaleMenu(view_, actions.currentScale, actions.chooseScale);
    view_->addSeparator();
    sound_ = AddToggle(view_, QStringLiteral("SoundToggle"), ViewToggle::Sound, actions);
    cellMarks_ =
        AddToggle(view_, QStringLiteral("CellMarksToggle"), ViewToggle::CellMarks, actions);
    motion_ = AddToggle(view_, QStringLiteral("MotionToggle"), ViewToggle::Motion, actions);
    fullScreen_ = AddEntry(view_, QStringLiteral("FullScreen"), actions.toggleFullScreen,
                           {QKeySequence(Qt::Key_F11)});
    fullScreen_->setCheckable(true);
    view_->addSeparator();
    languages_ = AddLanguageMenu(view_, actions.currentLanguage, actions.chooseLanguage);
    looks_ = AddLookMenu(view_, actions.currentLook, actions.chooseLook);

    help_ = addMenu(QString());
    help_->setObjectName(QStringLiteral("HelpMenu"));
    rules_ = AddEntry(help_, QStringLiteral("Rules"), actions.rules, {QKeySequence(Qt::Key_F1)});
    keys_ = AddEntry(help_, QStringLiteral("Keys"), actions.keys);
    record_ = AddEntry(help_, QStringLiteral("Record"), actions.record, {QKeySequence(Qt::Key_F3)});
    about_ = AddEntry(help_, QStringLiteral("About"), actions.about);
    SetTexts();
}

QAction* BattleMenuBar::AddToggle(QMenu* menu, const QString& name, ViewToggle toggle,
                                  const BattleMenuActions& actions) {
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(name);
    entry->setCheckable(true);
    entry->setChecked(actions.viewToggleOn(toggle));
    connect(entry, &QAction::toggled, this,
            [set = actions.setViewToggle, toggle](bool on) { set(toggle, on); });
    return entry;
}

QAction* BattleMenuBar::AddEntry(QMenu* menu, const QString& name,
                                 const std::function<void()>& choose,
                                 const QList<QKeySequence>& keys) {
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(name);
    entry->setShortcuts(keys);
    connect(entry, &QAction::triggered, this, choose);
    return entry;
}

void BattleMenuBar::SetTexts() {
    game_->setTitle(tr("ゲーム(&G)"));
    newGame_->setText(tr("新しいゲーム(&N)"));
    save_->setText(tr("保存(&S)…"));
    open_->setText(tr("開く(&O)…"));
    resume_->setText(tr("続きから(&E)"));
    review_->setText(ReviewThisGameText());
    reviewFile_->setText(tr("保存したゲームを振り返る(&F)…"));
    saveFinished_->setText(tr("終わった対局を保存(&A)…"));
    reviewFinished_->setText(tr("終わった対局を振り返る(&L)…"));
    changePlayers_->setText(tr("対戦者の変更(&P)…"));
    if (hostGame_ && joinGame_) {
        hostGame_->setText(tr("ネットワーク対戦を主催する(&T)…"));
        joinGame_->setText(tr("ネットワーク対戦に参加する(&J)…"));
    }
    undo_->setText(tr("元に戻す(&U)"));
    redo_->setText(tr("やり直し(&R)"));
    hint_->setText(tr("ヒント(&H)"));
    close_->setText(tr("閉じる(&C)"));
    view_->setTitle(tr("表示(&V)"));
    scales_->setTitle(DisplayScaleMenuTitle());
    sound_->setText(tr("効果音(&S)"));
    cellMarks_->setText(tr("置ける場所を示す(&P)"));
    motion_->setText(tr("動き(&M)"));
    fullScreen_->setText(tr("全画面表示(&F)"));
    languages_->setTitle(LanguageMenuTitle());
    looks_->setTitle(LookMenuTitle());
    help_->setTitle(tr("ヘルプ(&H)"));
    rules_->setText(tr("ルール(&R)…"));
    keys_->setText(tr("キー操作(&K)…"));
    record_->setText(tr("成績(&S)…"));
    about_->setText(tr("情報(&I)…"));
}

void BattleMenuBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
    }
    QMenuBar::changeEvent(event);
}

bool BattleMenuBar::TriggerShortcut(QKeyCombination keys) {
    const QKeySequence pressed(keys);
    for (QAction* entry : findChildren<QAction*>()) {
        if (entry->isEnabled() && entry->shortcuts().contains(pressed)) {
            entry->trigger();
            return true;
        }
    }
    return false;
}

void BattleMenuBar::Follow(const Battle& battle, bool gameKept, bool fullScreen) {
    newGame_->setEnabled(battle.CanStartNewGame());
    // A network game is not saved: it could go on from the file without the other side.
    save_->setEnabled(battle.CanSnapshot() && !battle.IsNetworkMatch());
    open_->setEnabled(battle.CanOpenGame());
    if (hostGame_ && joinGame_) {
        hostGame_->setEnabled(battle.CanOpenGame());
        joinGame_->setEnabled(battle.CanOpenGame());
    }
    resume_->setEnabled(gameKept && battle.CanOpenGame());
    review_->setEnabled(battle.CanSnapshot() && !battle.Snapshot().moves.empty());
    saveFinished_->setEnabled(battle.LastFinished().has_value());
    reviewFinished_->setEnabled(battle.LastFinished() && !battle.LastFinished()->moves.empty());
    // Choosing the players again ends a network match: that is the result dialog's to offer.
    changePlayers_->setEnabled(battle.CanOpenGame() && !battle.IsNetworkMatch());
    fullScreen_->setChecked(fullScreen);
    undo_->setEnabled(battle.CanTakeBack());
    redo_->setEnabled(battle.CanRedo());
    hint_->setEnabled(battle.CanHint());
}

}  // namespace morvane

#include "moc_battle_menu_bar.cpp"
