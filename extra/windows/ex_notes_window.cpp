#include "extra/windows/ex_notes_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "assets/pictures.h"
#include "shell/settings/language.h"
#include "shell/windows/density_picture.h"
#include "shell/windows/look.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/window_place.h"

namespace morvane {
namespace {

// The older version's window, its texts in the interface's language.
QString OldVersionPicture() {
    return CurrentLanguage() == Language::English ? QStringLiteral(":/extra/old_version_en.svg")
                                                  : QStringLiteral(":/extra/old_version.svg");
}

constexpr QSize kPictureSize(254, 206);

}  // namespace

ExNotesWindow::ExNotesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Formz10"));
    setWindowTitle(tr("Morvaneⅲ-おまけ"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    ShowPicture(picture, [](qreal ratio) {
        return RenderPicture(OldVersionPicture(), kPictureSize, ratio);
    });
    picture->setFixedSize(kPictureSize);

    auto* notes = new QPushButton(tr("リメイク版での注意点"), this);
    notes->setObjectName(QStringLiteral("Command1"));
    connect(notes, &QPushButton::clicked, this, [this] {
        ShowMessage(this,
                    tr("この「リメイク版Morvane」は元の作品「Morvane(Ver 2.0)」を"
                       "ほぼ忠実に再現（プログラムをコピっただけ）しています。"
                       "そのため電脳思考中はユーザ操作を受付なくなる等のヘボ動作も"
                       "直してません。御了承下さい。"),
                    {}, {}, ConfirmCaption());
    });
    auto* ok = new QPushButton(tr("Ｏ．Ｋ．"), this);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(notes, 1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setSpacing(14);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    look::StyleWindow(this, look::Theme::Rock);
    PlaceOnShow(this);
}

void ExNotesWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

void ExNotesWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    look::PaintRock(painter, this, rect());
}

}  // namespace morvane

#include "moc_ex_notes_window.cpp"
