#include "tests/support/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

namespace morvane::testing {
namespace {

QString Where(const QObject& object) {
    return QStringLiteral("%1 (%2)").arg(object.objectName(), object.metaObject()->className());
}

// A label's text as read: markup taken out.
QString ReadText(const QLabel& label) {
    if (label.textFormat() == Qt::RichText ||
        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()))) {
        QTextDocument document;
        document.setHtml(label.text());
        return document.toPlainText();
    }
    return label.text();
}

void AddControlTexts(const QWidget& widget, QList<HeldText>& texts) {
    const QString where = Where(widget);
    auto shown = [&](const QString& text) {
        if (!text.isEmpty()) {
            texts.append({where, text, &widget});
        }
    };
    auto listed = [&](const QString& suffix, const QString& text) {
        if (!text.isEmpty()) {
            texts.append({where + suffix, text, nullptr});
        }
    };
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        shown(ReadText(*label));
    } else if (const auto* tool = qobject_cast<const QToolButton*>(&widget);
               tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
        // It shows its icon alone; its text is for tips and screen readers.
        listed(QString(), tool->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        shown(button->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        shown(group->title());
    } else if (const auto* box = qobject_cast<const QComboBox*>(&widget)) {
        for (int item = 0; item < box->count(); ++item) {
            texts.append({where + QStringLiteral(" entry"), box->itemText(item), box});
        }
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            listed(QStringLiteral(" tab"), tabs->tabText(tab));
        }
    } else if (const auto* edit = qobject_cast<const QTextEdit*>(&widget)) {
        listed(QString(), edit->toPlainText());
    } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) {
        listed(QString(), plain->toPlainText());
    } else if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
        listed(QString(), line->text());
        listed(QStringLiteral(" placeholder"), line->placeholderText());
    }
    listed(QStringLiteral(" tip"), widget.toolTip());
    listed(QStringLiteral(" name"), widget.accessibleName());
    listed(QStringLiteral(" description"), widget.accessibleDescription());
}

}  // namespace

QList<HeldText> HeldTexts(const QWidget& window) {
    QList<HeldText> texts;
    if (!window.windowTitle().isEmpty()) {
        texts.append({QStringLiteral("window title"), window.windowTitle(), nullptr});
    }
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        widgets.append(child);
    }
    for (const QWidget* widget : widgets) {
        AddControlTexts(*widget, texts);
        for (const QAction* action : widget->actions()) {
            if (!action->isSeparator() && !action->text().isEmpty()) {
                texts.append({Where(*widget) + QStringLiteral(" menu ") + action->objectName(),
                              action->text(), nullptr});
            }
        }
    }
    return texts;
}

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x4DBF) ||
            (code >= 0x4E00 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

bool IsClipped(const QWidget& control, const QString& text) {
    const QFontMetrics metrics = control.fontMetrics();
    QRect room = control.contentsRect();
    if (const auto* box = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        room = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                            QStyle::SC_ComboBoxEditField, box);
    }
    // A push button draws its caption inside its border and padding.
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    // A check box or round button draws its mark beside the text, inside the same room.
    if (control.inherits("QCheckBox") || control.inherits("QRadioButton")) {
        return control.sizeHint().width() > control.width();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->wordWrap()) {
        return label->heightForWidth(label->width()) > label->height();
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    // A line break at the very end opens an empty line, which has nothing to cut.
    if (lines.size() > 1 && lines.last().isEmpty()) {
        lines.removeLast();
    }
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > room.width()) {
            return true;
        }
    }
    return metrics.height() * static_cast<int>(lines.size()) > room.height() + metrics.descent();
}

}  // namespace morvane::testing
