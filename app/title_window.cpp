#include "app/title_window.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/extras_menu.h"
#include "assets/pictures.h"
#include "shell/windows/about_window.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/hover_label.h"
#include "shell/windows/keys_window.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/look.h"
#include "shell/windows/menu_pointer.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/system_info.h"
#include "shell/windows/version_text.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

struct MenuItem {
    const char* caption;
    // What the item opens, shown in brackets as the help line when it is hovered.
    const char* help;
};

// The captions are the game's own English, odd spellings and all; the English interface spells
// them right.
const std::array<MenuItem, TitleWindow::kItemCount> kItems{{
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Game Start."),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "ゲームを開始します")},
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Option."),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "オプションです")},
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Original Area Edit."),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "オリジナル地形を作ります")},
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Rulu Check."),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "簡易ルール説明です")},
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Infomation"),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "バージョン・著作権等の情報です")},
    {QT_TRANSLATE_NOOP("morvane::TitleWindow", "Extra Game"),
     QT_TRANSLATE_NOOP("morvane::TitleWindow", "「Morvane(Ver 2.0)」のリメイク版です")},
}};

enum Item { GameStart = 0, Option = 1, AreaEdit = 2, RuluCheck = 3, Infomation = 4, Extra = 5 };

// The items' colours: while none is hovered, the hovered one (on the marker) and the others.
QColor IdleColour() { return look::Current().white; }
QColor HoveredColour() { return look::Current().black; }
QColor OtherColour() { return look::Current().grey; }
constexpr int kItemTextSize = 21;
constexpr int kHelpTextSize = 16;
constexpr int kVersionTextSize = 15;

// Geometry in pixels.
constexpr QSize kPictureSize(340, 300);
constexpr int kMargin = 20;
constexpr int kMenuLeft = kMargin + kPictureSize.width() + 18;
constexpr int kMenuWidth = 250;
constexpr int kItemTop = kMargin + 24;
constexpr int kItemPitch = 43;
constexpr int kItemHeight = 34;
constexpr int kItemInset = 10;
constexpr int kMarkerRise = 1;  // the marker stands this far above its item
constexpr int kFooterTop = kMargin + kPictureSize.height() + 14;
constexpr int kFooterHeight = 28;
constexpr int kWindowWidth = kMenuLeft + kMenuWidth + kMargin;
constexpr int kWindowHeight = kFooterTop + kFooterHeight + 14;

// The language button: small, in the top margin over the menu frame's right end.
constexpr int kLanguageButtonHeight = 16;
constexpr int kLanguageButtonTop = 2;  // two pixels above it and below it
constexpr int kLanguageTextSize = 11;

// Where a menu item stands, at the scale 100.
QRect ItemRect(int item) {
    return QRect(kMenuLeft + kItemInset, kItemTop + item * kItemPitch, kMenuWidth - 2 * kItemInset,
                 kItemHeight);
}

// A control that only decorates: the pointer over it is over the window background.
void MakeDecoration(QWidget* widget) { widget->setAttribute(Qt::WA_TransparentForMouseEvents); }

}  // namespace

TitleWindow::TitleWindow(TitleActions actions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      actions_(std::move(actions)),
      pointer_(MenuPointer()),
      marker_(new QFrame(this)),
      help_(new QLabel(this)),
      extras_(new ExtrasMenu(
          {[this] { OpenModal(actions_.openRecord); }, [this] { OpenKeys(); },
           actions_.currentScale,
           [this](int percent) {
               if (actions_.chooseScale) {
                   actions_.chooseScale(this, percent);
               }
           },
           actions_.currentLanguage,
           [this](Language language) {
               if (actions_.chooseLanguage) {
                   actions_.chooseLanguage(this, language);
               }
           },
           actions_.canResume,
           [this] {
               if (actions_.resumeGame) {
                   actions_.resumeGame(this);
               }
           },
           actions_.hostGame ? [this] { LeaveFor(actions_.hostGame); } : std::function<void()>(),
           actions_.joinGame ? [this] { LeaveFor(actions_.joinGame); } : std::function<void()>(),
           actions_.currentLook,
           [this](Look look) {
               if (actions_.chooseLook) {
                   actions_.chooseLook(this, look);
               }
           }},
          this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Morvaneⅲ－Ｔｉｔｌｅ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFixedSize(kWindowWidth, kWindowHeight);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    PlaceScaled(picture, QRect(QPoint(kMargin, kMargin), kPictureSize));
    ShowPicture(picture,
                [](qreal ratio) { return TitlePicture(kPictureSize, ratio, CurrentLanguage()); });
    MakeDecoration(picture);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Shape2"));
    PlaceScaled(frame, QRect(kMenuLeft, kMargin, kMenuWidth, kPictureSize.height()));
    MakeDecoration(frame);
    // The marker lies over the frame and under the items, which are made after it.
    marker_->raise();

    marker_->setObjectName(QStringLiteral("Cur"));
    MakeDecoration(marker_);

    for (int item = 0; item < kItemCount; ++item) {
        auto* label = new HoverLabel(this);
        label->setObjectName(QStringLiteral("Menu_%1").arg(item));
        label->setText(tr(kItems[item].caption));
        // The help line, without the brackets it is shown in, tells a screen reader what the
        // item does.
        label->setAccessibleDescription(tr(kItems[item].help));
        label->setFont(look::Font(kItemTextSize, true));
        label->setIndent(14);
        PlaceScaled(label, ItemRect(item));
        connect(label, &HoverLabel::hovered, this, [this, item] { HoverOn(item); });
        connect(label, &HoverLabel::clicked, this, [this, item] { Click(item); });
        items_[item] = label;
    }

    help_->setObjectName(QStringLiteral("Label"));
    PlaceScaled(help_, QRect(kMargin, kFooterTop, kMenuLeft - kMargin, kFooterHeight));
    help_->setFont(look::Font(kHelpTextSize));
    MakeDecoration(help_);

    auto* version = new QLabel(ProgramVersionText(), this);
    version->setObjectName(QStringLiteral("Label1"));
    PlaceScaled(version, QRect(kMenuLeft, kFooterTop, kMenuWidth, kFooterHeight));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setFont(look::Font(kVersionTextSize));
    MakeDecoration(version);
    look::StyleWindow(this);
    look::DrawOutline(frame, look::TitleMenuFrame);
    look::DrawOutline(marker_, look::TitleMarker);
    look::SetTextColour(help_, &look::Colours::gold);
    look::SetTextColour(version, &look::Colours::versionText);
    look::FollowLook(this, [this] { ColourItems(); });
    if (actions_.chooseLanguage) {
        AddLanguageButton();
    }
    AddShortcutButtons();
    PlaceOnShow(this);

    // Opens as if an item had been hovered and the pointer had then left it.
    hoveredItem_ = Option;
    Reset();
}

void TitleWindow::AddShortcutButtons() {
    int left = kMargin;
    const auto add = [this, &left](const QString& name, const QString& text,
                                   const std::function<void()>& choose) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setFont(look::Font(kLanguageTextSize));
        // As the language button: the keyboard belongs to the menu items.
        button->setFocusPolicy(Qt::NoFocus);
        look::StyleAddedSmallButton(button);
        const int width = button->sizeHint().width();
        PlaceScaled(button, QRect(left, kLanguageButtonTop, width, kLanguageButtonHeight));
        left += width + 6;
        connect(button, &QPushButton::clicked, this, choose);
    };
    if (actions_.canResume && actions_.resumeGame && actions_.canResume()) {
        add(QStringLiteral("ContinueButton"), tr("続きから"),
            [this] { actions_.resumeGame(this); });
    }
    if (actions_.hostGame && actions_.joinGame) {
        add(QStringLiteral("HostButton"), tr("ネット対戦を主催"),
            [this] { LeaveFor(actions_.hostGame); });
        add(QStringLiteral("JoinButton"), tr("ネット対戦に参加"),
            [this] { LeaveFor(actions_.joinGame); });
    }
}

void TitleWindow::AddLanguageButton() {
    // Each language is offered by its own name, the one a reader of it looks for.
    const bool english = CurrentLanguage() == Language::English;
    auto* button =
        new QPushButton(english ? QStringLiteral("日本語") : QStringLiteral("English"), this);
    button->setObjectName(QStringLiteral("LanguageButton"));
    button->setFont(look::Font(kLanguageTextSize));
    // Up, Down, Enter and Space belong to the menu items: the button never takes the focus
    // from them (the extras menu offers the language to the keyboard).
    button->setFocusPolicy(Qt::NoFocus);
    look::StyleAddedSmallButton(button);
    const int width = button->sizeHint().width();
    PlaceScaled(button, QRect(kMenuLeft + kMenuWidth - width, kLanguageButtonTop, width,
                              kLanguageButtonHeight));
    const Language other = english ? Language::Japanese : Language::English;
    connect(button, &QPushButton::clicked, this,
            [this, other] { actions_.chooseLanguage(this, other); });
}

void TitleWindow::HoverOn(int item) {
    if (item == hoveredItem_) {
        return;
    }
    PlaceScaled(marker_, ItemRect(item).adjusted(-4, -kMarkerRise, 4, kMarkerRise));
    marker_->show();
    help_->setText(tr("【%1】").arg(tr(kItems[item].help)));
    setCursor(pointer_);
    hoveredItem_ = item;
    ColourItems();
}

void TitleWindow::ColourItems() {
    for (int item = 0; item < kItemCount; ++item) {
        look::SetTextColour(items_[item], hoveredItem_ == kNoItem ? IdleColour()
                                          : item == hoveredItem_  ? HoveredColour()
                                                                  : OtherColour());
    }
}

void TitleWindow::Reset() {
    if (hoveredItem_ == kNoItem) {
        return;
    }
    hoveredItem_ = kNoItem;
    ColourItems();
    unsetCursor();
    marker_->hide();
    help_->setText(tr("メニューから項目を選んで下さい"));
}

void TitleWindow::mouseMoveEvent(QMouseEvent* /*event*/) { Reset(); }

void TitleWindow::StepHover(int step) {
    const int from = hoveredItem_ != kNoItem ? hoveredItem_ : (step > 0 ? -1 : kItemCount);
    HoverOn((from + step + kItemCount) % kItemCount);
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ShiftModifier && event->key() == Qt::Key_F10) {
        ShowExtrasMenuByKey();
        return;
    }
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up:
            StepHover(-1);
            break;
        case Qt::Key_Down:
            StepHover(1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (hoveredItem_ != kNoItem) {
                Click(hoveredItem_);
            }
            break;
        case Qt::Key_F1:
            OpenRules();
            break;
        case Qt::Key_F3:
            OpenModal(actions_.openRecord);
            break;
        case Qt::Key_Menu:
            ShowExtrasMenuByKey();
            break;
        default:
            QWidget::keyPressEvent(event);
            break;
    }
}

void TitleWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        extras_->popup(event->globalPos());
    } else {
        ShowExtrasMenuByKey();
    }
}

void TitleWindow::ShowExtrasMenuByKey() {
    // Under the hovered item, else under the first.
    const QWidget* above = items_[hoveredItem_ != kNoItem ? hoveredItem_ : 0];
    // With its first entry chosen, so that Enter takes it at once.
    extras_->popup(above->mapToGlobal(QPoint(kItemInset, above->height())));
    extras_->setActiveAction(extras_->actions().constFirst());
}

void TitleWindow::Click(int item) {
    switch (item) {
        case GameStart:
            LeaveFor(actions_.startGame);
            break;
        case Option:
            OpenModal(actions_.openOptions);
            break;
        case AreaEdit:
            OpenModal(actions_.openAreaEditor);
            break;
        case RuluCheck:
            OpenRules();
            break;
        case Infomation: {
            AboutWindow about(this, NativeSystemInfo());
            about.exec();
            break;
        }
        case Extra:
            LeaveFor(actions_.startExtraGame);
            break;
    }
}

void TitleWindow::LeaveFor(const std::function<void()>& action) {
    if (!action) {
        ShowNotReady();
        return;
    }
    // The window goes away once control returns to the event loop; keep the action.
    const std::function<void()> run = action;
    close();
    run();
}

void TitleWindow::OpenModal(const std::function<void(QWidget*)>& action) {
    if (!action) {
        ShowNotReady();
        return;
    }
    action(this);
}

void TitleWindow::OpenRules() {
    RulesWindow rules(this);
    rules.exec();
}

void TitleWindow::OpenKeys() {
    KeysWindow keys(this);
    keys.exec();
}

void TitleWindow::ShowNotReady() {
    ShowMessage(this, tr("この機能は準備中です。"), QString(), QString(), ConfirmCaption());
}

}  // namespace morvane

#include "moc_title_window.cpp"
