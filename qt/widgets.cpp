// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "widgets.h"

#include "characterlimit.h"
#include "inputbox.h"
#include "inputrule.h"
#include "layout.h"
#include "readonlybox.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zerkovan {

namespace {

QString fromUtf8(const char *text)
{
    return QString::fromUtf8(text);
}

QString nameOf(const layout::Colour &colour)
{
    return QColor(colour.red, colour.green, colour.blue).name();
}

// A text box's edge stands out from the window's colour, where the styles
// draw a pale frame (Fusion's is 1.1:1 against it); a focused input box's
// edge is the buttons' focus edge. Only the frame: the face stays the
// system's. Widgets with a style sheet take no font from their parent.
void setEdge(QWidget *box, const char *kind)
{
    box->setFont(WindowFont());
    QString sheet = QStringLiteral("%1 { border: 1px solid %2; padding: 1px; }")
                        .arg(QLatin1String(kind), nameOf(layout::BoxBorderColour));
    if (qobject_cast<QLineEdit *>(box) != nullptr) {
        sheet += QStringLiteral("%1:focus { border: 2px solid %2; padding: 0px; }")
                     .arg(QLatin1String(kind), nameOf(layout::FocusColour));
    }
    box->setStyleSheet(sheet);
}

} // namespace

QLabel *MakeLabel(QWidget *parent, const char *caption, const QColor &background)
{
    auto *label = new QLabel(fromUtf8(caption), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(label->text());
    SetBackground(label, background);
    return label;
}

QLineEdit *MakeInputBox(QWidget *parent, const char *accessibleName)
{
    auto *box = new InputBox(parent);
    // Counted as a person counts characters, whatever way the text comes in.
    new CharacterLimit(InputBoxMaxLength, box);
    box->setAlignment(Qt::AlignCenter);
    box->setAccessibleName(fromUtf8(accessibleName));
    setEdge(box, "QLineEdit");
    return box;
}

QPlainTextEdit *MakeReadOnlyBox(QWidget *parent, const char *accessibleName)
{
    auto *box = new ReadOnlyBox(parent);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAccessibleName(fromUtf8(accessibleName));
    setEdge(box, "QPlainTextEdit");
    return box;
}

QPushButton *MakeButton(QWidget *parent, const char *caption, const QColor &face)
{
    auto *button = new QPushButton(fromUtf8(caption), parent);
    button->setAccessibleName(button->text());
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    // A style sheet, not the palette: most styles draw buttons with
    // gradients that only tint the face.
    // Widgets with a style sheet take no font from their parent.
    button->setFont(WindowFont());
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; }"
                       "QPushButton:focus { border: 2px solid %3; }"
                       "QPushButton:pressed { border: 2px inset %2; }")
            .arg(face.name(), nameOf(layout::ButtonBorderColour), nameOf(layout::FocusColour)));
    return button;
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont WindowFont()
{
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    // Where Times New Roman is not installed (Linux, Wine), its metric twin
    // takes its place, Cyrillic included.
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace zerkovan
