// Whether a control cuts its text, as the zoom and reference suites check it at every text
// size and on small screens.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

// Why `control` cuts its text; empty when it does not. A label holds its wrapped lines, or
// its one line (beside its indent where it is not centred) with the ink of its letters; a
// button and a list are not below their size hints; a list's field shows its whole text;
// another text box is not lower than it needs.
inline QString cutOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty())
            return QString();
        const QFontMetrics metrics = label->fontMetrics();
        const QRect room = label->contentsRect();
        const int indent = label->alignment() & Qt::AlignHCenter ? 0 : std::max(0, label->indent());
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : metrics.horizontalAdvance(label->text()) <= room.width() - indent &&
                      metrics.tightBoundingRect(label->text()).height() <= room.height();
        return fits ? QString()
                    : QStringLiteral("%1 cuts \"%2\"").arg(label->objectName(), label->text());
    }
    if (qobject_cast<const QPushButton *>(control) || qobject_cast<const QComboBox *>(control)) {
        const QSize needed = qobject_cast<const QPushButton *>(control)
                                 ? control->sizeHint()
                                 : control->minimumSizeHint();
        if (control->width() < needed.width() || control->height() < needed.height())
            return QStringLiteral("%1 cut").arg(control->objectName());
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
        if (const auto *list = qobject_cast<const QComboBox *>(box->parentWidget())) {
            // A text field keeps two pixels free on either side of its text.
            if (box->fontMetrics().horizontalAdvance(list->currentText()) >
                    box->contentsRect().width() - 4 ||
                box->fontMetrics().height() > box->height())
                return QStringLiteral("%1 cuts \"%2\"")
                    .arg(list->objectName(), list->currentText());
        } else if (box->height() < box->minimumSizeHint().height()) {
            return QStringLiteral("box %1 too low").arg(box->objectName());
        }
    }
    return QString();
}

// Why a shown control of `window` cuts its text; empty when none does.
inline QString firstCut(const QWidget *window)
{
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QString cut = control->isVisible() ? cutOf(control) : QString();
        if (!cut.isEmpty())
            return cut;
    }
    return QString();
}
