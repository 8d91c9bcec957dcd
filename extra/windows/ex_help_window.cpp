#include "extra/windows/ex_help_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

// The help of version 2.0 as it was written then, wrapped by hand.
QString HelpText() {
    return ExHelpWindow::tr(
        "ソフト情報▼\n"
        "　ソフト名　：Morvane（モーヴェイン）\n"
        "　バージョン：Ver 2.0\n"
        "　開発期間　：約１ヶ月（放課後と週末）\n"
        "　ジャンル　：思考型パズル（四目並べ系）\n"
        "\n"
        "基本ルール▼\n"
        "　縦・横・斜めのいずれかに、自分のユニットを\n"
        "　４つ以上一直線に並べた方の勝ちです。\n"
        "　すべてのマスが埋まり、どちらも並べられなかった\n"
        "　時だけ引き分けになります。\n"
        "　ユニットは、いつも下向きに重力がかかっている\n"
        "　つもりで置いてください。置ける場所は\n"
        "　　・一番下の段\n"
        "　　・宙に浮いた石（■）や箱（◇）の上\n"
        "　　・すでに置かれたユニットの上\n"
        "　です。また、箱（◇）の中には下に支えが無くても\n"
        "　ユニットを入れることができます。\n"
        "　石（■）の中には置けません。\n"
        "\n"
        "操作方法▼\n"
        "　【Keybord側】\n"
        "　　カーソルキーで枠を動かし、スペースキーで\n"
        "　　ユニットを置きます。\n"
        "　　※日本語入力モードがオンになっていると、\n"
        "　　　キーが反応しない事があります。\n"
        "　　　オフにしてから遊んでください。\n"
        "　【Mouse側】\n"
        "　　置きたいマスをクリックするだけです。\n"
        "　　このゲームは主にマウスで遊ぶように作って\n"
        "　　あります。\n"
        "\n"
        "開発者から一言▼\n"
        "　電脳は、自分・相手・自分・相手の４手先までの\n"
        "　並べ方をすべて調べて、勝てる並びには点を足し、\n"
        "　負ける並びには点を引き、一番点の高いマスに\n"
        "　置きます。\n"
        "　ただ、相手が一番いい手を打ってくるとは考えて\n"
        "　いないので、時々「えっ？」という手を打ちます。\n"
        "　それに４手より先の事は何も分からないので、\n"
        "　じっくり仕掛けた罠にはあっさり掛かります。\n"
        "　考えている間は他の操作ができませんが、そこは\n"
        "　仕様という事で勘弁してください。\n"
        "　　　　　　　　　　　　　　　　　　　以上。\n");
}

constexpr int kTextSize = 14;
constexpr int kTextWidth = 470;
constexpr int kTextHeight = 400;

}  // namespace

ExHelpWindow::ExHelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Formz13"));
    setWindowTitle(tr("Morvane-リメイク版"));

    auto* text = new QPlainTextEdit(HelpText(), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    // What a screen reader calls the help text.
    text->setAccessibleName(tr("Ver 2.0のヘルプ"));
    text->setFont(look::Font(kTextSize));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setFixedSize(kTextWidth, kTextHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this, look::Theme::Rock);
    PlaceOnShow(this);
}

void RunExHelpWindow(QWidget* parent) {
    ExHelpWindow help(parent);
    help.exec();
    ShowMessage(parent,
                ExHelpWindow::tr("・・・このヘルプ内容で触れているアルゴリズムについての部分には"
                                 "青かったゆえの「多くの」誤りがあります。\n"
                                 "間違っても「へぇ～」なんて納得しないで下さいね。"),
                {}, {}, ExHelpWindow::tr("昔話終わり"));
}

}  // namespace morvane

#include "moc_ex_help_window.cpp"
