#include "shell/windows/about_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "assets/pictures.h"
#include "shell/settings/language.h"
#include "shell/windows/contact_window.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/look.h"
#include "shell/windows/ok_button.h"
#include "shell/windows/system_info.h"
#include "shell/windows/version_text.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

// Every line of the notice, the last one included, ends with a line break.
const char* const kNotice = QT_TRANSLATE_NOOP("morvane::AboutWindow",
                                              "\n"
                                              "\n"
                                              "\n"
                                              "\n"
                                              "ただし、万が一そのような事態が発生\n"
                                              "したとしても開発者には悪意が無い事を\n"
                                              "御理解頂ければと思います。\n"
                                              "\n"
                                              "\n"
                                              "以上の点を御了承の上で当ソフトを\n"
                                              "お楽しみ下さい。\n");

constexpr QSize kPictureSize(204, 180);
constexpr QSize kEmblemSize(44, 44);
constexpr int kPageWidth = 600;
constexpr int kTextSize = 15;

QPushButton* MakeButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFont(look::Font(kTextSize, true));
    return button;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent, const SystemInfoPlatform& systemInfo)
    : QDialog(parent), systemInfo_(systemInfo) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Morvaneⅲ-ﾊﾞｰｼﾞｮﾝ情報"));
    // The whole window is one page, which scrolls on a screen too small for it.
    auto* page = new QWidget(this);

    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("Ig"));
    picture->setFixedSize(kPictureSize);
    ShowPicture(picture,
                [](qreal ratio) { return TitlePicture(kPictureSize, ratio, CurrentLanguage()); });

    auto* card = new QFrame(page);
    card->setObjectName(QStringLiteral("Shape1"));

    auto* emblem = new QLabel(card);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setFixedSize(kEmblemSize);
    ShowPicture(emblem, [](qreal ratio) {
        return RenderPicture(QStringLiteral(":/icons/morvane.svg"), kEmblemSize, ratio);
    });

    auto* version = new QLabel(ProgramVersionText(), card);
    version->setObjectName(QStringLiteral("lb"));
    version->setFont(look::Font(22, true));
    look::SetTextColour(version, &look::Colours::gold);

    auto* author = new QLabel(tr("作者・著作権者：Ｍｏｒｖａｎｅ開発チーム"), card);
    author->setObjectName(QStringLiteral("Label1_0"));
    author->setFont(look::Font(kTextSize));
    look::SetTextColour(author, &look::Colours::paleText);

    auto* period = new QLabel(tr("開発期間：2000.1/18～2001.1/18"), card);
    period->setObjectName(QStringLiteral("Label1_1"));
    period->setFont(look::Font(kTextSize));
    look::SetTextColour(period, &look::Colours::paleText);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(emblem);
    versionRow->addWidget(version, 1);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(16, 12, 16, 12);
    cardLayout->addLayout(versionRow);
    cardLayout->addStretch(1);
    cardLayout->addWidget(author);
    cardLayout->addWidget(period);
    cardLayout->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture);
    top->addWidget(card, 1);

    auto* notice = new QPlainTextEdit(page);
    notice->setObjectName(QStringLiteral("Text1"));
    notice->setReadOnly(true);
    // What a screen reader calls the notice.
    notice->setAccessibleName(tr("御了承事項"));
    notice->setFont(look::Font(kTextSize));
    const QString noticeText = tr(kNotice);
    notice->setPlainText(noticeText);
    // Room for every line and the empty one after the last line break, and one more for the
    // box's own margins, so that the whole notice shows without scrolling.
    const int roomLines = static_cast<int>(noticeText.count(QLatin1Char('\n'))) + 2;
    notice->setFixedHeight(roomLines * notice->fontMetrics().lineSpacing() + 12);

    auto* systemInfoButton = MakeButton(QStringLiteral("Command1_0"), tr("システム情報"), page);
    auto* contactButton = MakeButton(QStringLiteral("Command1_1"), tr("連絡先（アドレス）"), page);
    QPushButton* closeButton = MakeOkButton(this, page);
    connect(systemInfoButton, &QPushButton::clicked, this,
            [this] { StartSysInfo(this, systemInfo_); });
    connect(contactButton, &QPushButton::clicked, this, [this] {
        ContactWindow contact(this);
        contact.exec();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(systemInfoButton);
    buttons->addWidget(contactButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 18);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addWidget(notice);
    layout->addLayout(buttons);
    look::StyleWindow(this);
    // The card's outline is its own, drawn over the frame's style.
    look::DrawOutline(card, look::InfoCard);
    page->setFixedSize(kPageWidth, page->sizeHint().height());
    SetScrollingPage(this, page);
    PlaceOnShow(this);
}

}  // namespace morvane

#include "moc_about_window.cpp"
