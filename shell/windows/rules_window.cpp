#include "shell/windows/rules_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

struct Rule {
    const char* heading;
    const char* text;
};

const std::array<Rule, 3> kRules{{
    {QT_TRANSLATE_NOOP("morvane::RulesWindow", "- 勝利条件 -"),
     QT_TRANSLATE_NOOP("morvane::RulesWindow",
                       "縦か横か斜めで一直線に４個以上、自己ユニットを並べる")},
    {QT_TRANSLATE_NOOP("morvane::RulesWindow", "- ユニットを置く際の規定 -"),
     QT_TRANSLATE_NOOP("morvane::RulesWindow",
                       "    画面最下部分、もしくは■,○,×,◇の一段上の空白域、   もしくは、◇の中。"
                       "（重力があると考えると理解し易い）")},
    {QT_TRANSLATE_NOOP("morvane::RulesWindow", "- 引き分け条件 -"),
     QT_TRANSLATE_NOOP("morvane::RulesWindow",
                       "勝利条件が満たされず、かつ置ける場所が存在しない時")},
}};

}  // namespace

RulesWindow::RulesWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(tr("Morvaneⅲ－Ｒｕｌｕ Check"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(6);
    for (int index = 0; index < static_cast<int>(kRules.size()); ++index) {
        auto* heading = new QLabel(tr(kRules[index].heading), this);
        heading->setObjectName(QStringLiteral("Label1_%1").arg(index));
        heading->setFont(look::Font(18, true));
        look::SetTextColour(heading, &look::Colours::gold);

        auto* text = new QLabel(tr(kRules[index].text), this);
        text->setObjectName(QStringLiteral("Label2_%1").arg(index));
        text->setFont(look::Font(16));
        text->setWordWrap(true);
        look::SetTextColour(text, &look::Colours::paleText);
        text->setContentsMargins(16, 0, 0, 0);

        if (index > 0) {
            layout->addSpacing(14);
        }
        layout->addWidget(heading);
        layout->addWidget(text);
    }
    layout->addSpacing(18);

    layout->addWidget(MakeOkButton(this), 0, Qt::AlignHCenter);

    look::StyleWindow(this);
    setFixedWidth(560);
    // As tall as the texts need, wrapped at that width.
    setFixedHeight(heightForWidth(width()));
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_rules_window.cpp"
